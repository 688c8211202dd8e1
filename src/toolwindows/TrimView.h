// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"
#include "TrimRange.h"

class QLabel;
class QSlider;

namespace karvo {

class ParameterRow;
class PlayerView;

// "Trim Video": one start and one end time for every file, chosen on two sliders under a preview of the
// first file that follows the slider being moved. Each file is cut from the same start, to the chosen end or
// its own end, whichever comes first.
class TrimView : public ToolView {
public:
    TrimView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);

    static constexpr int previewHeight = 300;
    static constexpr int valueWidth = 70;

    // "Duration: 0:10.00", for the stretch between `start` and `end` (nothing when they are out of order).
    static QString durationText(double start, double end);

    const TrimRange& range() const { return m_range; }
    double start() const { return m_range.start(); }
    double end() const { return m_range.end(); }

    PlayerView* preview() const { return m_preview; }
    ParameterRow* startRow() const { return m_startRow; }
    ParameterRow* endRow() const { return m_endRow; }
    QLabel* durationLabel() const { return m_duration; }
    // Shown only while the end is not after the start.
    QLabel* hintLabel() const { return m_hint; }

private:
    void sliderMoved(QSlider* slider, bool isStart, int position);
    void showRange();

    ToolParameters m_parameters;
    TrimRange m_range;
    PlayerView* m_preview;
    ParameterRow* m_startRow;
    ParameterRow* m_endRow;
    QLabel* m_duration;
    QLabel* m_hint;
};

} // namespace karvo
