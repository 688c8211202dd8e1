// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeedPresetChip.h"

#include "Typography.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>
#include <cmath>

namespace karvo {

namespace {
constexpr int padX = 10;
constexpr int padY = 5;

QColor mixed(const QColor& from, const QColor& to, qreal t)
{
    const auto mix = [t](float a, float b) {
        return a + (b - a) * float(t);
    };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()), mix(from.blueF(), to.blueF()),
                            mix(from.alphaF(), to.alphaF()));
}
} // namespace

SpeedPresetChip::SpeedPresetChip(double value, QWidget* parent)
    : QAbstractButton(parent), m_value(value), m_selectionAnimation(new QVariantAnimation(this)),
      m_hoverAnimation(new QVariantAnimation(this))
{
    setText(title(value));
    setAccessibleName(text());
    setCheckable(true);
    setFont(Typography::font(10, QFont::Bold));
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab; a click does not leave a focus ring behind.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString SpeedPresetChip::title(double value)
{
    return QString::number(value, 'g', 6) + QChar(0x00D7);
}

void SpeedPresetChip::setSelected(bool selected)
{
    if (selected == isChecked())
        return;
    setChecked(selected);
    const qreal target = selected ? 1 : 0;
    if (isVisible()) {
        animate(m_selectionAnimation, m_selection, target);
    } else {
        m_selectionAnimation->stop();
        m_selection = target;
        update();
    }
}

QSize SpeedPresetChip::sizeHint() const
{
    const QFontMetricsF metrics(font());
    // Rounded up: text drawn at a fractional position must not be clipped at the trailing edge.
    return {int(std::ceil(metrics.horizontalAdvance(text()))) + 1 + 2 * padX,
            int(std::ceil(metrics.height())) + 2 * padY};
}

void SpeedPresetChip::animate(QVariantAnimation* animation, qreal& level, qreal target)
{
    animation->stop();
    animation->disconnect(this);
    if (qFuzzyCompare(level + 1, target + 1))
        return;
    animation->setStartValue(level);
    animation->setEndValue(target);
    animation->setDuration(animationMs);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(animation, &QVariantAnimation::valueChanged, this, [this, &level](const QVariant& v) {
        level = v.toReal();
        update();
    });
    animation->start();
}

void SpeedPresetChip::enterEvent(QEnterEvent* event)
{
    animate(m_hoverAnimation, m_hover, 1);
    QAbstractButton::enterEvent(event);
}

void SpeedPresetChip::leaveEvent(QEvent* event)
{
    animate(m_hoverAnimation, m_hover, 0);
    QAbstractButton::leaveEvent(event);
}

void SpeedPresetChip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QAbstractButton::changeEvent(event);
}

void SpeedPresetChip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath capsule;
    capsule.addRoundedRect(bounds, bounds.height() / 2, bounds.height() / 2);

    const QColor accent = Typography::accent(pal);
    QColor tint = accent;
    tint.setAlphaF(float(0.1 + 0.08 * m_hover));
    p.fillPath(capsule, mixed(tint, accent, m_selection));
    if (hasFocus()) {
        // On the filled capsule the accent would not show.
        p.setPen(QPen(m_selection > 0.5 ? QColor(Qt::white) : accent, 1.5));
        p.drawPath(capsule);
    }

    const QColor primary = pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    p.setPen(mixed(primary, Qt::white, m_selection));
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace karvo
