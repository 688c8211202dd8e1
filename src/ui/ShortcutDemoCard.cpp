// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutDemoCard.h"

#include "CursorShape.h"
#include "FlowLayout.h"
#include "Localization.h"
#include "MiniRadial.h"
#include "Typography.h"

#include <QFontMetricsF>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
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

// One item of the card's list, on a capsule tinted with the accent colour.
class ItemCapsule : public QWidget {
public:
    ItemCapsule(const QString& text, std::function<QColor()> accent, std::function<double()> opacity, QWidget* parent)
        : QWidget(parent), m_text(text), m_accent(std::move(accent)), m_opacity(std::move(opacity))
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
        const double opacity = m_opacity();
        if (opacity >= 1) {
            paintCapsule(painter);
            return;
        }
        // Dimmed as one picture, so the text does not show the capsule through it.
        const double ratio = devicePixelRatioF();
        QImage picture((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter layer(&picture);
        paintCapsule(layer);
        layer.end();
        painter.setOpacity(opacity);
        painter.drawImage(QPointF(0, 0), picture);
    }

private:
    void paintCapsule(QPainter& painter) const
    {
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect());
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(m_accent(), 0.12));
        painter.drawRoundedRect(frame, frame.height() / 2, frame.height() / 2);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(frame, Qt::AlignCenter, m_text);
    }

    QString m_text;
    std::function<QColor()> m_accent;
    std::function<double()> m_opacity;
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

// The card's stage: the keys, the ring, the file and the pointer drawn as one picture, so that a dimmed
// card looks as if it were drawn whole and then faded.
class ShortcutDemoStage : public QWidget {
public:
    explicit ShortcutDemoStage(ShortcutDemoCard* card) : QWidget(card), m_card(card)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const QRect area = event->rect();
        const double opacity = m_card->contentOpacity();
        QPainter painter(this);
        if (opacity >= 1) {
            painter.setRenderHint(QPainter::Antialiasing);
            m_card->paintStage(painter, area);
            return;
        }
        // The card's fill beneath the stage joins the picture, which is then laid on at the card's opacity.
        const double ratio = devicePixelRatioF();
        QImage picture((QSizeF(area.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter layer(&picture);
        layer.setRenderHint(QPainter::Antialiasing);
        layer.translate(-area.topLeft());
        layer.fillRect(area, m_card->cardFill());
        m_card->paintStage(layer, area);
        layer.end();
        painter.setOpacity(opacity);
        painter.drawImage(area.topLeft(), picture);
    }
    void resizeEvent(QResizeEvent*) override { m_card->refresh(); }

private:
    ShortcutDemoCard* m_card;
};

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

    auto* stage = new ShortcutDemoStage(this);
    stage->setFixedHeight(static_cast<int>(ShortcutDemoTimeline::stageHeight));
    m_sceneWidth = ShortcutDemoTimeline::radialPosition(static_cast<int>(keys.size())).x() + radialSide / 2.0 + 2;
    stage->setMinimumWidth(static_cast<int>(std::ceil(m_sceneWidth)));
    m_stage = stage;
    // The ring keeps its own animation; the stage draws it with the rest of the scene.
    m_radial = new MiniRadial(stage);
    m_radial->setDrawnByOwner(true);
    m_radial->setAccent(accent);
    m_radial->resize(radialSide, radialSide);
    layout->addWidget(stage);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setFont(Typography::font(13, QFont::DemiBold));
    m_title = titleLabel;
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
            item, [this] { return this->accent(); }, [this] { return m_contentOpacity; }, chips));
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
    applyTextColors();
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
        applyTextColors();
}

void ShortcutDemoCard::setContentOpacity(double opacity)
{
    opacity = std::clamp(opacity, 0.0, 1.0);
    if (opacity == m_contentOpacity)
        return;
    m_contentOpacity = opacity;
    applyTextColors();
    update();
}

