// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusGlyph.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace karvo::StatusGlyph {

namespace {
QPen stroke(const QColor& colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// The marks inside filled symbols are cut out of the symbol, as the filled symbol style has them.
void cutOut(QPainter& painter, const QPainterPath& mark, double width)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setPen(stroke(Qt::black, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mark);
    painter.restore();
}
} // namespace

void paintCross(QPainter& painter, const QRectF& box, const QColor& colour, double width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(stroke(colour, width));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    painter.restore();
}

void paint(QPainter& painter, const QRectF& box, BadgeSymbol symbol, const QColor& colour, double weight)
{
    if (symbol == BadgeSymbol::none)
        return;
    const double side = std::min(box.width(), box.height());
    const double unit = side / 14.0;
    const double w = weight * unit;
    const QPointF c = box.center();
    const QRectF circle(c.x() - side / 2 + w / 2, c.y() - side / 2 + w / 2, side - w, side - w);

    // Cut-outs need a layer of their own, so they do not punch through what lies under the symbol.
    QImage layer(QSize(qCeil(box.width()), qCeil(box.height())) * painter.device()->devicePixelRatio(),
                 QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(painter.device()->devicePixelRatio());
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-box.topLeft());

    switch (symbol) {
    case BadgeSymbol::clock: {
        p.setPen(stroke(colour, w));
        p.drawEllipse(circle);
        p.drawLine(c, QPointF(c.x(), c.y() - 3.6 * unit));
        p.drawLine(c, QPointF(c.x() + 2.6 * unit, c.y() + 1.2 * unit));
        break;
    }
    case BadgeSymbol::checkmarkCircleFill: {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QRectF(c.x() - side / 2, c.y() - side / 2, side, side));
        QPainterPath mark;
        mark.moveTo(c.x() - 3.2 * unit, c.y() + 0.2 * unit);
        mark.lineTo(c.x() - 0.9 * unit, c.y() + 2.5 * unit);
        mark.lineTo(c.x() + 3.3 * unit, c.y() - 2.4 * unit);
        cutOut(p, mark, w);
        break;
    }
    case BadgeSymbol::exclamationTriangleFill: {
        QPainterPath triangle;
        triangle.moveTo(c.x(), c.y() - side / 2 + unit);
        triangle.lineTo(c.x() + side / 2, c.y() + side / 2 - 1.2 * unit);
        triangle.lineTo(c.x() - side / 2, c.y() + side / 2 - 1.2 * unit);
        triangle.closeSubpath();
        p.setPen(stroke(colour, 1.6 * unit));
        p.setBrush(colour);
        p.drawPath(triangle);
        QPainterPath bar;
        bar.moveTo(c.x(), c.y() - 2.2 * unit);
        bar.lineTo(c.x(), c.y() + 1.6 * unit);
        cutOut(p, bar, w);
        QPainterPath dot;
        dot.moveTo(c.x(), c.y() + 3.9 * unit);
        dot.lineTo(c.x(), c.y() + 3.95 * unit);
        cutOut(p, dot, w * 1.2);
        break;
    }
    case BadgeSymbol::xmarkCircle: {
        p.setPen(stroke(colour, w));
        p.drawEllipse(circle);
        const double r = 2.4 * unit;
        p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
        p.drawLine(QPointF(c.x() + r, c.y() - r), QPointF(c.x() - r, c.y() + r));
        break;
    }
    case BadgeSymbol::none:
        break;
    }
    p.end();
    painter.drawImage(box.topLeft(), layer);
}

} // namespace karvo::StatusGlyph
