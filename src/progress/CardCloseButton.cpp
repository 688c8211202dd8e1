// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardCloseButton.h"

#include "ProgressStyle.h"
#include "StatusGlyph.h"

#include <QPainter>
#include <QVariantAnimation>

namespace karvo {

CardCloseButton::CardCloseButton(QWidget* parent) : QAbstractButton(parent)
{
    setFixedSize(16, 16);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void CardCloseButton::fadeTo(double reveal, int durationMs)
{
    if (m_fade)
        m_fade->stop();
    else {
        m_fade = new QVariantAnimation(this);
        connect(m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
            m_reveal = v.toDouble();
            update();
        });
    }
    if (m_reveal == reveal)
        return;
    m_fade->setStartValue(m_reveal);
    m_fade->setEndValue(reveal);
    m_fade->setDuration(durationMs);
    m_fade->setEasingCurve(QEasingCurve::InOutQuad);
    m_fade->start();
}

void CardCloseButton::paintEvent(QPaintEvent*)
{
    if (m_reveal <= 0)
        return;
    QPainter painter(this);
    painter.setOpacity(m_reveal);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor secondary = ProgressStyle::secondaryText(palette());
    if (isDown() || underMouse()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ProgressStyle::withAlpha(secondary, 0.25));
        painter.drawEllipse(QRectF(rect()));
    }
    // The cross of a size-10 medium symbol: about 6.5 pixels across at the body font's scale.
    const double arm = 3.25;
    const QPointF c = QRectF(rect()).center();
    StatusGlyph::paintCross(painter, QRectF(c.x() - arm, c.y() - arm, 2 * arm, 2 * arm), secondary, 1.5);
}

} // namespace karvo
