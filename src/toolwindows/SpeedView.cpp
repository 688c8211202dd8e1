// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeedView.h"

#include "Localization.h"
#include "ParameterRow.h"
#include "PlayerView.h"
#include "SpeedPresetChip.h"
#include "ToolScaffold.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace karvo {

SpeedView::SpeedView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)),
      m_preview(previewPanel(previewHeight, files.isEmpty() ? QString() : files.first().path)),
      m_speedRow(new ParameterRow(L("Speed"), L("Speed factor"), valueWidth))
{
    auto* controls = new QWidget;
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addWidget(m_speedRow);

    QSlider* slider = m_speedRow->slider();
    slider->setRange(int(std::lround(ToolRules::minSpeed * sliderScale)),
                     int(std::lround(ToolRules::maxSpeed * sliderScale)));
    slider->setSingleStep(1);
    slider->setPageStep(sliderScale);
    connect(slider, &QSlider::valueChanged, this, [this](int position) { setFactor(double(position) / sliderScale); });

    auto* presets = new QHBoxLayout;
    presets->setSpacing(8);
    presets->addStretch(1);
    for (const double value : ToolRules::speedPresets()) {
        auto* chip = new SpeedPresetChip(value, controls);
        connect(chip, &SpeedPresetChip::clicked, this, [this, value] { setFactor(value); });
        presets->addWidget(chip);
        m_chips << chip;
    }
    presets->addStretch(1);
    column->addLayout(presets);

    ToolScaffold::Parts parts;
    parts.content = m_preview;
    parts.controls = controls;
    parts.onApply = [this](const ToolFile& file) {
        return ToolRules::operation(ToolKind::speed, m_parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
    setFactor(m_parameters.speedFactor);
}

QString SpeedView::factorText(double factor)
{
    return QString::asprintf("%.2f", factor) + QChar(0x00D7);
}

void SpeedView::setFactor(double factor)
{
    if (!std::isfinite(factor))
        return;
    m_parameters.speedFactor = std::clamp(factor, ToolRules::minSpeed, ToolRules::maxSpeed);
    {
        // A stored default between two steps stays as it is until the slider is moved.
        QSlider* slider = m_speedRow->slider();
        const QSignalBlocker blocker(slider);
        slider->setValue(int(std::lround(m_parameters.speedFactor * sliderScale)));
    }
    m_speedRow->setValueText(factorText(m_parameters.speedFactor));
    for (SpeedPresetChip* chip : std::as_const(m_chips))
        chip->setSelected(chip->value() == m_parameters.speedFactor);
    scaffold()->refresh();
}

} // namespace karvo
