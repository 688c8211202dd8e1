// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace karvo {

// The value a card's bar and ring show, gliding toward the task's last reported progress instead of
// jumping between reports. One tick per frame (30 a second) while it glides.
class ProgressSmoother {
public:
    static constexpr double kSettleDistance = 0.003;
    static constexpr double kStepFraction = 0.22;
    static constexpr int kTicksPerSecond = 30;

    double displayed() const { return m_displayed; }
    double target() const { return m_target; }
    // Still short of the target: a tick would move the displayed value.
    bool isGliding() const { return m_displayed != m_target; }

    void setTarget(double target) { m_target = target; }
    // Shows `value` at once and stops gliding.
    void settle(double value) { m_displayed = m_target = value; }
    // One step; lands exactly on the target once close enough. Returns whether gliding goes on.
    bool tick();

private:
    double m_displayed = 0;
    double m_target = 0;
};

} // namespace karvo
