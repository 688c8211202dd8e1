// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimatedDemoCanvas.h"

#include "CursorShape.h"
#include "DemoStage.h"
#include "Localization.h"
#include "SymbolIcons.h"
#include "SystemColors.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace karvo {

namespace {

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

// Whether an eased value has arrived at 1 (sums of the curves may miss it by a rounding step).
bool isOne(double x)
{
    return std::abs(x - 1) < 1e-9;
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(static_cast<float>(clamp01(alpha) * color.alphaF()));
    return color;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    const QColor from = a.toRgb();
    const QColor to = b.toRgb();
    const auto lerp = [t](float x, float y) {
        return x + (y - x) * static_cast<float>(t);
    };
    return QColor::fromRgbF(lerp(from.redF(), to.redF()), lerp(from.greenF(), to.greenF()),
                            lerp(from.blueF(), to.blueF()), lerp(from.alphaF(), to.alphaF()));
}

// The colours of the stage, taken from the palette so the stage follows light and dark.
struct StageColors {
    explicit StageColors(const QPalette& palette)
        : window(palette.color(QPalette::Window)), base(palette.color(QPalette::Base)),
          text(palette.color(QPalette::WindowText)), accent(palette.color(QPalette::Highlight)),
          onAccent(palette.color(QPalette::HighlightedText)), dark(SystemColors::isDark(palette))
    {
    }
    QColor window;
    QColor base;
    QColor text;
    QColor accent;
    QColor onAccent;
    bool dark;

    QColor secondary() const { return withAlpha(text, 0.55); }
    QColor line() const { return withAlpha(text, dark ? 0.22 : 0.13); }
    QColor chrome() const { return mix(base, text, dark ? 0.08 : 0.045); }
    QColor named(SystemColor color) const { return SystemColors::color(color, dark); }
    // Two colours the named table lacks, for the dummy files.
    QColor pink() const { return dark ? QColor(0xff, 0x37, 0x5f) : QColor(0xff, 0x2d, 0x55); }
    QColor mint() const { return dark ? QColor(0x63, 0xe6, 0xe2) : QColor(0x00, 0xc7, 0xbe); }
};

QFont stageFont(const QFont& base, int pixelSize, QFont::Weight weight)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Opacity that multiplies with the painter's current one, restored on leaving the scope.
class Layer {
public:
    Layer(QPainter& painter, double opacity) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setOpacity(m_painter.opacity() * clamp01(opacity));
    }
    ~Layer() { m_painter.restore(); }
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

private:
    QPainter& m_painter;
};

// A soft drop shadow under a rounded shape: a few widening, fading copies.
void drawSoftShadow(QPainter& painter, const QRectF& rect, double radius, double strength)
{
    if (strength <= 0)
        return;
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 1; i <= 4; ++i) {
        const double grow = 1.5 * i;
        painter.setBrush(QColor::fromRgbF(0, 0, 0, static_cast<float>(0.05 * strength)));
        painter.drawRoundedRect(rect.adjusted(-grow / 2, -grow / 2 + i, grow / 2, grow / 2 + i), radius + grow / 2,
                                radius + grow / 2);
    }
    painter.restore();
}

// A desktop window: shadow, body, title bar with its title and three small window buttons.
void drawWindowChrome(QPainter& painter, const QRectF& frame, const QString& title, const StageColors& colors,
                      const QFont& baseFont)
{
    constexpr double radius = 10;
    drawSoftShadow(painter, frame, radius, 1);
    QPainterPath body;
    body.addRoundedRect(frame, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.base);
    painter.drawPath(body);

    const QRectF bar(frame.left(), frame.top(), frame.width(), DemoStage::titleBarHeight);
    painter.save();
    painter.setClipPath(body);
    painter.setBrush(colors.chrome());
    painter.drawRect(bar);
    painter.setPen(QPen(colors.line(), 0.8));
    painter.drawLine(bar.bottomLeft(), bar.bottomRight());
    painter.restore();

    for (int i = 0; i < 3; ++i) {
        const QPointF centre(bar.right() - 14 - 14.0 * i, bar.center().y());
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(colors.text, i == 0 ? 0.28 : 0.16));
        painter.drawEllipse(centre, 4.5, 4.5);
    }
    painter.setPen(withAlpha(colors.text, 0.8));
    painter.setFont(stageFont(baseFont, 11, QFont::DemiBold));
    painter.drawText(bar.adjusted(50, 0, -50, 0), Qt::AlignCenter, title);

    painter.setPen(QPen(colors.line(), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
}

void drawBar(QPainter& painter, const QPointF& centre, double width, const QColor& color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(QRectF(centre.x() - width / 2, centre.y() - 2.5, width, 5), 2.5, 2.5);
}

double monotonicSeconds()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// Where each moving part can draw, in stage units: its shape grown by its edge, its shadow and any
// overshoot. A redraw of these areas is all a change of the part needs.
const QRectF pointerShape(0, 0, 15, 23.75);

QRectF pointerBounds(const DemoFrame& frame)
{
    // A press only shrinks the arrow towards its tip.
    const QPointF tip = CursorShape::tip(pointerShape);
    return {frame.cursor - tip - QPointF(2, 2), pointerShape.size() + QSizeF(5, 5)};
}

QRectF tileBounds(const QPointF& centre, double scale)
{
    const double half = 26 * std::max(scale, 0.0);
    return {centre.x() - half, centre.y() - half, 2 * half, 2 * half + 8 * std::max(scale, 0.0)};
}

QRectF originalCellBounds()
{
    const QPointF cell = DemoStage::gridCell(DemoStage::featuredColumn, DemoStage::featuredRow);
    return {cell.x() - 31, cell.y() - 19, 62, 54};
}

QRectF dropZoneBounds()
{
    return DemoStage::dropZone().adjusted(-6, -6, 6, 6);
}

QRectF shiftKeyBounds(const DemoFrame& frame)
{
    const QRectF key = DemoStage::shiftKey();
    const double grow = std::max(frame.shiftAppear, 1.0);
    const QSizeF half(key.width() / 2 * grow + 3, key.height() / 2 * grow + 3);
    return {key.center().x() - half.width(), key.center().y() - half.height(), 2 * half.width(), 2 * half.height() + 3};
}

QRectF ringBounds(const DemoFrame& frame)
{
    const double pop = std::max(1.0, *std::max_element(frame.radialSegs.begin(), frame.radialSegs.end()));
    const double radius = (DemoStage::ringOuterRadius + 4) * std::max(frame.radialScale, 0.0) * pop;
    const QPointF centre = DemoStage::ringCentre();
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius + 4 * frame.radialScale};
}

