// SPDX-License-Identifier: GPL-3.0-or-later
#include "CropOverlay.h"

#include "Localization.h"
#include "PlayerView.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>
#include <cmath>

namespace karvo {

CropOverlay::CropOverlay(PlayerView* player) : QWidget(player), m_player(player), m_glide(new QVariantAnimation(this))
{
    setAccessibleName(L("Crop area"));
    setAccessibleDescription(L("Drag the rectangle or its corners to choose the part of the picture to keep."));
    setMouseTracking(true);
    setGeometry(player->rect());
    player->installEventFilter(this);
    player->setOverlayPainter([this](QPainter& painter, const QRectF& frame) { paint(painter, frame); });

    m_glide->setStartValue(0.0);
    m_glide->setEndValue(1.0);
    m_glide->setEasingCurve(QEasingCurve::InOutCubic);
    connect(m_glide, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& t) { showRect(CropGeometry::blend(m_glideFrom, m_rect, t.toDouble())); });
}

void CropOverlay::setCropRect(const QRectF& rect, int animationMs)
{
    m_rect = rect;
    m_glide->stop();
    if (animationMs <= 0 || !isVisible()) {
        showRect(rect);
        return;
    }
    m_glideFrom = m_shown;
    m_glide->setDuration(animationMs);
    m_glide->start();
}

void CropOverlay::showRect(const QRectF& rect)
{
    m_shown = rect;
    m_player->update();
}

QRectF CropOverlay::frame() const
{
    return m_player->frameRect();
}

void CropOverlay::paint(QPainter& painter, const QRectF& frame) const
{
    paintCrop(painter, frame, m_shown);
}

void CropOverlay::paintCrop(QPainter& painter, const QRectF& frame, const QRectF& normalized)
{
    const QRectF crop = CropGeometry::onFrame(normalized, frame);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // The picture outside the crop is dimmed; the crop itself is cut out of the dimming.
    QPainterPath dimming;
    dimming.setFillRule(Qt::OddEvenFill);
    dimming.addRect(frame);
    dimming.addRect(crop);
    painter.fillPath(dimming, QColor::fromRgbF(0, 0, 0, 0.45f));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(crop);

    painter.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.35f), 0.5));
    for (const double third : {1.0 / 3.0, 2.0 / 3.0}) {
        const double x = crop.x() + crop.width() * third;
        const double y = crop.y() + crop.height() * third;
        painter.drawLine(QPointF(x, crop.top()), QPointF(x, crop.bottom()));
        painter.drawLine(QPointF(crop.left(), y), QPointF(crop.right(), y));
    }

    const double radius = CropGeometry::handleSize / 2;
    painter.setPen(Qt::NoPen);
    for (CropCorner corner :
         {CropCorner::topLeft, CropCorner::topRight, CropCorner::bottomLeft, CropCorner::bottomRight}) {
        const QPointF centre = CropGeometry::cornerPoint(crop, corner);
        // A soft shadow of 2 points around the handle, so it reads on a white picture too.
        painter.setBrush(QColor::fromRgbF(0, 0, 0, 0.12f));
        painter.drawEllipse(centre, radius + 2, radius + 2);
        painter.setBrush(QColor::fromRgbF(0, 0, 0, 0.2f));
        painter.drawEllipse(centre, radius + 1, radius + 1);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.restore();
}

bool CropOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_player && event->type() == QEvent::Resize)
        setGeometry(m_player->rect());
    return QWidget::eventFilter(watched, event);
}

void CropOverlay::updateCursor(const QPointF& point)
{
    const CropGrip grip = CropGeometry::grab(point, CropGeometry::onFrame(m_rect, frame()));
    switch (grip.kind) {
    case CropGrip::Kind::corner:
        setCursor(grip.corner == CropCorner::topLeft || grip.corner == CropCorner::bottomRight ? Qt::SizeFDiagCursor
                                                                                               : Qt::SizeBDiagCursor);
        break;
    case CropGrip::Kind::move:
        setCursor(Qt::SizeAllCursor);
        break;
    case CropGrip::Kind::none:
        unsetCursor();
        break;
    }
}

void CropOverlay::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_player->state() != PlayerView::State::ready) {
        event->ignore();
        return;
    }
    const QRectF onScreen = frame();
    m_grip = CropGeometry::grab(event->position(), CropGeometry::onFrame(m_rect, onScreen));
    m_pressAt = event->position();
    m_pressFrame = onScreen.size();
    m_start.reset();
    event->accept();
}

void CropOverlay::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_grip.kind == CropGrip::Kind::none) {
        updateCursor(event->position());
        return;
    }
    const QPointF translation = event->position() - m_pressAt;
    if (!m_start) {
        if (std::hypot(translation.x(), translation.y()) < CropGeometry::dragDistance)
            return;
        m_glide->stop();
        m_start = m_rect;
    }
    const QPointF delta = CropGeometry::normalizedDelta(translation, m_pressFrame);
    const QRectF next = m_grip.kind == CropGrip::Kind::move
                            ? CropGeometry::move(*m_start, delta)
                            : CropGeometry::dragCorner(*m_start, m_grip.corner, delta, m_aspect, m_videoAspect);
    if (next == m_rect)
        return;
    m_rect = next;
    showRect(next);
    if (m_onDrag)
        m_onDrag(next);
}

void CropOverlay::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_grip = {};
    m_start.reset();
    updateCursor(event->position());
}

} // namespace karvo
