// SPDX-License-Identifier: GPL-3.0-or-later
#include "RingGeometry.h"

#include <algorithm>
#include <cmath>

namespace karvo {

RingGeometry RingGeometry::of(const QSizeF& size, double progress)
{
    RingGeometry g;
    const double radius = std::max(0.0, (std::min(size.width(), size.height()) - kLineWidth) / 2);
    const QPointF centre(size.width() / 2, size.height() / 2);
    g.circle = QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    g.startAngle = 90 * 16;
    if (progress > kMinimumVisible) {
        g.hasArc = true;
        g.spanAngle = -static_cast<int>(std::lround(360.0 * 16 * std::min(progress, 1.0)));
    }
    return g;
}

} // namespace karvo
