// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocGlyph.h"

#include "Typography.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace karvo {

DocGlyph::DocGlyph(QWidget* parent) : QWidget(parent)
{
    setFont(Typography::font(10));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize DocGlyph::sizeHint() const
{
    const int h = fontMetrics().height();
    return {std::max(8, h * 4 / 5), h};
}

void DocGlyph::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal stroke = std::max<qreal>(1.0, height() / 14.0);
    // A page about three quarters as wide as high, centred.
    const qreal h = height() * 0.8;
    const qreal w = h * 0.76;
    const QRectF page((width() - w) / 2.0, (height() - h) / 2.0, w, h);
    const qreal fold = w * 0.38;

    QPainterPath outline;
    outline.moveTo(page.left(), page.top());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.right(), page.bottom());
    outline.lineTo(page.left(), page.bottom());
    outline.closeSubpath();
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);

    QPen pen(Typography::secondaryText(palette()), stroke);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPath(outline);
    p.drawPath(corner);
}

} // namespace karvo
