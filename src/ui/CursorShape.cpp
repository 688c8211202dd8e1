// SPDX-License-Identifier: GPL-3.0-or-later
#include "CursorShape.h"

#include <QPolygonF>
#include <array>

namespace karvo {

namespace {
constexpr std::array<QPointF, 7> grid{QPointF(0.5, 0.5),  QPointF(0.5, 13.5), QPointF(3.6, 10.4), QPointF(6.2, 16.2),
                                      QPointF(8.3, 15.2), QPointF(5.8, 9.3),  QPointF(10.5, 9.3)};

QPointF onRect(const QRectF& rect, const QPointF& point)
{
    return {rect.left() + point.x() * rect.width() / 12.0, rect.top() + point.y() * rect.height() / 19.0};
}
} // namespace

QPainterPath CursorShape::path(const QRectF& rect)
{
    QPolygonF polygon;
    for (const QPointF& point : grid)
        polygon << onRect(rect, point);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPointF CursorShape::tip(const QRectF& rect)
{
    return onRect(rect, grid.front());
}

} // namespace karvo
