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
    if (m_drawnByOwner)
        return;
    QPainter painter(this);
    paint(painter);
}

void MiniRadial::paint(QPainter& painter)
{
    if (m_opacity <= 0 || m_scale <= 0)
        return;
    QColor base = palette().color(QPalette::WindowText);
    base.setAlphaF(0.09f);
    const QColor highlight = accent();
    const QRectF frame = rect();
    if (m_wedges[0].isEmpty()) {
        const double outer = std::min(frame.width(), frame.height()) / 2;
        for (int i = 0; i < wedgeCount; ++i)
            m_wedges[static_cast<size_t>(i)] = WedgeShape{i, wedgeCount, gap, innerFraction * outer, outer}.path(frame);
    }
    const auto draw = [this, base, highlight, frame](QPainter& p, const QPointF& origin) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(origin + frame.center());
        p.scale(m_scale, m_scale);
        p.translate(-frame.center());
        p.setPen(Qt::NoPen);
        for (int i = 0; i < wedgeCount; ++i) {
            p.setBrush(mix(base, highlight, highlightLevel(i)));
            p.drawPath(m_wedges[static_cast<size_t>(i)]);
        }
        p.restore();
    };
    painter.save();
    painter.setOpacity(painter.opacity() * m_opacity);
    // At rest the ring is copied from a picture (its wedges do not overlap, so fading the copy looks the
    // same as fading each wedge); while it springs open or a highlight fades it is drawn afresh.
    if (m_scale == 1 && !isFading())
        m_pictures.draw(painter,
                        QStringLiteral("ring/%1/%2/%3/%4x%5")
                            .arg(m_highlighted.value_or(-1))
                            .arg(base.rgba(), 0, 16)
                            .arg(highlight.rgba(), 0, 16)
                            .arg(width())
                            .arg(height()),
                        QPointF(0, 0), frame.adjusted(-1, -1, 1, 1), false, draw);
    else
        draw(painter, QPointF(0, 0));
    painter.restore();
}

void MiniRadial::resizeEvent(QResizeEvent* event)
{
    m_wedges = {};
    QWidget::resizeEvent(event);
}

void MiniRadial::hideEvent(QHideEvent* event)
{
    settle();
    QWidget::hideEvent(event);
}

} // namespace karvo
