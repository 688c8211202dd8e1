// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveSeek.h"

namespace karvo {

LiveSeek::LiveSeek(Clock clock) : m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] {
            return std::chrono::steady_clock::now();
        };
}

bool LiveSeek::admit()
{
    const auto now = m_clock();
    if (m_last && now - *m_last <= interval)
        return false;
    m_last = now;
    return true;
}

} // namespace karvo
