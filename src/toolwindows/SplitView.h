// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"

class QLabel;

namespace karvo {

class ParameterRow;

// "Split Video": one segment length for every file. No preview; the first file's length and the number
// of segments the chosen length gives it stand in its place.
class SplitView : public ToolView {
public:
    SplitView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);

    // How many parts a clip of `duration` seconds (unknown: 0) gives at `segmentSeconds` each; at least one.
    static int segmentCount(double duration, double segmentSeconds);
    static QString summary(double duration, double segmentSeconds);

    double segmentSeconds() const { return m_parameters.splitSeconds; }
    ParameterRow* lengthRow() const { return m_lengthRow; }
    QLabel* summaryLabel() const { return m_summary; }

private:
    void setSegmentSeconds(double seconds);

    ToolParameters m_parameters;
    double m_firstDuration; // the first file's, 0 when unknown
    QLabel* m_summary;
    ParameterRow* m_lengthRow;
};

} // namespace karvo
