// SPDX-License-Identifier: GPL-3.0-or-later
#include "SplitView.h"

#include "Localization.h"
#include "ParameterRow.h"
#include "ToolScaffold.h"
#include "ToolText.h"
#include "ToolTimeFormat.h"

#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <cmath>

namespace karvo {

namespace {
double firstDuration(const QList<ToolFile>& files)
{
    if (files.isEmpty() || !files.first().info)
        return 0;
    const double d = files.first().info->duration;
    return std::isfinite(d) && d > 0 ? d : 0;
}

// The slider moves in whole seconds up to the clip's length; its last step is the length itself, so a
// clip of 5.5 s can still be kept in one piece.
int sliderPosition(double seconds)
{
    return static_cast<int>(std::min(std::ceil(seconds), static_cast<double>(INT_MAX)));
}
} // namespace

SplitView::SplitView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)), m_firstDuration(firstDuration(files)),
      m_summary(new QLabel), m_lengthRow(new ParameterRow(L("Every"), L("Segment length"), 60))
{
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    ToolText::caption(m_summary);
    m_summary->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    column->addWidget(m_summary);

    const double longest = std::max(m_firstDuration, 1.0);
    QSlider* slider = m_lengthRow->slider();
    slider->setRange(1, sliderPosition(longest));
    slider->setSingleStep(1);
    slider->setPageStep(std::max(1, slider->maximum() / 10));
    slider->setValue(sliderPosition(m_parameters.splitSeconds));
    connect(slider, &QSlider::valueChanged, this,
            [this, longest](int position) { setSegmentSeconds(std::min(static_cast<double>(position), longest)); });

    ToolScaffold::Parts parts;
    parts.content = content;
    parts.controls = m_lengthRow;
    parts.onApply = [this](const ToolFile& file) {
        return ToolRules::operation(ToolKind::split, m_parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
    setSegmentSeconds(m_parameters.splitSeconds);
}

int SplitView::segmentCount(double duration, double segmentSeconds)
{
    const double total = std::max(std::isfinite(duration) ? duration : 0.0, 1.0);
    const double length = std::max(std::isfinite(segmentSeconds) ? segmentSeconds : 0.0, 0.1);
    return static_cast<int>(std::max(1.0, std::min(std::ceil(total / length), static_cast<double>(INT_MAX))));
}

QString SplitView::summary(double duration, double segmentSeconds)
{
    const double total = std::max(std::isfinite(duration) ? duration : 0.0, 1.0);
    return Ln("Total duration %@ → %d segments", ToolTimeFormat::fmtClock(total),
              segmentCount(duration, segmentSeconds));
}

void SplitView::setSegmentSeconds(double seconds)
{
    m_parameters.splitSeconds = seconds;
    m_lengthRow->setValueText(ToolTimeFormat::fmtClock(seconds));
    m_summary->setText(summary(m_firstDuration, seconds));
    if (scaffold())
        scaffold()->refresh();
}

} // namespace karvo
