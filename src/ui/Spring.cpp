// SPDX-License-Identifier: GPL-3.0-or-later
#include "Spring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace karvo {

namespace {
// An undamped spring never settles, and a zero response has no motion to speak of.
constexpr double minimumDamping = 0.01;
constexpr double minimumResponse = 0.001;

// The last moment in [low, high] at which |deviation| still exceeds the tolerance, given that it does at
// `low` and no longer does from some point on.
template <typename F>
double lastExceeding(F&& deviation, double low, double high)
{
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        if (std::abs(deviation(middle)) > Spring::settleTolerance)
            low = middle;
        else
            high = middle;
    }
    return high;
}
} // namespace

Spring::Spring(double response, double dampingFraction)
    : m_response(std::max(response, minimumResponse)), m_dampingFraction(std::max(dampingFraction, minimumDamping))
{
    m_duration = settlingTime();
}

double Spring::stiffness() const
{
    const double omega = 2 * std::numbers::pi / m_response;
    return omega * omega;
}

double Spring::damping() const
{
    return 4 * std::numbers::pi * m_dampingFraction / m_response;
}

double Spring::value(double t) const
{
    if (t <= 0)
        return 0;
    const double omega = 2 * std::numbers::pi / m_response;
    const double zeta = m_dampingFraction;
    if (zeta < 1) {
        const double damped = omega * std::sqrt(1 - zeta * zeta);
        return 1 - std::exp(-zeta * omega * t) * (std::cos(damped * t) + zeta * omega / damped * std::sin(damped * t));
    }
    if (zeta == 1)
        return 1 - std::exp(-omega * t) * (1 + omega * t);
    const double root = std::sqrt(zeta * zeta - 1);
    const double fast = -omega * (zeta + root);
    const double slow = -omega * (zeta - root);
    return 1 + (slow * std::exp(fast * t) - fast * std::exp(slow * t)) / (fast - slow);
}

double Spring::settlingTime() const
{
    const auto off = [this](double t) {
        return deviation(t);
    };
    const double omega = 2 * std::numbers::pi / m_response;
    const double zeta = m_dampingFraction;
    if (zeta < 1) {
        // The extremes of an underdamped step fall at kπ/ωd with deviation e^(−ζω·t): the last extreme
        // beyond the tolerance is followed by the moment the spring enters it for good.
        const double damped = omega * std::sqrt(1 - zeta * zeta);
        const double halfPeriod = std::numbers::pi / damped;
        const double k = std::floor(std::log(1 / settleTolerance) / (zeta * omega * halfPeriod));
        double extreme = k * halfPeriod;
        // Guard against rounding at the boundary: the extreme found must still be outside the tolerance.
        while (extreme > 0 && std::abs(off(extreme)) <= settleTolerance)
            extreme -= halfPeriod;
        return lastExceeding(off, std::max(extreme, 0.0), std::max(extreme, 0.0) + halfPeriod);
    }
    // Without overshoot the approach is monotonic: widen the window until it has settled, then bisect.
    double high = m_response;
    while (std::abs(off(high)) > settleTolerance)
        high *= 2;
    return lastExceeding(off, 0.0, high);
}

} // namespace karvo
