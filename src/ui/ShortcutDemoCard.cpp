// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutDemoCard.h"

#include "CursorShape.h"
#include "FlowLayout.h"
#include "Localization.h"
#include "MiniRadial.h"
#include "Typography.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

namespace karvo {

namespace {
// Stage layout around the fixed positions of the timeline: the label ends where the key slots begin.
constexpr double keysLeft = 40;
constexpr double labelGap = 4;
constexpr double rowY = 38;
constexpr int radialSide = 64;
constexpr QSizeF pageSize{20, 26};
constexpr double pageFold = 6;
constexpr QSizeF pointerSize{13.2, 20.9};
constexpr QPointF grabOffset{9, 11};

int milliseconds(double seconds)
{
    return static_cast<int>(std::lround(seconds * 1000));
}

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    const auto lerp = [t](float x, float y) {
        return x + (y - x) * static_cast<float>(t);
    };
    const QColor from = a.toRgb();
    const QColor to = b.toRgb();
    return QColor::fromRgbF(lerp(from.redF(), to.redF()), lerp(from.greenF(), to.greenF()),
                            lerp(from.blueF(), to.blueF()), lerp(from.alphaF(), to.alphaF()));
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

// A widget whose picture comes from its owner; optionally keeps a cover widget sized to itself.
class PaintedLayer : public QWidget {
public:
    PaintedLayer(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), m_paint(std::move(paint))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QWidget* cover = nullptr;
    std::function<void()> resized;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        m_paint(painter);
    }
    void resizeEvent(QResizeEvent*) override
    {
        if (cover)
            cover->setGeometry(rect());
        if (resized)
            resized();
    }

private:
    std::function<void(QPainter&)> m_paint;
};

// One item of the card's list, on a capsule tinted with the accent colour.
class ItemCapsule : public QWidget {
public:
    ItemCapsule(const QString& text, std::function<QColor()> accent, QWidget* parent)
        : QWidget(parent), m_text(text), m_accent(std::move(accent))
    {
        setFont(Typography::font(9, QFont::Bold));
        setAccessibleName(text);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QSize sizeHint() const override
    {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(m_text) + 16, metrics.height() + 8};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect());
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(m_accent(), 0.12));
        painter.drawRoundedRect(frame, frame.height() / 2, frame.height() / 2);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(frame, Qt::AlignCenter, m_text);
    }

private:
    QString m_text;
    std::function<QColor()> m_accent;
};

// The document symbol of the stage: a page with a folded corner, centred on `centre`.
void drawPage(QPainter& painter, const QPointF& centre, double scale, const QColor& color, double shadow)
{
    const QSizeF size = pageSize * scale;
    const QRectF page(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height());
    const double fold = pageFold * scale;
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    const QPen edge(color, 2 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (shadow > 0) {
        painter.setPen(QPen(QColor(0, 0, 0, static_cast<int>(46 * shadow)), edge.widthF(), Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(QColor(0, 0, 0, static_cast<int>(46 * shadow)));
        painter.drawPath(outline.translated(1.5 * scale, 2.5 * scale));
    }
    painter.setPen(edge);
    painter.setBrush(color);
    painter.drawPath(outline);
    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    corner.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawPath(corner);
}
} // namespace

ShortcutDemoCard::ShortcutDemoCard(const QStringList& keys, const QString& title, const QString& subtitle,
                                   const QStringList& items, const QColor& accent, QWidget* parent)
    : QWidget(parent), m_keys(keys), m_accent(accent),
      m_steps(ShortcutDemoTimeline::steps(static_cast<int>(keys.size()))), m_wait(new QTimer(this))
{
    setAccessibleName(title);
    setAccessibleDescription(subtitle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);

    auto* stage = new PaintedLayer(this, [this](QPainter& painter) { paintStage(painter); });
    stage->setFixedHeight(static_cast<int>(ShortcutDemoTimeline::stageHeight));
    m_sceneWidth = ShortcutDemoTimeline::radialPosition(static_cast<int>(keys.size())).x() + radialSide / 2.0 + 2;
    stage->setMinimumWidth(static_cast<int>(std::ceil(m_sceneWidth)));
    m_stage = stage;
    m_radial = new MiniRadial(stage);
    m_radial->setAccent(accent);
    m_radial->resize(radialSide, radialSide);
    auto* dragLayer = new PaintedLayer(stage, [this](QPainter& painter) { paintDragLayer(painter); });
    stage->cover = dragLayer;
    m_dragLayer = dragLayer;
    stage->resized = [this] {
        refresh();
    };
    layout->addWidget(stage);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setFont(Typography::font(13, QFont::DemiBold));
    texts->addWidget(titleLabel);
    auto* subtitleLabel = new QLabel(subtitle, this);
    subtitleLabel->setFont(Typography::font(10));
    m_subtitle = subtitleLabel;
    texts->addWidget(subtitleLabel);
    layout->addLayout(texts);

    auto* chips = new QWidget(this);
    auto* flow = new FlowLayout(chips, 6);
    for (const QString& item : items)
        flow->addWidget(new ItemCapsule(
            item, [this] { return this->accent(); }, chips));
    layout->addWidget(chips);
    // A card beside a taller one keeps its texts together at the top.
    layout->addStretch(1);

    m_wait->setSingleShot(true);
    connect(m_wait, &QTimer::timeout, this, [this] { runStep((m_step + 1) % ShortcutDemoTimeline::stepCount); });

    // The resting picture of the first step, for a card painted before its loop starts.
    for (const DemoChange& change : m_steps.value(0).changes) {
        Channel& channel = m_channels[index(change.property)];
        channel.value = channel.target = change.value;
        channel.point = channel.pointTarget = change.point;
    }
    refresh();
    applySecondaryColor();
}

ShortcutDemoCard::~ShortcutDemoCard()
{
    stopLoop();
}

QColor ShortcutDemoCard::accent() const
{
    return m_accent.isValid() ? m_accent : Typography::accent(palette());
}

void ShortcutDemoCard::replay()
{
    if (!m_running)
        return;
    stopLoop();
    startLoop();
}

void ShortcutDemoCard::skipWait()
{
    if (!m_running || !m_wait->isActive())
        return;
    m_wait->stop();
    runStep((m_step + 1) % ShortcutDemoTimeline::stepCount);
}

void ShortcutDemoCard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_running)
        startLoop();
}

