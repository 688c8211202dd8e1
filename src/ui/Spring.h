// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace karvo {

// A damped spring moving from 0 to 1 from rest, given by its response (seconds per undamped
// oscillation) and damping fraction (1 = critically damped, below 1 overshoots). As a progress
// function: run a linear animation over duration() and map its elapsed time through value().
class Spring {
public:
    Spring(double response, double dampingFraction);

    double mass() const { return 1.0; }
    double stiffness() const;
    double damping() const;

    // Position at `seconds` after release; 0 before it.
    double value(double seconds) const;
    // Time after which the spring stays within 0.1 % of the target.
    double duration() const { return m_duration; }

    static constexpr double settleTolerance = 0.001;

private:
    double deviation(double seconds) const { return value(seconds) - 1.0; }
    double settlingTime() const;

    double m_response;
    double m_dampingFraction;
    double m_duration = 0;
};

} // namespace karvo
