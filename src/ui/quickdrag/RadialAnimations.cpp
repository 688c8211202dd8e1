// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialAnimations.h"

#include <QPointF>
#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
constexpr double settleTolerance = 0.001;

// Deviation from the target of m·x'' + c·x' + k·x = 0 with x(0) = −1 and x'(0) = v0.
double deviation(double t)
{
    const double m = RadialAnimations::popMass;
    const double k = RadialAnimations::popStiffness;
    const double c = RadialAnimations::popDamping;
    const double v0 = RadialAnimations::popInitialVelocity;
    const double omega = std::sqrt(k / m);
    const double zeta = c / (2 * std::sqrt(k * m));
    const double x0 = -1;
    if (zeta < 1) {
        const double damped = omega * std::sqrt(1 - zeta * zeta);
        const double b = (v0 + zeta * omega * x0) / damped;
        return std::exp(-zeta * omega * t) * (x0 * std::cos(damped * t) + b * std::sin(damped * t));
    }
    if (zeta == 1)
        return std::exp(-omega * t) * (x0 + (v0 + omega * x0) * t);
    const double root = omega * std::sqrt(zeta * zeta - 1);
    const double r1 = -zeta * omega + root;
    const double r2 = -zeta * omega - root;
    const double a2 = (v0 - r1 * x0) / (r2 - r1);
    const double a1 = x0 - a2;
    return a1 * std::exp(r1 * t) + a2 * std::exp(r2 * t);
}

double settlingSeconds()
{
    // Scanned once: the last moment the spring is still outside the tolerance within a generous horizon.
    constexpr int ticks = 20000;
    constexpr double tick = 0.0005;
    int last = 0;
    for (int i = 0; i <= ticks; ++i) {
        if (std::abs(deviation(i * tick)) > settleTolerance)
            last = i;
    }
    return (last + 1) * tick;
}
} // namespace

double RadialAnimations::popProgress(double seconds)
{
    if (seconds <= 0)
        return 0;
    return 1 + deviation(seconds);
}

double RadialAnimations::popSeconds()
{
    static const double seconds = std::min(settlingSeconds(), popMaxSeconds);
    return seconds;
}

QEasingCurve RadialAnimations::bezier(double x1, double y1, double x2, double y2)
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(x1, y1), QPointF(x2, y2), QPointF(1, 1));
    return curve;
}

} // namespace karvo