QRectF capsuleBounds(const DemoFrame& frame)
{
    const QRectF capsule = DemoStage::progressCapsule();
    return capsule.translated(0, -8 * (1 - frame.hudAppear)).united(capsule).adjusted(-4, -4, 4, 8);
}

QRectF captionBounds()
{
    // The widest pill the caption can grow to, with its shadow.
    return {DemoStage::captionLeft - 4, DemoStage::captionTop - 4,
            DemoStage::progressCapsule().left() - DemoStage::captionLeft, DemoStage::captionHeight + 12};
}

// The parts whose picture differs between two frames of one scene, as areas of the stage to redraw.
QList<QRectF> changedParts(const DemoFrame& a, const DemoFrame& b)
{
    QList<QRectF> areas;
    const auto both = [&areas](const QRectF& before, const QRectF& after) {
        areas << before << after;
    };
    if (a.cursor != b.cursor || a.cursorPressed != b.cursorPressed)
        both(pointerBounds(a), pointerBounds(b));
    if (a.filePos != b.filePos || a.dragScale != b.dragScale || a.dragOpacity != b.dragOpacity || a.lift != b.lift)
        both(tileBounds(a.filePos, a.dragScale), tileBounds(b.filePos, b.dragScale));
    if (a.ghosts != b.ghosts || a.ghostOpacities != b.ghostOpacities || a.dragScale != b.dragScale) {
        for (const QPointF& ghost : a.ghosts)
            areas << tileBounds(ghost, a.dragScale);
        for (const QPointF& ghost : b.ghosts)
            areas << tileBounds(ghost, b.dragScale);
    }
    if (a.dragOpacity != b.dragOpacity)
        areas << originalCellBounds();
    if (a.finderDim != b.finderDim)
        areas << DemoStage::fileManagerWindow().adjusted(-1, -1, 1, 1);
    if (a.dropZoneHot != b.dropZoneHot)
        areas << dropZoneBounds();
    if (a.shiftAppear != b.shiftAppear || a.shiftActive != b.shiftActive)
        both(shiftKeyBounds(a), shiftKeyBounds(b));
    if (a.radialScale != b.radialScale || a.radialOpacity != b.radialOpacity ||
        a.radialHighlight != b.radialHighlight || a.radialSegs != b.radialSegs)
        both(ringBounds(a), ringBounds(b));
    if (a.hudProgress != b.hudProgress || a.hudDone != b.hudDone || a.hudAppear != b.hudAppear)
        both(capsuleBounds(a), capsuleBounds(b));
    if (a.caption != b.caption || a.previousCaption != b.previousCaption || a.captionChange != b.captionChange)
        areas << captionBounds();
    return areas;
}

} // namespace

AnimatedDemoCanvas::AnimatedDemoCanvas(DemoScene scene, QWidget* parent)
    : QWidget(parent), m_scene(scene), m_previousScene(scene), m_clock(monotonicSeconds), m_tick(new QTimer(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_epoch = m_previousEpoch = now();
    m_tick->setInterval(frameIntervalMs);
    m_tick->setTimerType(Qt::PreciseTimer);
    connect(m_tick, &QTimer::timeout, this, [this] { advance(); });
    updateAccessibleText();
}

QStringList AnimatedDemoCanvas::radialIcons()
{
    return {QStringLiteral("film"),        QStringLiteral("play.rectangle.fill"),
            QStringLiteral("photo.stack"), QStringLiteral("music.note"),
            QStringLiteral("photo"),       QStringLiteral("photo.on.rectangle")};
}

void AnimatedDemoCanvas::setScene(DemoScene scene, bool animated)
{
    if (scene == m_scene)
        return;
    const double present = now();
    m_previousScene = m_scene;
    m_previousEpoch = m_epoch;
    m_scene = scene;
    m_epoch = present;
    m_switchStart = animated && isVisible() ? present : -1;
    updateAccessibleText();
    m_shown.reset();
    update();
}

void AnimatedDemoCanvas::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicSeconds);
    m_epoch = m_previousEpoch = now();
    m_switchStart = -1;
    m_shown.reset();
    update();
}

