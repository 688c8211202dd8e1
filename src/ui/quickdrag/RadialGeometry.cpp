// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialGeometry.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace karvo {

namespace {
constexpr double twoPi = 2 * std::numbers::pi;
constexpr double degreesPerRadian = 180.0 / std::numbers::pi;

QRectF circle(const QPointF& centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

QPointF onCircle(const QPointF& centre, double radius, double angle)
{
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}
} // namespace

RadialGeometry::RadialGeometry(double width, int count) : m_width(std::max(width, 0.0)), m_count(std::max(count, 0)) {}

double RadialGeometry::step() const
{
    return m_count > 0 ? twoPi / m_count : twoPi;
}

double RadialGeometry::midAngle(int wedge) const
{
    return step() * wedge - std::numbers::pi / 2;
}

double RadialGeometry::startAngle(int wedge) const
{
    return midAngle(wedge) - step() / 2 + gapPerSide;
}

double RadialGeometry::endAngle(int wedge) const
{
    return midAngle(wedge) + step() / 2 - gapPerSide;
}

QPainterPath RadialGeometry::wedgePath(int wedge, double boost) const
{
    QPainterPath path;
    if (wedge < 0 || wedge >= m_count)
        return path;
    const double start = startAngle(wedge);
    const double end = endAngle(wedge);
    // Qt's arc angles are degrees counter-clockwise on screen, ours radians clockwise: hence the negation.
    const double sweep = (end - start) * degreesPerRadian;
    const QPointF c = centre();
    path.moveTo(onCircle(c, innerRadius(), start));
    path.arcTo(circle(c, outerRadius(boost)), -start * degreesPerRadian, -sweep);
    path.arcTo(circle(c, innerRadius()), -end * degreesPerRadian, sweep);
    path.closeSubpath();
    return path;
}

QPointF RadialGeometry::labelAnchor(int wedge) const
{
    return onCircle(centre(), (innerRadius() + outerRadius()) / 2, midAngle(wedge));
}

bool RadialGeometry::contains(const QPointF& point) const
{
    return QLineF(centre(), point).length() <= hitRadius();
}

bool RadialGeometry::angleWithin(int wedge, double angle) const
{
    const double start = startAngle(wedge);
    const double span = endAngle(wedge) - start;
    double offset = std::fmod(angle - start, twoPi);
    if (offset < 0)
        offset += twoPi;
    return offset <= span;
}

std::optional<int> RadialGeometry::wedgeAt(const QPointF& point) const
{
    const QPointF d = point - centre();
    const double distance = std::hypot(d.x(), d.y());
    if (distance < innerRadius() || distance > outerRadius())
        return std::nullopt;
    const double angle = std::atan2(d.y(), d.x());
    for (int i = 0; i < m_count; ++i) {
        if (angleWithin(i, angle))
            return i;
    }
    return std::nullopt;
}

double RadialGeometry::centreFontSize(double baseSize, double measuredWidth, double maxWidth)
{
    if (measuredWidth <= maxWidth || measuredWidth <= 0)
        return baseSize;
    return std::max(baseSize * maxWidth / measuredWidth, minimumCentreFontSize);
}

int RadialGeometry::diameterFor(int count)
{
    if (count < 3)
        return 340;
    if (count < 7)
        return 400;
    return 520;
}

QPoint RadialGeometry::clampedOrigin(const QPoint& pointer, const QSize& size, const std::optional<QRect>& available)
{
    int x = pointer.x() - size.width() / 2;
    int y = pointer.y() - size.height() / 2;
    if (!available)
        return {x, y};
    const QRect& v = *available;
    x = std::min(std::max(x, v.x() + screenMargin), v.x() + v.width() - size.width() - screenMargin);
    y = std::min(std::max(y, v.y() + screenMargin), v.y() + v.height() - size.height() - screenMargin);
    return {x, y};
}

} // namespace karvo