void ShortcutDemoCard::hideEvent(QHideEvent* event)
{
    // Also reached when the window is minimised: nothing may tick while nobody can see it.
    stopLoop();
    QWidget::hideEvent(event);
}

void ShortcutDemoCard::mousePressEvent(QMouseEvent* event)
{
    m_pressInside = event->button() == Qt::LeftButton;
    event->accept();
}

void ShortcutDemoCard::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_pressInside && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressInside = false;
    event->accept();
    if (click)
        replay();
}

void ShortcutDemoCard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applySecondaryColor();
}

void ShortcutDemoCard::applySecondaryColor()
{
    QPalette colors = m_subtitle->palette();
    colors.setColor(QPalette::WindowText, Typography::secondaryText(palette()));
    m_subtitle->setPalette(colors);
}

void ShortcutDemoCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(withAlpha(ink, 0.08), 1));
    painter.setBrush(withAlpha(ink, 0.035));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
}

void ShortcutDemoCard::startLoop()
{
    m_running = true;
    runStep(0);
}

void ShortcutDemoCard::stopLoop()
{
    m_wait->stop();
    const QList<QVariantAnimation*> animations = std::exchange(m_animations, {});
    for (QVariantAnimation* animation : animations) {
        disconnect(animation, nullptr, this, nullptr);
        animation->stop();
        delete animation;
    }
    for (Channel& channel : m_channels)
        channel.owner = nullptr;
    if (m_radial)
        m_radial->setHighlightedWedge(m_radial->highlightedWedge(), 0);
    m_running = false;
}

void ShortcutDemoCard::runStep(int step)
{
    m_step = step;
    const DemoStep& current = m_steps[step];
    auto* animation = new QVariantAnimation(this);
    double longest = 0;
    for (const DemoChange& change : current.changes) {
        const DemoTransition& transition = change.transition;
        if (change.property == DemoProperty::highlight) {
            const std::optional<int> wedge = change.wedge >= 0 ? std::optional<int>(change.wedge) : std::nullopt;
            m_radial->setHighlightedWedge(wedge, milliseconds(transition.duration));
            continue;
        }
        Channel& channel = m_channels[index(change.property)];
        channel.from = channel.value;
        channel.pointFrom = channel.point;
        channel.target = change.value;
        channel.pointTarget = change.point;
        channel.transition = transition;
        if (transition.easing == DemoEasing::none || transition.duration <= 0) {
            channel.value = channel.target;
            channel.point = channel.pointTarget;
            channel.owner = nullptr;
        } else {
            // The newest step takes a property over from an older animation that may still be running.
            channel.owner = animation;
            longest = std::max(longest, transition.duration);
        }
    }
    if (longest > 0) {
        animation->setStartValue(0.0);
        animation->setEndValue(longest);
        animation->setDuration(milliseconds(longest));
        connect(animation, &QVariantAnimation::valueChanged, this,
                [this, animation](const QVariant& seconds) { advance(animation, seconds.toDouble()); });
        connect(animation, &QVariantAnimation::finished, this, [this, animation] { animationEnded(animation); });
        m_animations.append(animation);
        animation->start();
    } else {
        delete animation;
    }
    refresh();
    m_wait->start(milliseconds(current.wait));
}

void ShortcutDemoCard::advance(QVariantAnimation* animation, double seconds)
{
    for (Channel& channel : m_channels) {
        if (channel.owner != animation)
            continue;
        if (seconds >= channel.transition.duration) {
            channel.value = channel.target;
            channel.point = channel.pointTarget;
            channel.owner = nullptr;
            continue;
        }
        const double progress = channel.transition.progress(seconds);
        channel.value = channel.from + (channel.target - channel.from) * progress;
        channel.point = channel.pointFrom + (channel.pointTarget - channel.pointFrom) * progress;
    }
    refresh();
}

