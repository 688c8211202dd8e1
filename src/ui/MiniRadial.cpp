// SPDX-License-Identifier: GPL-3.0-or-later
#include "MiniRadial.h"

#include "ShortcutDemoTimeline.h"
#include "Typography.h"
#include "WedgeShape.h"

#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>

namespace karvo {

namespace {
QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    const auto lerp = [t](float x, float y) {
        return x + (y - x) * static_cast<float>(t);
    };
    const QColor from = a.toRgb();
    const QColor to = b.toRgb();
    return QColor::fromRgbF(lerp(from.redF(), to.redF()), lerp(from.greenF(), to.greenF()),
                            lerp(from.blueF(), to.blueF()), lerp(from.alphaF(), to.alphaF()));
}
} // namespace

MiniRadial::MiniRadial(QWidget* parent) : QWidget(parent), m_fade(new QVariantAnimation(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Linear in time; the ease-in-out curve is applied per wedge so it matches the demo's other fades.
    m_fade->setStartValue(0.0);
    m_fade->setEndValue(1.0);
    connect(m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        const double seconds = value.toDouble() * m_fade->duration() / 1000.0;
        fadeTo(DemoTransition::easeInOut(m_fade->duration() / 1000.0).progress(seconds));
    });
    connect(m_fade, &QVariantAnimation::finished, this, [this] { fadeTo(1); });
}

void MiniRadial::setHighlightedWedge(std::optional<int> wedge, int durationMs)
{
    if (wedge && (*wedge < 0 || *wedge >= wedgeCount))
        wedge.reset();
    m_highlighted = wedge;
    m_fade->stop();
    m_fadeFrom = m_level;
    if (durationMs <= 0 || !isVisible()) {
        settle();
        return;
    }
    m_fade->setDuration(durationMs);
    m_fade->start();
}

QColor MiniRadial::accent() const
{
    return m_accent.isValid() ? m_accent : Typography::accent(palette());
}

void MiniRadial::setAccent(const QColor& accent)
{
    m_accent = accent;
    update();
}

void MiniRadial::setAppearance(double scale, double opacity)
{
    scale = std::max(scale, 0.0);
    opacity = std::clamp(opacity, 0.0, 1.0);
    if (scale == m_scale && opacity == m_opacity)
        return;
    m_scale = scale;
    m_opacity = opacity;
    update();
}

double MiniRadial::highlightLevel(int wedge) const
{
    return wedge >= 0 && wedge < wedgeCount ? m_level[static_cast<size_t>(wedge)] : 0.0;
}

bool MiniRadial::isFading() const
{
    return m_fade->state() == QAbstractAnimation::Running;
}

void MiniRadial::settle()
{
    m_fade->stop();
    fadeTo(1);
}

void MiniRadial::fadeTo(double progress)
{
    for (int i = 0; i < wedgeCount; ++i) {
        const auto index = static_cast<size_t>(i);
        const double target = m_highlighted == i ? 1.0 : 0.0;
        m_level[index] = progress >= 1 ? target : m_fadeFrom[index] + (target - m_fadeFrom[index]) * progress;
    }
    update();
}

void MiniRadial::paintEvent(QPaintEvent*)
{
    if (m_opacity <= 0 || m_scale <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    const QRectF frame = rect();
    painter.translate(frame.center());
    painter.scale(m_scale, m_scale);
    painter.translate(-frame.center());

    QColor base = palette().color(QPalette::WindowText);
    base.setAlphaF(0.09f);
    const QColor highlight = accent();
    const double outer = std::min(frame.width(), frame.height()) / 2;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < wedgeCount; ++i) {
        const WedgeShape wedge{i, wedgeCount, gap, innerFraction * outer, outer};
        painter.setBrush(mix(base, highlight, highlightLevel(i)));
        painter.drawPath(wedge.path(frame));
    }
}

void MiniRadial::hideEvent(QHideEvent* event)
{
    settle();
    QWidget::hideEvent(event);
}

} // namespace karvo
