// SPDX-License-Identifier: GPL-3.0-or-later
#include "WedgeShape.h"

#include <numbers>

namespace karvo {

namespace {
constexpr double degreesPerRadian = 180.0 / std::numbers::pi;

QRectF circle(const QPointF& centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}
} // namespace

double WedgeShape::midAngle() const
{
    const double step = 2 * std::numbers::pi / count;
    return step * index - std::numbers::pi / 2;
}

QPainterPath WedgeShape::path(const QRectF& rect) const
{
    QPainterPath path;
    if (count <= 0 || outerRadius <= 0)
        return path;
    const double step = 2 * std::numbers::pi / count;
    const double start = midAngle() - step / 2 + gap / 2;
    const double end = midAngle() + step / 2 - gap / 2;
    if (end <= start)
        return path;
    // Qt's arc angles count counter-clockwise on screen, ours clockwise: hence the negated degrees.
    const QPointF centre = rect.center();
    const double sweep = (end - start) * degreesPerRadian;
    path.arcMoveTo(circle(centre, outerRadius), -start * degreesPerRadian);
    path.arcTo(circle(centre, outerRadius), -start * degreesPerRadian, -sweep);
    if (innerRadius > 0)
        path.arcTo(circle(centre, innerRadius), -end * degreesPerRadian, sweep);
    else
        path.lineTo(centre);
    path.closeSubpath();
    return path;
}

} // namespace karvo
