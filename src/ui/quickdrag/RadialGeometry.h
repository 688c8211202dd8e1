// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <optional>

namespace karvo {

// The Quick Drag ring's shape for a square of side `width` holding `count` wedges. Angles are on screen
// (y downwards), in radians, 0 to the right and growing clockwise: wedge 0 is centred at the top.
class RadialGeometry {
public:
    static constexpr double gapPerSide = 0.0275; // cut from each side, so neighbours are 0.055 apart
    static constexpr double innerFraction = 0.16;
    static constexpr double rimInset = 10;
    // The ring catches the pointer a little beyond its rim, so a fast drag does not slip past it.
    static constexpr double hitSlack = 8;
    static constexpr double maxBoost = 3.5;
    static constexpr double minimumCentreFontSize = 9;
    static constexpr int screenMargin = 8;

    RadialGeometry(double width, int count);

    double width() const { return m_width; }
    int count() const { return m_count; }
    QPointF centre() const { return {m_width / 2, m_width / 2}; }
    double step() const;
    double midAngle(int wedge) const;
    double startAngle(int wedge) const;
    double endAngle(int wedge) const;
    double innerRadius() const { return innerFraction * m_width; }
    // `boost` grows a highlighted wedge outwards; hit testing uses none.
    double outerRadius(double boost = 0) const { return m_width / 2 - rimInset + boost; }
    // How far from the centre the ring takes the pointer: within it the centre hole and the gaps belong
    // to the ring too (hovering nothing), beyond it the pointer passes through.
    double hitRadius() const { return m_width / 2 - rimInset + hitSlack; }

    QPainterPath wedgePath(int wedge, double boost = 0) const;
    // Midway across the ring on the wedge's middle: the icon sits above it, the title below.
    QPointF labelAnchor(int wedge) const;

    bool contains(const QPointF& point) const;
    // The first wedge (in wedge order) whose unboosted shape holds the point.
    std::optional<int> wedgeAt(const QPointF& point) const;

    // Text sizes on the body-13 scale; crowded rings use smaller labels.
    double labelFontSize() const { return m_count <= 6 ? 17 : 13; }
    double iconGap() const { return m_count <= 6 ? 4 : 2; }
    double iconSide() const { return labelFontSize() + 12; }
    double centreTextMaxWidth() const { return innerFraction * 2 * m_width * 1.35; }

    // The font size that fits text measured `measuredWidth` wide at `baseSize` into `maxWidth`, never
    // below the minimum; `baseSize` when it already fits.
    static double centreFontSize(double baseSize, double measuredWidth, double maxWidth);
    // Side of the square window for a ring of `count` wedges.
    static int diameterFor(int count);
    // Top-left corner of a window of `size` centred on `pointer`, kept `screenMargin` inside `available`
    // (the maximum bound winning when the window is larger); unclamped without a screen.
    static QPoint clampedOrigin(const QPoint& pointer, const QSize& size, const std::optional<QRect>& available);

private:
    bool angleWithin(int wedge, double angle) const;

    double m_width;
    int m_count;
};

} // namespace karvo
