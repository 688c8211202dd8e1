// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChipButton.h"

#include "SymbolIcons.h"
#include "Typography.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVariantAnimation>
#include <cmath>

namespace karvo {

namespace {
constexpr int kPadX = 10;
constexpr int kPadY = 7;
} // namespace

ChipButton::ChipButton(const QString& symbol, const QString& title, Width width, QWidget* parent)
    : QAbstractButton(parent), m_symbol(symbol), m_width(width)
{
    setText(title);
    setAccessibleName(title);
    setFont(titleFont());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(width == Width::cell ? QSizePolicy::Expanding : QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_hoverAnimation = new QVariantAnimation(this);
    m_pressAnimation = new QVariantAnimation(this);
    connect(this, &QAbstractButton::pressed, this, [this] { animate(m_pressAnimation, m_press, 1, 100); });
    connect(this, &QAbstractButton::released, this, [this] { animate(m_pressAnimation, m_press, 0, 100); });
}

QFont ChipButton::titleFont() const
{
    return Typography::font(10, m_width == Width::fit ? QFont::Medium : QFont::Normal);
}

int ChipButton::glyphSize() const
{
    return QFontMetrics(titleFont()).height();
}

QSize ChipButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int spacing = m_width == Width::fit ? 6 : 7;
    // Rounded up, plus one: the painter lays text out at fractional positions and would elide a title
    // that the whole-pixel advance says fits exactly.
    const int textWidth = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) + 1;
    const int width = kPadX + glyphSize() + spacing + textWidth + kPadX;
    const int height = kPadY + std::max(glyphSize(), metrics.height()) + kPadY;
    return {width, height};
}

QSize ChipButton::minimumSizeHint() const
{
    // A grid cell may squeeze the title; it is then elided, never cut.
    if (m_width == Width::cell)
        return {kPadX * 2 + glyphSize() + 7 + QFontMetrics(font()).horizontalAdvance(QStringLiteral("M…")),
                sizeHint().height()};
    return sizeHint();
}

void ChipButton::animate(QVariantAnimation* animation, qreal& value, qreal target, int milliseconds)
{
    animation->stop();
    animation->disconnect(this);
    animation->setStartValue(value);
    animation->setEndValue(target);
    animation->setDuration(milliseconds);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(animation, &QVariantAnimation::valueChanged, this, [this, &value](const QVariant& v) {
        value = v.toReal();
        update();
    });
    animation->start();
}

void ChipButton::enterEvent(QEnterEvent* event)
{
    animate(m_hoverAnimation, m_hover, 1, 120);
    QAbstractButton::enterEvent(event);
}

void ChipButton::leaveEvent(QEvent* event)
{
    animate(m_hoverAnimation, m_hover, 0, 120);
    QAbstractButton::leaveEvent(event);
}

void ChipButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange)
        updateGeometry();
    QAbstractButton::changeEvent(event);
}

QRect ChipButton::textRect() const
{
    const int reserved = glyphSize() + (m_width == Width::fit ? 6 : 7);
    const QRect content = rect().adjusted(kPadX, kPadY, -kPadX, -kPadY);
    return layoutDirection() == Qt::RightToLeft ? content.adjusted(0, 0, -reserved, 0)
                                                : content.adjusted(reserved, 0, 0, 0);
}

QString ChipButton::shownTitle() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, textRect().width());
}

void ChipButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPointF centre = bounds.center();
    p.translate(centre);
    p.scale(1 - 0.03 * m_press, 1 - 0.03 * m_press);
    p.translate(-centre);
    p.setOpacity(1 - 0.15 * m_press);

    QPainterPath shape;
    shape.addRoundedRect(bounds, 8, 8);
    QColor material = pal.color(QPalette::Window);
    material.setAlphaF(0.92f);
    p.fillPath(shape, material);
    QColor tint = Typography::accent(pal);
    tint.setAlphaF(float(0.13 * m_hover));
    p.fillPath(shape, tint);
    QColor stroke = pal.color(QPalette::WindowText);
    stroke.setAlphaF(float(0.08 + 0.10 * m_hover));
    if (hasFocus()) {
        stroke = Typography::accent(pal);
        p.setPen(QPen(stroke, 2));
    } else {
        p.setPen(QPen(stroke, 1));
    }
    p.drawPath(shape);

    const int glyph = glyphSize();
    const QRect glyphRect = QStyle::alignedRect(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter,
                                                QSize(glyph, glyph), rect().adjusted(kPadX, kPadY, -kPadX, -kPadY));
    p.drawPixmap(glyphRect, SymbolIcons::pixmap(m_symbol, glyph, Typography::accent(pal), devicePixelRatioF()));
    p.setFont(font());
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QString shown = shownTitle();
    const QRect textRect = this->textRect();
    p.drawText(textRect, int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)), shown);
}

} // namespace karvo
