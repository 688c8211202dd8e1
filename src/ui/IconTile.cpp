// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconTile.h"

#include "SymbolIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace karvo {

IconTile::IconTile(const QString& symbol, const QColor& tint, int size, QWidget* parent)
    : QWidget(parent), m_symbol(symbol), m_tint(tint)
{
    setFixedSize(size, size);
}

void IconTile::paint(QPainter& painter, const QRectF& square, const QString& symbol, const QColor& tint)
{
    const qreal side = std::min(square.width(), square.height());
    QPainterPath tile;
    tile.addRoundedRect(square, side * 0.28, side * 0.28);
    QLinearGradient gradient(square.topLeft(), square.bottomLeft());
    gradient.setColorAt(0, tint.lighter(118));
    gradient.setColorAt(1, tint.darker(112));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(tile, gradient);
    const int glyph = std::max(1, qRound(side * 0.55));
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap white = SymbolIcons::pixmap(symbol, glyph, Qt::white, ratio);
    const QRectF target(square.center().x() - glyph / 2.0, square.center().y() - glyph / 2.0, glyph, glyph);
    painter.drawPixmap(target, white, QRectF(white.rect()));
    painter.restore();
}

QPixmap IconTile::pixmap(const QString& symbol, const QColor& tint, int size, qreal devicePixelRatio)
{
    QPixmap result(QSize(size, size) * devicePixelRatio);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(painter, QRectF(0, 0, size, size), symbol, tint);
    return result;
}

void IconTile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), m_symbol, m_tint);
}

} // namespace karvo
