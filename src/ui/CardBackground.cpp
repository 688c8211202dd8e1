// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardBackground.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace karvo {

void paintCardBackground(QWidget& widget, qreal radius, QColor colour, qreal fillOpacity, qreal strokeOpacity)
{
    QPainter p(&widget);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(widget.rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    QColor fill = colour;
    fill.setAlphaF(float(fillOpacity));
    p.fillPath(shape, fill);
    QColor stroke = colour;
    stroke.setAlphaF(float(strokeOpacity));
    p.setPen(QPen(stroke, 1));
    p.drawPath(shape);
}

} // namespace karvo
