// SPDX-License-Identifier: GPL-3.0-or-later
#include "HoverRowButton.h"

#include "Typography.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace karvo {

HoverRowButton::HoverRowButton(QWidget* parent) : QAbstractButton(parent)
{
    m_row = new QHBoxLayout(this);
    m_row->setSpacing(8);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::pressed, this, [this] { applyForeground(); });
    connect(this, &QAbstractButton::released, this, [this] { applyForeground(); });
}

QSize HoverRowButton::sizeHint() const
{
    return m_row->sizeHint();
}

QSize HoverRowButton::minimumSizeHint() const
{
    return m_row->minimumSize();
}

void HoverRowButton::enterEvent(QEnterEvent* event)
{
    m_hovering = true;
    update();
    QAbstractButton::enterEvent(event);
}

void HoverRowButton::leaveEvent(QEvent* event)
{
    m_hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void HoverRowButton::applyForeground()
{
    const QColor color = isDown() ? Typography::accent(palette()) : palette().color(QPalette::WindowText);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QPalette pal = child->palette();
        pal.setColor(QPalette::WindowText, color);
        pal.setColor(QPalette::Text, color);
        child->setPalette(pal);
    }
}

void HoverRowButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double level = isDown() ? 0.12 : m_hovering ? 0.07 : 0.0;
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 7, 7);
    if (level > 0) {
        QColor fill = palette().color(QPalette::WindowText);
        fill.setAlphaF(float(level));
        p.fillPath(shape, fill);
    }
    if (hasFocus()) {
        p.setPen(QPen(Typography::accent(palette()), 1.5));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 7, 7);
    }
}

KeyCap::KeyCap(const QString& key, QWidget* parent) : QWidget(parent), m_key(key)
{
    setFont(Typography::font(10, QFont::DemiBold));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize KeyCap::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int height = metrics.height() + 4;
    return {std::max(height, metrics.horizontalAdvance(m_key) + 10), height};
}

void KeyCap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    QColor face = text;
    face.setAlphaF(0.08f);
    QColor edge = text;
    edge.setAlphaF(0.25f);
    const QRectF cap = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(edge, 1));
    p.setBrush(face);
    p.drawRoundedRect(cap, 4, 4);
    p.setPen(text);
    p.drawText(rect(), Qt::AlignCenter, m_key);
}

} // namespace karvo
