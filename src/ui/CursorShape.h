// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRectF>

namespace karvo {

// The arrow pointer of the demonstrations, drawn on a 12 × 19 grid stretched over a rectangle.
// Its tip sits half a grid unit inside the rectangle's top-left corner.
class CursorShape {
public:
    static QPainterPath path(const QRectF& rect);
    // The tip of the arrow for `rect`, so a caller can place the pointer by its hot spot.
    static QPointF tip(const QRectF& rect);
};

} // namespace karvo
