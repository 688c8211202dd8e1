// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrimView.h"

#include "Localization.h"
#include "ParameterRow.h"
#include "PlayerView.h"
#include "ToolScaffold.h"
#include "ToolText.h"
#include "ToolTimeFormat.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace karvo {

namespace {
double firstDuration(const QList<ToolFile>& files)
{
    return (!files.isEmpty() && files.first().info) ? files.first().info->duration : 0;
}

QLabel* captionLine(QWidget* parent)
{
    auto* label = new QLabel(parent);
    ToolText::caption(label);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}
} // namespace

TrimView::TrimView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)), m_range(firstDuration(files)),
      m_preview(previewPanel(previewHeight, files.isEmpty() ? QString() : files.first().path)),
      m_startRow(new ParameterRow(L("Start"), L("Start time"), valueWidth)),
      m_endRow(new ParameterRow(L("End"), L("End time"), valueWidth))
{
    auto* controls = new QWidget;
    auto* column = new QVBoxLayout(controls);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    ParameterRow::alignLabels({m_startRow, m_endRow});
    column->addWidget(m_startRow);
    column->addWidget(m_endRow);
    m_duration = captionLine(controls);
    column->addWidget(m_duration);
    m_hint = captionLine(controls);
    m_hint->setText(L("Choose an end time after the start."));
    // The hint keeps its line while hidden, so the rows do not jump as a slider crosses the other.
    QSizePolicy hintPolicy = m_hint->sizePolicy();
    hintPolicy.setRetainSizeWhenHidden(true);
    m_hint->setSizePolicy(hintPolicy);
    column->addWidget(m_hint);

    for (ParameterRow* row : {m_startRow, m_endRow}) {
        QSlider* slider = row->slider();
        const bool isStart = row == m_startRow;
        slider->setRange(0, m_range.sliderMaximum());
        slider->setSingleStep(std::max(1, m_range.sliderMaximum() / 100));
        slider->setPageStep(std::max(1, m_range.sliderMaximum() / 10));
        slider->setValue(m_range.sliderPosition(isStart ? m_range.start() : m_range.end()));
        connect(slider, &QSlider::valueChanged, this,
                [this, slider, isStart](int position) { sliderMoved(slider, isStart, position); });
        // Letting go lands on the exact value, also when the last live seek of the drag was dropped.
        connect(slider, &QSlider::sliderReleased, this,
                [this, isStart] { m_preview->seek(isStart ? m_range.start() : m_range.end()); });
    }

    ToolScaffold::Parts parts;
    parts.content = m_preview;
    parts.controls = controls;
    parts.onApply = [this](const ToolFile& file) {
        ToolParameters parameters = m_parameters;
        parameters.trimStart = m_range.start();
        parameters.trimEnd = m_range.end();
        return ToolRules::operation(ToolKind::trim, parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
    showRange();
}

QString TrimView::durationText(double start, double end)
{
    return L("Duration: %@", ToolTimeFormat::fmtTime(std::max(end - start, 0.0)));
}

void TrimView::sliderMoved(QSlider* slider, bool isStart, int position)
{
    const double seconds = m_range.secondsAt(position);
    isStart ? m_range.setStart(seconds) : m_range.setEnd(seconds);
    // The other time may have been pushed along; its slider follows without seeking on its own.
    QSlider* other = (isStart ? m_endRow : m_startRow)->slider();
    {
        const QSignalBlocker blocker(other);
        other->setValue(m_range.sliderPosition(isStart ? m_range.end() : m_range.start()));
    }
    showRange();
    const double target = isStart ? m_range.start() : m_range.end();
    // A drag seeks live; a key press or a click on the groove is one finished edit, so it seeks exactly.
    if (slider->isSliderDown())
        m_preview->liveSeek(target);
    else
        m_preview->seek(target);
}

void TrimView::showRange()
{
    m_startRow->setValueText(ToolTimeFormat::fmtTime(m_range.start()));
    m_endRow->setValueText(ToolTimeFormat::fmtTime(m_range.end()));
    m_duration->setText(durationText(m_range.start(), m_range.end()));
    m_hint->setVisible(!m_range.isValid());
    scaffold()->setCanApply(m_range.isValid());
    scaffold()->refresh();
}

} // namespace karvo
