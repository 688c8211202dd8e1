// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEasingCurve>

namespace karvo {

// The ring's motions: the springy pop as it opens, the fade-in, the resize of a mode switch and the
// close (a little larger after a drop, a little smaller when dismissed).
class RadialAnimations {
public:
    static constexpr double popFromScale = 0.82;
    static constexpr double popStiffness = 280;
    static constexpr double popDamping = 20;
    static constexpr double popMass = 0.65;
    static constexpr double popInitialVelocity = 6; // progress per second
    static constexpr double popMaxSeconds = 0.4;
    static constexpr int fadeInMs = 220;
    static constexpr int modeSwitchMs = 220;

    // The pop's progress from 0 (at rest, released) to 1 as a damped spring, `seconds` after release.
    static double popProgress(double seconds);
    // The time after which the pop stays within 0.1 % of its target, but at most popMaxSeconds.
    static double popSeconds();
    static double popScale(double seconds) { return popFromScale + (1 - popFromScale) * popProgress(seconds); }

    static double closeScale(bool success) { return success ? 1.06 : 0.88; }
    static int closeMs(bool success) { return success ? 160 : 150; }

    // Cubic Bézier timing curves through (0, 0) and (1, 1) with the given control points.
    static QEasingCurve bezier(double x1, double y1, double x2, double y2);
    static QEasingCurve fadeInCurve() { return bezier(0.16, 1.0, 0.3, 1.0); }
    static QEasingCurve easeInOut() { return bezier(0.42, 0.0, 0.58, 1.0); }
    static QEasingCurve easeOut() { return bezier(0.0, 0.0, 0.58, 1.0); }
    static QEasingCurve easeIn() { return bezier(0.42, 0.0, 1.0, 1.0); }
};

} // namespace karvo
