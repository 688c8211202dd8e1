// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CropGeometry.h"

#include <QRectF>
#include <QWidget>
#include <functional>
#include <optional>

class QPainter;
class QVariantAnimation;

namespace karvo {

class PlayerView;

// The crop rectangle over the preview's picture: drawn through the player's overlay hook (dimming outside
// the crop, border, thirds grid, four corner handles) and dragged by its interior or a handle with the
// mouse. It lies over the whole player, so a handle at the picture's edge can still be taken. The
// rectangle it shows can glide to a new value; hits and drags always use the value itself.
class CropOverlay : public QWidget {
    Q_OBJECT

public:
    explicit CropOverlay(PlayerView* player);

    QRectF cropRect() const { return m_rect; }
    // The rectangle on show, which differs from cropRect() only while it glides.
    QRectF shownRect() const { return m_shown; }
    // Glides over `animationMs` when it is above zero.
    void setCropRect(const QRectF& rect, int animationMs = 0);
    void setAspect(std::optional<double> aspect) { m_aspect = aspect; }
    void setVideoAspect(double aspect) { m_videoAspect = aspect; }
    // Called with the new rectangle on every change a drag makes.
    void setOnDrag(std::function<void(const QRectF& rect)> onDrag) { m_onDrag = std::move(onDrag); }

    // The layers over the picture at `frame` (where the player draws it), for the shown rectangle.
    void paint(QPainter& painter, const QRectF& frame) const;
    static void paintCrop(QPainter& painter, const QRectF& frame, const QRectF& crop);

    bool isDragging() const { return m_start.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRectF frame() const;
    void showRect(const QRectF& rect);
    void updateCursor(const QPointF& point);

    PlayerView* m_player;
    QVariantAnimation* m_glide;
    QRectF m_rect = CropGeometry::full();
    QRectF m_shown = CropGeometry::full();
    QRectF m_glideFrom;
    std::optional<double> m_aspect;
    double m_videoAspect = 16.0 / 9.0;
    std::function<void(const QRectF&)> m_onDrag;

    CropGrip m_grip;               // what the press took hold of
    QPointF m_pressAt;             // where it was pressed
    QSizeF m_pressFrame;           // the picture's size on screen at the press
    std::optional<QRectF> m_start; // the rectangle when the drag began; none before it moved far enough
};

} // namespace karvo
