// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTimeFormat.h"

#include "Localization.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace karvo {

namespace {
bool usable(double seconds)
{
    return std::isfinite(seconds) && seconds >= 0;
}

// A broken probe can report any length. Held far below where doubles lose whole seconds, so the
// remainder arithmetic never goes negative and the text never wraps round.
double held(double seconds)
{
    return std::min(seconds, 1e12);
}
} // namespace

QString ToolTimeFormat::fmtClock(double seconds)
{
    if (!usable(seconds))
        return Localization::localDigits(QStringLiteral("0:00"));
    const auto n = static_cast<std::int64_t>(std::trunc(held(seconds)));
    return Localization::localDigits(
        QString::asprintf("%lld:%02lld", static_cast<long long>(n / 60), static_cast<long long>(n % 60)));
}

QString ToolTimeFormat::fmtTime(double seconds)
{
    if (!usable(seconds))
        return Localization::localDigits(QStringLiteral("0:00.00"));
    // Rounded to the hundredths shown first: 59.999 s is 1:00.00, never 0:60.00.
    const double x = std::round(held(seconds) * 100) / 100;
    const std::int64_t m = static_cast<std::int64_t>(std::trunc(x)) / 60;
    return Localization::localDigits(
        QString::asprintf("%lld:%05.2f", static_cast<long long>(m), x - 60.0 * static_cast<double>(m)));
}

} // namespace karvo