double AnimatedDemoCanvas::sceneTime() const
{
    const double period = DemoFrame::period(m_scene);
    const double t = std::fmod(now() - m_epoch, period);
    return t < 0 ? t + period : t;
}

DemoFrame AnimatedDemoCanvas::currentFrame() const
{
    return DemoFrame::at(m_scene, now() - m_epoch);
}

bool AnimatedDemoCanvas::isTicking() const
{
    return m_tick->isActive();
}

double AnimatedDemoCanvas::switchProgress() const
{
    if (m_switchStart < 0)
        return 1;
    return DemoFrame::easeInOut((now() - m_switchStart) * 1000.0 / sceneSwitchMs);
}

QRegion AnimatedDemoCanvas::advance()
{
    Picture next = pictureNow();
    const QRegion changed = m_shown ? changedArea(*m_shown, next) : QRegion(rect());
    m_shown = next;
    if (!changed.isEmpty())
        update(changed);
    return changed;
}

AnimatedDemoCanvas::Picture AnimatedDemoCanvas::pictureNow()
{
    // The frame at the nearest point of the loop's grid, so that every moment of the loop looks the same
    // each time round and the parts changing at that moment can be kept as pictures.
    const auto sample = [](DemoScene scene, double elapsed, int& moment) {
        const long moments = std::lround(DemoFrame::period(scene) * framesPerSecond);
        long at = std::lround(elapsed * framesPerSecond) % moments;
        if (at < 0)
            at += moments;
        moment = static_cast<int>(at);
        return DemoFrame::at(scene, static_cast<double>(at) / framesPerSecond);
    };
    Picture picture;
    picture.frame = sample(m_scene, now() - m_epoch, picture.moment);
    const double k = switchProgress();
    if (k < 1) {
        picture.crossfade = k;
        picture.previousFrame = sample(m_previousScene, now() - m_previousEpoch, picture.previousMoment);
    } else {
        m_switchStart = -1;
    }
    return picture;
}

QRegion AnimatedDemoCanvas::changedArea(const Picture& from, const Picture& to) const
{
    const QRect stage = stageRect();
    // A crossfade or a fade of the whole stage changes every part of it.
    if (from.crossfade < 1 || to.crossfade < 1 || from.frame.global != to.frame.global)
        return stage;
    if (to.frame.global <= 0)
        return {};
    const double scale = stageScale();
    const QPointF origin = stageOrigin();
    QRegion region;
    for (const QRectF& area : changedParts(from.frame, to.frame)) {
        const QRectF shown(origin + area.topLeft() * scale, area.size() * scale);
        region += shown.toAlignedRect().adjusted(-1, -1, 1, 1) & stage;
    }
    return region;
}

QPointF AnimatedDemoCanvas::stageOrigin() const
{
    const double ratio = devicePixelRatioF();
    const QSizeF shown = DemoStage::size * stageScale();
    return {std::floor((width() - shown.width()) / 2 * ratio) / ratio,
            std::floor((height() - shown.height()) / 2 * ratio) / ratio};
}

QRect AnimatedDemoCanvas::stageRect() const
{
    return QRectF(stageOrigin(), DemoStage::size * stageScale()).toAlignedRect();
}

void AnimatedDemoCanvas::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_shown.reset();
    m_tick->start();
}

void AnimatedDemoCanvas::hideEvent(QHideEvent* event)
{
    // Also reached when the window is minimised or the page is swapped out.
    m_tick->stop();
    m_plate = m_windows = m_stageAtRest = QPixmap();
    m_sprites.clear();
    m_moments.clear();
    m_shown.reset();
    QWidget::hideEvent(event);
}

void AnimatedDemoCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_glyphs.clear();
    m_sprites.clear();
    m_moments.clear();
    m_plate = m_windows = m_stageAtRest = QPixmap();
}

void AnimatedDemoCanvas::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        m_glyphs.clear();
        m_sprites.clear();
        m_moments.clear();
        m_plate = m_windows = m_stageAtRest = QPixmap();
    }
}

void AnimatedDemoCanvas::updateAccessibleText()
{
    setAccessibleName(m_scene == DemoScene::quickDrag ? L("Quick Drag demonstration")
                                                      : L("Demonstration of dropping a file on the window"));
    QStringList steps;
    for (int i = 0; i < DemoFrame::captionCount(m_scene); ++i)
        steps << DemoFrame::captionText(m_scene, i);
    setAccessibleDescription(steps.join(QStringLiteral(" → ")));
}

double AnimatedDemoCanvas::stageScale() const
{
    return std::min(width() / DemoStage::size.width(), height() / DemoStage::size.height());
}

void AnimatedDemoCanvas::paintEvent(QPaintEvent* event)
{
    const double scale = stageScale();
    if (scale <= 0)
        return;
    ensureCaches();
    if (!m_shown)
        m_shown = pictureNow();
    const Picture picture = *m_shown;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    const QRegion region = event->region() & stageRect();
    // Each rectangle on its own: a plain rectangular clip keeps the raster engine on its fast paths. Many
    // small pieces are drawn as one, as the stage would otherwise be gone through for each.
    constexpr int mostPieces = 6;
    const QList<QRect> pieces = region.rectCount() > mostPieces ? QList<QRect>{region.boundingRect()}
                                                                : QList<QRect>(region.begin(), region.end());
    const QPointF origin = stageOrigin();
    for (const QRect& piece : pieces) {
        painter.save();
        painter.setClipRect(piece);
        m_paintArea =
            QRectF((QPointF(piece.topLeft()) - origin) / scale, QSizeF(piece.size()) / scale).adjusted(-1, -1, 1, 1);
        paintStage(painter, picture);
        painter.restore();
    }
}

