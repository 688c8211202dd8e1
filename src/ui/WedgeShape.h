// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRectF>

namespace karvo {

// One wedge of a ring, as the small demonstration rings draw it. Angles are on screen (y downwards):
// wedge 0 is centred at the top and the indices follow clockwise.
struct WedgeShape {
    int index = 0;
    int count = 1;
    double gap = 0;         // radians cut from the wedge, half on each side
    double innerRadius = 0; // about the centre of the rectangle given to path()
    double outerRadius = 0;

    // Empty when the wedge has no extent (no wedges, or a gap as wide as the step).
    QPainterPath path(const QRectF& rect) const;
    // On-screen angle of the wedge's middle in radians, 0 to the right, growing clockwise.
    double midAngle() const;
};

} // namespace karvo
