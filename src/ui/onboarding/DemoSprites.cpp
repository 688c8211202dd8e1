// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoSprites.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>
#include <cmath>

namespace karvo {

void DemoSprites::draw(QPainter& painter, QString key, const QPointF& anchor, const QRectF& extent, bool snap,
                       const Draw& paint)
{
    const QTransform device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale || !painter.device()) {
        paint(painter, anchor);
        return;
    }
    QPointF at = device.map(anchor);
    if (snap)
        at = QPointF(std::round(at.x() * 8) / 8, std::round(at.y() * 8) / 8);
    const QPointF whole(std::floor(at.x()), std::floor(at.y()));
    const QPointF phase = at - whole;
    const QPointF place = device.inverted().map(at);
    const double sx = device.m11();
    const double sy = device.m22();
    const QRect area =
        QRectF(phase.x() + extent.left() * sx, phase.y() + extent.top() * sy, extent.width() * sx, extent.height() * sy)
            .toAlignedRect();
    if (area.isEmpty())
        return;
    // Where the part falls within a device pixel, and the scale, decide its picture as much as its look.
    key += QStringLiteral("@%1,%2,%3,%4")
               .arg(phase.x(), 0, 'f', 4)
               .arg(phase.y(), 0, 'f', 4)
               .arg(sx, 0, 'f', 5)
               .arg(sy, 0, 'f', 5);
    auto found = m_pictures.constFind(key);
    if (found == m_pictures.constEnd()) {
        if (m_pictures.size() >= m_mostPictures)
            m_pictures.clear();
        QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter part(&picture);
        part.setRenderHints(painter.renderHints());
        part.setFont(painter.font());
        part.setTransform(QTransform(sx, 0, 0, sy, phase.x() - area.left() - place.x() * sx,
                                     phase.y() - area.top() - place.y() * sy));
        paint(part, place);
        part.end();
        picture.setDevicePixelRatio(painter.device()->devicePixelRatioF());
        found = m_pictures.insert(key, picture);
    }
    painter.save();
    // Back to the painter's own units, which may still be offset (a child widget drawn into its window) and
    // scaled to device pixels: the picture goes where that places the device pixel it was drawn for.
    painter.setWorldTransform(QTransform());
    const QPointF target = painter.deviceTransform().inverted().map(whole + QPointF(area.topLeft()));
    // Without smoothing, a copy onto whole pixels takes the raster engine's plain blending path.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, *found);
    painter.restore();
}

} // namespace karvo