void AnimatedDemoCanvas::paintStage(QPainter& painter, const Picture& picture)
{
    const double scale = stageScale();
    // The stage starts on a whole device pixel, so the cached layers are copied without resampling (and
    // without smoothing, which would take the raster engine off its plain copying path).
    painter.translate(stageOrigin());
    m_origin = painter.transform();
    // The stage's plate stays while its contents fade between loops and scenes; the rest of the time the
    // plate and the windows on it are one picture.
    const double k = picture.crossfade;
    const bool settled = k >= 1 && picture.frame.global >= 1;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QPointF(0, 0), settled ? m_stageAtRest : m_plate);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), DemoStage::size), Qt::IntersectClip);

    if (k < 1) {
        Layer outgoing(painter, 1 - k);
        drawScene(painter, m_previousScene, picture.previousFrame, picture.previousMoment, true);
    }
    Layer incoming(painter, k);
    drawScene(painter, m_scene, picture.frame, picture.moment, !settled);
}

void AnimatedDemoCanvas::ensureCaches()
{
    const double scale = stageScale();
    const double ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(DemoStage::size.width() * scale * ratio)),
                       static_cast<int>(std::ceil(DemoStage::size.height() * scale * ratio)));
    if (!m_plate.isNull() && m_plate.size() == pixels)
        return;
    // What does not move is drawn once per size and palette: the large fills are most of a frame's cost.
    const auto render = [&](const std::function<void(QPainter&)>& paint) {
        QPixmap layer(pixels);
        layer.fill(Qt::transparent);
        QPainter painter(&layer);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.scale(scale * ratio, scale * ratio);
        paint(painter);
        painter.end();
        layer.setDevicePixelRatio(ratio);
        return layer;
    };
    const StageColors colors(palette());
    m_plate = render([&](QPainter& painter) {
        const QRectF plate(QPointF(0, 0), DemoStage::size);
        QLinearGradient wash(plate.topLeft(), plate.bottomLeft());
        wash.setColorAt(0, mix(colors.window, colors.accent, colors.dark ? 0.10 : 0.07));
        wash.setColorAt(1, mix(colors.window, colors.accent, colors.dark ? 0.18 : 0.15));
        painter.setPen(QPen(colors.line(), 1));
        painter.setBrush(wash);
        painter.drawRoundedRect(plate.adjusted(0.5, 0.5, -0.5, -0.5), 16, 16);
    });
    m_windows = render([&](QPainter& painter) {
        drawFileManager(painter);
        drawKarvoWindow(painter);
        drawDropZone(painter, 0);
    });
    m_stageAtRest = m_plate.copy();
    QPainter atRest(&m_stageAtRest);
    atRest.drawPixmap(QPointF(0, 0), m_windows);
}

