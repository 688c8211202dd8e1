// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressSmoother.h"

#include <cmath>

namespace karvo {

bool ProgressSmoother::tick()
{
    if (std::abs(m_target - m_displayed) < kSettleDistance) {
        m_displayed = m_target;
        return false;
    }
    m_displayed += (m_target - m_displayed) * kStepFraction;
    return true;
}

} // namespace karvo
