// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <optional>

namespace karvo {

// The wedges' highlight levels (0 plain, 1 fully highlighted), each easing toward its target by a fixed
// share per tick until it is close enough to snap.
class RadialFade {
public:
    static constexpr double rate = 0.32;
    static constexpr double settleThreshold = 0.004;
    static constexpr int ticksPerSecond = 60;

    double level(int wedge) const { return m_levels.value(wedge, 0.0); }
    void clear() { m_levels.clear(); }

    // One tick for wedges 0..count-1, `lit` being the hovered wedge when it is enabled. True when every
    // wedge reached its target in this tick (or there are none), so the ticking can stop.
    bool tick(int count, std::optional<int> lit);

    // `a` at t ≤ 0.001, `b` at t ≥ 0.999, otherwise red, green, blue and alpha interpolated in sRGB.
    static QColor mix(const QColor& a, const QColor& b, double t);

private:
    QHash<int, double> m_levels;
};

} // namespace karvo