void AnimatedDemoCanvas::drawScene(QPainter& painter, DemoScene scene, const DemoFrame& frame, int moment,
                                   bool withWindows)
{
    if (frame.global <= 0)
        return;
    Layer stage(painter, frame.global);
    if (withWindows) {
        painter.save();
        painter.setTransform(m_origin);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawPixmap(QPointF(0, 0), m_windows);
        painter.restore();
    }

    // Only the parts in the area being painted: the rest of the stage is already on screen. Every part is
    // copied from a picture: a part at rest from the one of its look, a changing part from the one of
    // this moment of the loop.
    const auto part = [&](const QString& look, bool atRest, const QRectF& bounds, const DemoSprites::Draw& draw) {
        if (!inPaintArea(bounds))
            return;
        const QRectF extent(QPointF(0, 0), bounds.size());
        if (atRest)
            m_sprites.draw(painter, look, bounds.topLeft(), extent, false, draw);
        else
            m_moments.draw(painter, QStringLiteral("%1#%2/%3").arg(look).arg(static_cast<int>(scene)).arg(moment),
                           bounds.topLeft(), extent, false, draw);
    };
    drawWindowStates(painter, frame, part);
    if (scene == DemoScene::quickDrag) {
        part(QStringLiteral("shift"), frame.shiftActive && isOne(frame.shiftAppear), shiftKeyBounds(frame),
             [this, &frame](QPainter& p, const QPointF&) { drawShiftKey(p, frame); });
        const bool open = isOne(frame.radialScale) && isOne(frame.radialOpacity) &&
                          std::all_of(frame.radialSegs.begin(), frame.radialSegs.end(), isOne);
        if (frame.radialOpacity > 0)
            part(QStringLiteral("ring/%1").arg(frame.radialHighlight.value_or(-1)), open, ringBounds(frame),
                 [this, &frame](QPainter& p, const QPointF&) { drawRing(p, frame); });
    }
    if (frame.hudProgress)
        part(QStringLiteral("done"), frame.hudDone && isOne(frame.hudAppear) && isOne(*frame.hudProgress),
             capsuleBounds(frame), [this, &frame](QPainter& p, const QPointF&) { drawProgressCapsule(p, frame); });

    // The file keeps its look while it is carried, and moves: its pictures are placed to an eighth of a
    // pixel. While it is picked up or let go it changes with each moment.
    const bool carried = isOne(frame.lift) && isOne(frame.dragOpacity);
    const auto tile = [&](const QString& which, const QPointF& centre, double shadow, double opacity) {
        const QRectF bounds = tileBounds(centre, frame.dragScale);
        if (!inPaintArea(bounds))
            return;
        const auto draw = [this, &frame, shadow, opacity](QPainter& p, const QPointF& at) {
            Layer faded(p, opacity);
            drawFileTile(p, at, frame.dragScale, shadow);
        };
        const QRectF extent = bounds.translated(-centre);
        if (carried)
            m_sprites.draw(painter,
                           QStringLiteral("tile/%1/%2/%3").arg(frame.dragScale, 0, 'f', 5).arg(shadow).arg(opacity),
                           centre, extent, true, draw);
        else
            m_moments.draw(painter, QStringLiteral("%1#%2/%3").arg(which).arg(static_cast<int>(scene)).arg(moment),
                           centre, extent, false, draw);
    };
    for (qsizetype i = 0; i < frame.ghosts.size(); ++i)
        tile(QStringLiteral("ghost%1").arg(i), frame.ghosts[i], 0, frame.ghostOpacities.value(i));
    if (frame.dragOpacity > 0)
        tile(QStringLiteral("file"), frame.filePos, frame.lift, frame.dragOpacity);

    const QRectF pointer = pointerBounds(frame);
    if (inPaintArea(pointer)) {
        const auto draw = [this, &frame](QPainter& p, const QPointF& at) {
            DemoFrame placed = frame;
            placed.cursor = at;
            drawPointer(p, placed);
        };
        const QRectF extent = pointer.translated(-frame.cursor);
        if (frame.cursorPressed == 0 || frame.cursorPressed == 1)
            m_sprites.draw(painter, QStringLiteral("pointer/%1").arg(frame.cursorPressed), frame.cursor, extent, true,
                           draw);
        else
            m_moments.draw(painter, QStringLiteral("pointer#%1/%2").arg(static_cast<int>(scene)).arg(moment),
                           frame.cursor, extent, false, draw);
    }
    // Drawn within the pill and its shadow; a change of caption redraws the room it can grow to.
    if (inPaintArea(captionBounds()))
        part(QStringLiteral("caption/%1/%2").arg(static_cast<int>(scene)).arg(frame.caption), frame.captionChange >= 1,
             captionPill(scene, frame).adjusted(-4, -4, 4, 8),
             [this, scene, &frame](QPainter& p, const QPointF&) { drawCaption(p, scene, frame); });
}

void AnimatedDemoCanvas::drawGlyph(QPainter& painter, const QString& symbol, const QPointF& centre, double side,
                                   const QColor& tint)
{
    // Rendered at the size it will cover on screen, so glyphs stay sharp at any stage scale.
    const int pixels = std::max(1, static_cast<int>(std::lround(side * stageScale() * devicePixelRatioF())));
    const QString key =
        symbol + QLatin1Char('/') + QString::number(pixels) + QLatin1Char('/') + QString::number(tint.rgba(), 16);
    auto found = m_glyphs.constFind(key);
    if (found == m_glyphs.constEnd())
        found = m_glyphs.insert(key, SymbolIcons::pixmap(symbol, pixels, tint, 1.0));
    if (found->isNull())
        return;
    painter.drawPixmap(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side), *found, QRectF(found->rect()));
}