void ShortcutDemoCard::animationEnded(QVariantAnimation* animation)
{
    advance(animation, std::numeric_limits<double>::infinity());
    m_animations.removeOne(animation);
    animation->deleteLater();
}

double ShortcutDemoCard::sceneLeft() const
{
    // Whole pixels, so the ring widget and the painted scene line up exactly.
    return std::max(0.0, std::floor((m_stage->width() - m_sceneWidth) / 2));
}

void ShortcutDemoCard::refresh()
{
    const QPointF centre = m_channels[index(DemoProperty::radialPos)].point + QPointF(sceneLeft(), 0);
    m_radial->move(static_cast<int>(std::lround(centre.x() - radialSide / 2.0)),
                   static_cast<int>(std::lround(centre.y() - radialSide / 2.0)));
    const double shown = value(DemoProperty::showRadial);
    m_radial->setAppearance(0.5 + 0.5 * shown, shown);
    m_stage->update();
    m_dragLayer->update();
}

void ShortcutDemoCard::paintStage(QPainter& painter) const
{
    painter.translate(sceneLeft(), 0);
    const QPalette& colors = palette();
    QFont labelFont = Typography::font(10, QFont::Medium);
    QString label = L("Hold");
    const double room = keysLeft - labelGap;
    // A long translation shrinks rather than running into the key caps.
    const double width = QFontMetricsF(labelFont).horizontalAdvance(label);
    if (width > room) {
        labelFont.setPointSizeF(std::max(labelFont.pointSizeF() * room / width, 6.0));
        label = QFontMetricsF(labelFont).elidedText(label, Qt::ElideRight, room);
    }
    painter.setFont(labelFont);
    painter.setPen(Typography::secondaryText(colors));
    painter.drawText(QRectF(0, rowY - 12, room, 24), Qt::AlignRight | Qt::AlignVCenter, label);

    const double pressed = clamp01(value(DemoProperty::pressed));
    const QColor ink = colors.color(QPalette::WindowText);
    const QFont keyFont = Typography::font(13, QFont::Medium);
    const QFontMetricsF metrics(keyFont);
    painter.setFont(keyFont);
    for (qsizetype i = 0; i < m_keys.size(); ++i) {
        const double slot = keysLeft + ShortcutDemoTimeline::keySlot * static_cast<double>(i);
        const double capWidth = std::clamp(metrics.horizontalAdvance(m_keys[i]) + 12, 26.0, 32.0);
        const QRectF cap(slot + (ShortcutDemoTimeline::keySlot - capWidth) / 2, rowY - 12 + pressed, capWidth, 24);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(Qt::black, 0.10 * (1 - pressed)));
        painter.drawRoundedRect(cap.translated(0, 1), 6, 6);
        painter.setPen(QPen(mix(withAlpha(ink, 0.18), accent(), pressed), 0.75));
        painter.setBrush(mix(colors.color(QPalette::Base), accent(), pressed));
        painter.drawRoundedRect(cap, 6, 6);
        painter.setPen(mix(ink, colors.color(QPalette::HighlightedText), pressed));
        painter.drawText(cap, Qt::AlignCenter, m_keys[i]);
    }
}

void ShortcutDemoCard::paintDragLayer(QPainter& painter) const
{
    painter.translate(sceneLeft(), 0);
    const QPointF rest = ShortcutDemoTimeline::filePosition(static_cast<int>(m_keys.size()));
    const QPointF cursor = cursorPosition();
    const double grabbed = clamp01(value(DemoProperty::grabbed));
    const double dropped = std::max(value(DemoProperty::dropped), 0.0);
    // Once dropped the file stays where it was let go while it vanishes; it returns to its place unseen.
    const double attached = m_channels[index(DemoProperty::dropped)].target > 0 ? 1.0 : grabbed;
    const double opacity = (1 - 0.2 * grabbed) * (1 - clamp01(dropped));
    if (opacity > 0) {
        painter.save();
        painter.setOpacity(opacity);
        const QColor color =
            mix(Typography::secondaryText(palette()), accent(), clamp01(value(DemoProperty::approach)));
        // Picked up, the file hangs below the pointer's tip so the wedge being aimed at stays in view.
        const QPointF centre = rest + (cursor + grabOffset * grabbed - rest) * attached;
        drawPage(painter, centre, (1 - 0.1 * grabbed) * std::max(1 - 0.6 * dropped, 0.0), color, grabbed);
        painter.restore();
    }

    const double shown = clamp01(value(DemoProperty::cursorShown));
    if (shown > 0) {
        // Placed by its tip, so the pointer points exactly at the positions of the loop.
        const QRectF frame(QPointF(0, 0), pointerSize);
        const QPointF tip = CursorShape::tip(frame);
        painter.save();
        painter.setOpacity(shown);
        painter.translate(cursor - tip);
        painter.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(20, 20, 20));
        painter.drawPath(CursorShape::path(frame));
        painter.restore();
    }
}

} // namespace karvo
