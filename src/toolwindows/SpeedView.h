// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"

#include <QList>

namespace karvo {

class ParameterRow;
class PlayerView;
class SpeedPresetChip;

// "Change Speed": one playback-speed factor for every file, from a slider in quarter steps or one of the
// preset chips. The preview shows the first file at its normal speed.
class SpeedView : public ToolView {
public:
    SpeedView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);

    static constexpr int previewHeight = 280;
    static constexpr int valueWidth = 60;
    // Slider positions per unit of factor: 0.25 … 4.0 in steps of 0.25.
    static constexpr int sliderScale = 4;

    // "1.50×": two decimals whatever the language, as the chips' "1.5×" are.
    static QString factorText(double factor);

    double factor() const { return m_parameters.speedFactor; }
    void setFactor(double factor);

    PlayerView* preview() const { return m_preview; }
    ParameterRow* speedRow() const { return m_speedRow; }
    const QList<SpeedPresetChip*>& chips() const { return m_chips; }

private:
    ToolParameters m_parameters;
    PlayerView* m_preview;
    ParameterRow* m_speedRow;
    QList<SpeedPresetChip*> m_chips;
};

} // namespace karvo