void AnimatedDemoCanvas::drawFileManager(QPainter& painter)
{
    const StageColors colors(palette());
    const QRectF window = DemoStage::fileManagerWindow();
    drawWindowChrome(painter, window, L("Files"), colors, font());

    const QRectF sidebar(window.left() + 0.5, window.top() + DemoStage::titleBarHeight + 0.5, DemoStage::sidebarWidth,
                         window.height() - DemoStage::titleBarHeight - 1);
    QPainterPath body;
    body.addRoundedRect(window.adjusted(0.5, 0.5, -0.5, -0.5), 9.5, 9.5);
    painter.save();
    painter.setClipPath(body, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(mix(colors.base, colors.text, colors.dark ? 0.05 : 0.03));
    painter.drawRect(sidebar);
    painter.restore();
    painter.setPen(QPen(colors.line(), 0.8));
    painter.drawLine(sidebar.topRight(), sidebar.bottomRight());
    for (int row = 0; row < 4; ++row) {
        const double y = sidebar.top() + 20 + 24.0 * row;
        if (row == 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(withAlpha(colors.accent, 0.16));
            painter.drawRoundedRect(QRectF(sidebar.left() + 6, y - 9, sidebar.width() - 12, 18), 5, 5);
        }
        drawGlyph(painter, QStringLiteral("folder.fill"), QPointF(sidebar.left() + 18, y), 12,
                  row == 0 ? colors.accent : withAlpha(colors.accent, 0.7));
        drawBar(painter, QPointF(sidebar.left() + 52, y), 42 - 6.0 * (row % 2), withAlpha(colors.text, 0.16));
    }

    struct Dummy {
        const char* symbol;
        QColor color;
    };
    const Dummy dummies[] = {
        {"doc.text.fill", colors.named(SystemColor::blue)},
        {"photo.fill", colors.named(SystemColor::green)},
        {"music.note", colors.pink()},
        {"doc.fill", colors.named(SystemColor::gray)},
        {"photo.on.rectangle", colors.mint()},
    };
    int next = 0;
    for (int row = 0; row < DemoStage::gridRows; ++row) {
        for (int column = 0; column < DemoStage::gridColumns; ++column) {
            const QPointF cell = DemoStage::gridCell(column, row);
            if (column == DemoStage::featuredColumn && row == DemoStage::featuredRow) {
                drawGlyph(painter, QStringLiteral("film.fill"), cell, 32, colors.named(SystemColor::blue));
                painter.setPen(colors.text);
                painter.setFont(stageFont(font(), 10, QFont::Medium));
                painter.drawText(QRectF(cell.x() - 30, cell.y() + 18, 60, 14), Qt::AlignCenter, L("Trip.mp4"));
                continue;
            }
            const Dummy& dummy = dummies[next++ % std::size(dummies)];
            drawGlyph(painter, QString::fromLatin1(dummy.symbol), cell, 30, dummy.color);
            drawBar(painter, cell + QPointF(0, 25), 30 + 6.0 * ((row + column) % 3), withAlpha(colors.text, 0.16));
        }
    }
}

void AnimatedDemoCanvas::drawKarvoWindow(QPainter& painter)
{
    drawWindowChrome(painter, DemoStage::karvoWindow(), L("Karvo"), StageColors(palette()), font());
}

void AnimatedDemoCanvas::drawDropZone(QPainter& painter, double hot)
{
    const StageColors colors(palette());
    const QRectF zone = DemoStage::dropZone();
    if (hot > 0) {
        // The glow: a wide faint halo outside the zone's edge.
        painter.setPen(QPen(withAlpha(colors.accent, 0.22 * hot), 7));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(zone, 12, 12);
    }
    QPen edge(mix(withAlpha(colors.text, 0.28), colors.accent, hot), 1.4 + 0.6 * hot);
    edge.setDashPattern({4, 3});
    painter.setPen(edge);
    painter.setBrush(withAlpha(colors.accent, 0.04 + 0.14 * hot));
    painter.drawRoundedRect(zone, 12, 12);

    const QPointF centre = zone.center();
    drawGlyph(painter, QStringLiteral("arrow.down.doc"), centre - QPointF(0, 16 + 3 * hot), 36 + 4 * hot,
              mix(colors.secondary(), colors.accent, hot));
    painter.setPen(mix(colors.secondary(), colors.text, hot));
    painter.setFont(stageFont(font(), 12, QFont::Medium));
    painter.drawText(QRectF(zone.left() + 8, centre.y() + 10, zone.width() - 16, 20), Qt::AlignCenter,
                     L("Drop files here"));
}

void AnimatedDemoCanvas::drawWindowStates(QPainter& painter, const DemoFrame& frame, const Part& part)
{
    // Plain shapes at a changing opacity: one picture each, copied at that opacity.
    const auto fill = [](const QRectF& shape, double radius, const QColor& color) {
        return [shape, radius, color](QPainter& p, const QPointF& at) {
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            p.drawRoundedRect(QRectF(at, shape.size()), radius, radius);
        };
    };
    const QRectF margin(-1, -1, 2, 2);
    if (frame.dragOpacity > 0 && inPaintArea(originalCellBounds())) {
        // The original stays behind, faded towards the window, while its copy is being dragged.
        const QPointF cell = DemoStage::gridCell(DemoStage::featuredColumn, DemoStage::featuredRow);
        const QRectF cover(cell.x() - 30, cell.y() - 18, 60, 52);
        Layer faded(painter, 0.5 * frame.dragOpacity);
        m_sprites.draw(painter, QStringLiteral("cover"), cover.topLeft(),
                       QRectF(margin.topLeft(), cover.size() + margin.size()), false,
                       fill(cover, 0, palette().color(QPalette::Base)));
    }
    if (frame.finderDim > 0 && inPaintArea(DemoStage::fileManagerWindow())) {
        const QRectF window = DemoStage::fileManagerWindow();
        Layer dim(painter, frame.finderDim);
        m_sprites.draw(painter, QStringLiteral("dim"), window.topLeft(),
                       QRectF(margin.topLeft(), window.size() + margin.size()), false, fill(window, 10, Qt::black));
    }
    if (frame.dropZoneHot > 0) {
        const double hot = clamp01(frame.dropZoneHot);
        part(QStringLiteral("zone"), hot >= 1, dropZoneBounds(), [this, hot](QPainter& p, const QPointF&) {
            // The resting zone is part of the cached window: cover it, then draw the lit one.
            p.setPen(Qt::NoPen);
            p.setBrush(palette().color(QPalette::Base));
            p.drawRect(DemoStage::dropZone().adjusted(-5, -5, 5, 5));
            drawDropZone(p, hot);
        });
    }
}

void AnimatedDemoCanvas::drawFileTile(QPainter& painter, const QPointF& centre, double scale, double shadow)
{
    const StageColors colors(palette());
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    const QRectF tile(-22, -22, 44, 44);
    drawSoftShadow(painter, tile, 9, shadow);
    painter.setPen(QPen(colors.line(), 0.8));
    painter.setBrush(withAlpha(colors.base, 0.96));
    painter.drawRoundedRect(tile, 9, 9);
    drawGlyph(painter, QStringLiteral("film.fill"), QPointF(0, 0), 28, colors.named(SystemColor::blue));
    painter.restore();
}

void AnimatedDemoCanvas::drawShiftKey(QPainter& painter, const DemoFrame& frame)
{
    if (frame.shiftAppear <= 0)
        return;
    const StageColors colors(palette());
    const QRectF key = DemoStage::shiftKey();
    Layer appear(painter, frame.shiftAppear);
    painter.save();
    // Pops in from its centre, overshooting a little.
    painter.translate(key.center());
    painter.scale(frame.shiftAppear, frame.shiftAppear);
    painter.translate(-key.center());
    const double down = frame.shiftActive ? 1.5 : 0;
    if (!frame.shiftActive) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(Qt::black, 0.16));
        painter.drawRoundedRect(key.translated(0, 2), 7, 7);
    }
    const QRectF cap = key.translated(0, down);
    painter.setPen(QPen(frame.shiftActive ? colors.accent : colors.line(), 0.9));
    painter.setBrush(frame.shiftActive ? colors.accent : colors.base);
    painter.drawRoundedRect(cap, 7, 7);
    const QColor ink = frame.shiftActive ? colors.onAccent : colors.text;
    const QFont label = stageFont(font(), 12, QFont::Medium);
    const QString word = L("Shift");
    const double wordWidth = QFontMetricsF(label).horizontalAdvance(word);
    const double glyph = 13;
    const double left = cap.center().x() - (glyph + 5 + wordWidth) / 2;
    drawGlyph(painter, QStringLiteral("shift"), QPointF(left + glyph / 2, cap.center().y()), glyph, ink);
    painter.setPen(ink);
    painter.setFont(label);
    painter.drawText(QRectF(left + glyph + 5, cap.top(), wordWidth + 2, cap.height()), Qt::AlignVCenter, word);
    painter.restore();
}

