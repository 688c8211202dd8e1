// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrimRange.h"

#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
constexpr double minimumUpper = 0.001;
constexpr double millisecond = 1000.0;
// Well inside an int, so a slider's page steps never overflow.
constexpr double mostTicks = 1e9;
} // namespace

TrimRange::TrimRange(double duration)
    : m_duration(std::isfinite(duration) && duration > 0 ? duration : 0), m_upper(std::max(m_duration, minimumUpper)),
      m_ticksPerSecond(std::min(millisecond, mostTicks / m_upper)),
      m_maximum(static_cast<int>(std::max(1.0, std::ceil(m_upper * m_ticksPerSecond)))), m_end(m_duration)
{
}

double TrimRange::clamped(double seconds) const
{
    if (std::isnan(seconds))
        return 0;
    return std::clamp(seconds, 0.0, m_upper);
}

void TrimRange::setStart(double seconds)
{
    m_start = clamped(seconds);
    if (m_start > m_end)
        m_end = m_start;
}

void TrimRange::setEnd(double seconds)
{
    m_end = clamped(seconds);
    if (m_end < m_start)
        m_start = m_end;
}

double TrimRange::length() const
{
    return std::max(m_end - m_start, 0.0);
}

int TrimRange::sliderPosition(double seconds) const
{
    const double t = clamped(seconds);
    if (t >= m_upper)
        return m_maximum;
    return std::min(static_cast<int>(std::llround(t * m_ticksPerSecond)), m_maximum);
}

double TrimRange::secondsAt(int position) const
{
    if (position >= m_maximum)
        return m_upper;
    return clamped(position / m_ticksPerSecond);
}

} // namespace karvo
