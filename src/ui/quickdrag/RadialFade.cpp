// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialFade.h"

#include <cmath>

namespace karvo {

bool RadialFade::tick(int count, std::optional<int> lit)
{
    bool settled = true;
    for (int i = 0; i < count; ++i) {
        const double target = lit == i ? 1.0 : 0.0;
        const double current = level(i);
        if (std::abs(target - current) > settleThreshold) {
            m_levels[i] = current + (target - current) * rate;
            settled = false;
        } else {
            m_levels[i] = target;
        }
    }
    return settled;
}

QColor RadialFade::mix(const QColor& a, const QColor& b, double t)
{
    if (t <= 0.001)
        return a;
    if (t >= 0.999)
        return b;
    const QColor from = a.toRgb();
    const QColor to = b.toRgb();
    if (!from.isValid() || !to.isValid())
        return t < 0.5 ? a : b;
    const auto lerp = [t](float x, float y) {
        return static_cast<float>(x + (y - x) * t);
    };
    return QColor::fromRgbF(lerp(from.redF(), to.redF()), lerp(from.greenF(), to.greenF()),
                            lerp(from.blueF(), to.blueF()), lerp(from.alphaF(), to.alphaF()));
}

} // namespace karvo