void AnimatedDemoCanvas::drawRing(QPainter& painter, const DemoFrame& frame)
{
    if (frame.radialOpacity <= 0)
        return;
    const StageColors colors(palette());
    const QPointF centre = DemoStage::ringCentre();
    constexpr double degrees = 180.0 / std::numbers::pi;
    Layer ring(painter, frame.radialOpacity);
    painter.save();
    painter.translate(centre);
    painter.scale(frame.radialScale, frame.radialScale);

    // Shadow and a backing disc, so the gaps between wedges read as lines rather than showing the files.
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(Qt::black, 0.14));
    painter.drawEllipse(QPointF(0, 4), DemoStage::ringOuterRadius + 2, DemoStage::ringOuterRadius + 2);
    painter.setBrush(withAlpha(mix(colors.base, colors.text, colors.dark ? 0.14 : 0.10), 0.95));
    painter.drawEllipse(QPointF(0, 0), DemoStage::ringOuterRadius + 1.5, DemoStage::ringOuterRadius + 1.5);

    const QStringList icons = radialIcons();
    for (int i = 0; i < DemoFrame::wedgeCount; ++i) {
        const double pop = frame.radialSegs[static_cast<size_t>(i)];
        if (pop <= 0)
            continue;
        const bool lit = frame.radialHighlight == i;
        Layer wedgeLayer(painter, pop);
        painter.save();
        painter.scale(pop, pop);
        painter.save();
        painter.rotate(DemoStage::ringRotation() * degrees);
        painter.translate(-centre);
        painter.setPen(QPen(colors.line(), 0.8));
        painter.setBrush(lit ? colors.accent : mix(colors.base, colors.text, colors.dark ? 0.06 : 0.02));
        painter.drawPath(DemoStage::unturnedWedgePath(i));
        painter.restore();
        // Icons stay upright while the ring is turned.
        drawGlyph(painter, icons.value(i), DemoStage::wedgeAnchor(i) - centre, lit ? 22 : 20,
                  lit ? colors.onAccent : withAlpha(colors.text, 0.78));
        painter.restore();
    }

    painter.setPen(QPen(colors.line(), 0.8));
    painter.setBrush(colors.base);
    painter.drawEllipse(QPointF(0, 0), DemoStage::ringInnerRadius - 3, DemoStage::ringInnerRadius - 3);
    painter.setPen(colors.text);
    painter.setFont(stageFont(font(), 13, QFont::Bold));
    painter.drawText(QRectF(-22, -15, 44, 15), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("⇧"));
    QFont small = stageFont(font(), 9, QFont::Medium);
    const QString formats = L("Formats");
    const double room = 2 * (DemoStage::ringInnerRadius - 5);
    const double width = QFontMetricsF(small).horizontalAdvance(formats);
    if (width > room)
        small.setPixelSize(std::max(6, static_cast<int>(9 * room / width)));
    painter.setFont(small);
    painter.setPen(colors.secondary());
    painter.drawText(QRectF(-room / 2 - 2, 0, room + 4, 12), Qt::AlignHCenter | Qt::AlignTop, formats);
    painter.restore();
}