void ShortcutDemoCard::applyTextColors()
{
    QPalette colors = m_subtitle->palette();
    colors.setColor(QPalette::WindowText, Typography::secondaryText(palette()));
    m_subtitle->setPalette(colors);
    // The still texts fade through an effect of their own (a text drawn in a see-through colour would be
    // rendered differently); they are redrawn only when the card's opacity or colours change.
    for (QLabel* label : {m_title, m_subtitle}) {
        auto* fade = qobject_cast<QGraphicsOpacityEffect*>(label->graphicsEffect());
        if (!fade) {
            fade = new QGraphicsOpacityEffect(label);
            label->setGraphicsEffect(fade);
        }
        fade->setOpacity(m_contentOpacity);
        fade->setEnabled(m_contentOpacity < 1);
    }
}

QColor ShortcutDemoCard::cardFill() const
{
    return withAlpha(palette().color(QPalette::WindowText), 0.035);
}

void ShortcutDemoCard::paintEvent(QPaintEvent* event)
{
    const bool dimmed = m_contentOpacity < 1;
    // A dimmed stage draws the fill beneath itself; a redraw of the stage alone leaves nothing to do here.
    if (dimmed && m_stage->geometry().contains(event->rect()))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (dimmed) {
        painter.setClipRegion(QRegion(rect()).subtracted(m_stage->geometry()));
        painter.setOpacity(m_contentOpacity);
    }
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(QPen(withAlpha(ink, 0.08), 1));
    painter.setBrush(cardFill());
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

ShortcutDemoCard::Look ShortcutDemoCard::look() const
{
    Look now;
    now.cursor = cursorPosition();
    now.cursorShown = clamp01(value(DemoProperty::cursorShown));
    const QPointF rest = ShortcutDemoTimeline::filePosition(static_cast<int>(m_keys.size()));
    const double grabbed = clamp01(value(DemoProperty::grabbed));
    const double dropped = std::max(value(DemoProperty::dropped), 0.0);
    // Once dropped the file stays where it was let go while it vanishes; it returns to its place unseen.
    const double attached = m_channels[index(DemoProperty::dropped)].target > 0 ? 1.0 : grabbed;
    // Picked up, the file hangs below the pointer's tip so the wedge being aimed at stays in view.
    now.fileCentre = rest + (now.cursor + grabOffset * grabbed - rest) * attached;
    now.fileScale = (1 - 0.1 * grabbed) * std::max(1 - 0.6 * dropped, 0.0);
    now.fileOpacity = (1 - 0.2 * grabbed) * (1 - clamp01(dropped));
    now.fileShadow = grabbed;
    now.approach = clamp01(value(DemoProperty::approach));
    now.pressed = clamp01(value(DemoProperty::pressed));
    return now;
}

QRectF ShortcutDemoCard::pointerArea(const Look& look) const
{
    const QPointF tip = CursorShape::tip(QRectF(QPointF(0, 0), pointerSize));
    return QRectF(look.cursor - tip, pointerSize).adjusted(-2, -2, 2, 2).translated(sceneLeft(), 0);
}

QRectF ShortcutDemoCard::fileArea(const Look& look) const
{
    // The page, its edge and the shadow that falls down and to the right.
    const double scale = look.fileScale;
    const QSizeF size = pageSize * scale;
    return QRectF(look.fileCentre - QPointF(size.width() / 2, size.height() / 2), size)
        .adjusted(-2 * scale - 1, -2 * scale - 1, 4 * scale + 1, 5 * scale + 1)
        .translated(sceneLeft(), 0);
}

QRectF ShortcutDemoCard::keysArea() const
{
    // The label and the key caps, which sink by a pixel when pressed and cast a shadow below.
    return {sceneLeft(), rowY - 14, keysLeft + ShortcutDemoTimeline::keySlot * static_cast<double>(m_keys.size()), 30};
}

void ShortcutDemoCard::refresh()
{
    const QPointF centre = m_channels[index(DemoProperty::radialPos)].point + QPointF(sceneLeft(), 0);
    m_radial->move(static_cast<int>(std::lround(centre.x() - radialSide / 2.0)),
                   static_cast<int>(std::lround(centre.y() - radialSide / 2.0)));
    const double shown = value(DemoProperty::showRadial);
    m_radial->setAppearance(0.5 + 0.5 * shown, shown);

    // Only what moved is drawn again: where it was and where it is now.
    const Look now = look();
    QRegion changed;
    if (now.cursor != m_painted.cursor || now.cursorShown != m_painted.cursorShown)
        changed += pointerArea(m_painted).toAlignedRect() | pointerArea(now).toAlignedRect();
    if (now.fileCentre != m_painted.fileCentre || now.fileScale != m_painted.fileScale ||
        now.fileOpacity != m_painted.fileOpacity || now.fileShadow != m_painted.fileShadow ||
        now.approach != m_painted.approach)
        changed += fileArea(m_painted).toAlignedRect() | fileArea(now).toAlignedRect();
    if (now.pressed != m_painted.pressed)
        changed += keysArea().toAlignedRect();
    m_painted = now;
    if (!changed.isEmpty())
        m_stage->update(changed);
}

void ShortcutDemoCard::paintStage(QPainter& painter, const QRect& area)
{
    const Look& now = m_painted;
    if (keysArea().intersects(area)) {
        painter.save();
        paintKeys(painter, now.pressed);
        painter.restore();
    }
    if (m_radial->geometry().intersects(area)) {
        painter.save();
        painter.translate(m_radial->pos());
        m_radial->paint(painter);
        painter.restore();
    }
    // The pointer and the file are copied from pictures while they keep their look and only move; while
    // they change (picked up, let go, fading) they are drawn afresh.
    const auto steady = [](double x) {
        return x == 0 || x == 1;
    };
    if (now.fileOpacity > 0 && fileArea(now).intersects(area)) {
        painter.save();
        painter.translate(sceneLeft(), 0);
        const QColor color = mix(Typography::secondaryText(palette()), accent(), now.approach);
        const auto draw = [&now, color](QPainter& p, const QPointF& centre) {
            p.save();
            p.setOpacity(p.opacity() * now.fileOpacity);
            drawPage(p, centre, now.fileScale, color, now.fileShadow);
            p.restore();
        };
        if (steady(now.fileShadow) && steady(now.approach) && now.fileOpacity == 1 - 0.2 * now.fileShadow) {
            const QRectF extent = fileArea(now).translated(-sceneLeft(), 0).translated(-now.fileCentre);
            m_sprites.draw(painter,
                           QStringLiteral("page/%1/%2/%3/%4")
                               .arg(now.fileScale, 0, 'f', 5)
                               .arg(now.fileShadow)
                               .arg(now.fileOpacity, 0, 'f', 5)
                               .arg(color.rgba(), 0, 16),
                           now.fileCentre, extent, true, draw);
        } else {
            draw(painter, now.fileCentre);
        }
        painter.restore();
    }
    if (now.cursorShown > 0 && pointerArea(now).intersects(area)) {
        painter.save();
        painter.translate(sceneLeft(), 0);
        const auto draw = [&now](QPainter& p, const QPointF& cursor) {
            // Placed by its tip, so the pointer points exactly at the positions of the loop.
            const QRectF frame(QPointF(0, 0), pointerSize);
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setOpacity(p.opacity() * now.cursorShown);
            p.translate(cursor - CursorShape::tip(frame));
            p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(20, 20, 20));
            p.drawPath(CursorShape::path(frame));
            p.restore();
        };
        if (now.cursorShown == 1) {
            const QRectF extent = pointerArea(now).translated(-sceneLeft(), 0).translated(-now.cursor);
            m_sprites.draw(painter, QStringLiteral("pointer"), now.cursor, extent, true, draw);
        } else {
            draw(painter, now.cursor);
        }
        painter.restore();
    }
}

void ShortcutDemoCard::paintKeys(QPainter& painter, double pressed) const
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

} // namespace karvo