void AnimatedDemoCanvas::drawProgressCapsule(QPainter& painter, const DemoFrame& frame)
{
    if (!frame.hudProgress)
        return;
    const StageColors colors(palette());
    const double progress = clamp01(*frame.hudProgress);
    const QColor green = colors.named(SystemColor::green);
    Layer appear(painter, frame.hudAppear);
    const QRectF capsule = DemoStage::progressCapsule().translated(0, -8 * (1 - frame.hudAppear));
    const double radius = capsule.height() / 2;
    drawSoftShadow(painter, capsule, radius, 0.8);
    painter.setPen(QPen(colors.line(), 0.8));
    painter.setBrush(mix(colors.window, colors.base, 0.5));
    painter.drawRoundedRect(capsule, radius, radius);

    const QPointF badge(capsule.left() + 7 + 11, capsule.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(frame.hudDone ? green : colors.accent, 0.16));
    painter.drawEllipse(badge, 11, 11);
    if (frame.hudDone) {
        drawGlyph(painter, QStringLiteral("checkmark"), badge, 12, green);
    } else {
        painter.save();
        painter.translate(badge);
        painter.rotate(progress * 240);
        drawGlyph(painter, QStringLiteral("gearshape"), QPointF(0, 0), 14, colors.accent);
        painter.restore();
    }

    const double textLeft = badge.x() + 11 + 8;
    const QRectF textRow(textLeft, capsule.top() + 5, capsule.right() - 14 - textLeft, 16);
    painter.setPen(colors.text);
    painter.setFont(stageFont(font(), 12, QFont::Medium));
    painter.drawText(textRow, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(painter.font())
                         .elidedText(frame.hudDone ? L("Done") : L("Converting…"), Qt::ElideRight, textRow.width()));
    const QRectF track(textLeft, capsule.bottom() - 10, textRow.width(), 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(colors.text, 0.12));
    painter.drawRoundedRect(track, 1.5, 1.5);
    painter.setBrush(frame.hudDone ? green : colors.accent);
    painter.drawRoundedRect(QRectF(track.left(), track.top(), track.width() * progress, track.height()), 1.5, 1.5);
}

void AnimatedDemoCanvas::drawPointer(QPainter& painter, const DemoFrame& frame)
{
    const QPointF tip = CursorShape::tip(pointerShape);
    const QPainterPath arrow = CursorShape::path(pointerShape);
    painter.save();
    painter.translate(frame.cursor);
    // A press squeezes the arrow slightly towards its tip.
    const double squeeze = 1 - 0.12 * clamp01(frame.cursorPressed);
    painter.scale(squeeze, squeeze);
    painter.translate(-tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(Qt::black, 0.22));
    painter.drawPath(arrow.translated(0.8, 1.4));
    painter.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(18, 18, 18));
    painter.drawPath(arrow);
    painter.restore();
}

namespace {
constexpr double captionBadge = 18;
constexpr double captionPadding = 6;

double captionRoom()
{
    return DemoStage::progressCapsule().left() - 12 - DemoStage::captionLeft - captionBadge - 3 * captionPadding;
}
} // namespace

QRectF AnimatedDemoCanvas::captionPill(DemoScene scene, const DemoFrame& frame) const
{
    const QFontMetricsF metrics(stageFont(font(), 12, QFont::Medium));
    const auto textWidth = [&](int index) {
        return std::min(metrics.horizontalAdvance(DemoFrame::captionText(scene, index)), captionRoom());
    };
    // The pill's width follows the caption's from the old text to the new one.
    const double k = clamp01(frame.captionChange);
    const double width = textWidth(frame.previousCaption) +
                         (textWidth(frame.caption) - textWidth(frame.previousCaption)) * k + captionBadge +
                         3.5 * captionPadding;
    return {DemoStage::captionLeft, DemoStage::captionTop, width, DemoStage::captionHeight};
}

void AnimatedDemoCanvas::drawCaption(QPainter& painter, DemoScene scene, const DemoFrame& frame)
{
    const StageColors colors(palette());
    const QFont textFont = stageFont(font(), 12, QFont::Medium);
    const QFontMetricsF metrics(textFont);
    constexpr double badge = captionBadge;
    constexpr double padding = captionPadding;
    const double room = captionRoom();
    const double k = clamp01(frame.captionChange);
    const QRectF pill = captionPill(scene, frame);
    const double radius = pill.height() / 2;
    drawSoftShadow(painter, pill, radius, 0.6);
    painter.setPen(QPen(colors.line(), 0.8));
    painter.setBrush(colors.base);
    painter.drawRoundedRect(pill, radius, radius);

    const QPointF badgeCentre(pill.left() + padding + badge / 2, pill.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.accent);
    painter.drawEllipse(badgeCentre, badge / 2, badge / 2);
    const QRectF badgeRect(badgeCentre.x() - badge / 2, badgeCentre.y() - badge / 2, badge, badge);
    const QRectF textRect(badgeRect.right() + padding, pill.top(), room, pill.height());
    // A changing caption rises out of the pill while the next one rises into it.
    painter.save();
    painter.setClipRect(pill.adjusted(0, 2, 0, -2));
    const auto drawStep = [&](int index, double opacity, double rise) {
        if (opacity <= 0)
            return;
        Layer step(painter, opacity);
        painter.setPen(Qt::white);
        painter.setFont(stageFont(font(), 10, QFont::Bold));
        painter.drawText(badgeRect.translated(0, -rise), Qt::AlignCenter, QString::number(index + 1));
        painter.setPen(colors.text);
        painter.setFont(textFont);
        painter.drawText(textRect.translated(0, -rise), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(DemoFrame::captionText(scene, index), Qt::ElideRight, room));
    };
    constexpr double travel = 8;
    if (frame.previousCaption != frame.caption) {
        drawStep(frame.previousCaption, 1 - k, travel * k);
        drawStep(frame.caption, k, -travel * (1 - k));
    } else {
        drawStep(frame.caption, 1, 0);
    }
    painter.restore();
}

} // namespace karvo
