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

} // namespace

AnimatedDemoCanvas::AnimatedDemoCanvas(DemoScene scene, QWidget* parent)
    : QWidget(parent), m_scene(scene), m_previousScene(scene), m_clock(monotonicSeconds), m_tick(new QTimer(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_epoch = m_previousEpoch = now();
    m_tick->setInterval(frameIntervalMs);
    m_tick->setTimerType(Qt::PreciseTimer);
    connect(m_tick, &QTimer::timeout, this, qOverload<>(&QWidget::update));
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
    update();
}

void AnimatedDemoCanvas::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicSeconds);
    m_epoch = m_previousEpoch = now();
    m_switchStart = -1;
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

void AnimatedDemoCanvas::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_tick->start();
}

void AnimatedDemoCanvas::hideEvent(QHideEvent* event)
{
    // Also reached when the window is minimised or the page is swapped out.
    m_tick->stop();
    m_plate = m_windows = QPixmap();
    QWidget::hideEvent(event);
}

void AnimatedDemoCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_glyphs.clear();
    m_plate = m_windows = QPixmap();
}

void AnimatedDemoCanvas::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        m_glyphs.clear();
        m_plate = m_windows = QPixmap();
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

void AnimatedDemoCanvas::paintEvent(QPaintEvent*)
{
    const double scale = stageScale();
    if (scale <= 0)
        return;
    ensureCaches();
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // The stage starts on a whole device pixel, so the cached layers are copied without resampling.
    const double ratio = devicePixelRatioF();
    const QSizeF shown = DemoStage::size * scale;
    painter.translate(std::floor((width() - shown.width()) / 2 * ratio) / ratio,
                      std::floor((height() - shown.height()) / 2 * ratio) / ratio);
    m_origin = painter.transform();
    // The stage's plate stays while its contents fade between loops and scenes.
    painter.drawPixmap(QPointF(0, 0), m_plate);
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), DemoStage::size));

    const double k = switchProgress();
    if (k < 1) {
        Layer outgoing(painter, 1 - k);
        drawScene(painter, m_previousScene, DemoFrame::at(m_previousScene, now() - m_previousEpoch));
    } else {
        m_switchStart = -1;
    }
    Layer incoming(painter, k);
    drawScene(painter, m_scene, currentFrame());
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
}

void AnimatedDemoCanvas::drawScene(QPainter& painter, DemoScene scene, const DemoFrame& frame)
{
    Layer stage(painter, frame.global);
    painter.save();
    painter.setTransform(m_origin);
    painter.drawPixmap(QPointF(0, 0), m_windows);
    painter.restore();
    drawWindowStates(painter, frame);
    if (scene == DemoScene::quickDrag) {
        drawShiftKey(painter, frame);
        drawRing(painter, frame);
    }
    drawProgressCapsule(painter, frame);
    for (qsizetype i = 0; i < frame.ghosts.size(); ++i) {
        Layer ghost(painter, frame.ghostOpacities.value(i));
        drawFileTile(painter, frame.ghosts[i], frame.dragScale, 0);
    }
    if (frame.dragOpacity > 0) {
        Layer dragged(painter, frame.dragOpacity);
        drawFileTile(painter, frame.filePos, frame.dragScale, frame.lift);
    }
    drawPointer(painter, frame);
    drawCaption(painter, scene, frame);
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

void AnimatedDemoCanvas::drawWindowStates(QPainter& painter, const DemoFrame& frame)
{
    const StageColors colors(palette());
    if (frame.dragOpacity > 0) {
        // The original stays behind, faded towards the window, while its copy is being dragged.
        const QPointF cell = DemoStage::gridCell(DemoStage::featuredColumn, DemoStage::featuredRow);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(colors.base, 0.5 * frame.dragOpacity));
        painter.drawRect(QRectF(cell.x() - 30, cell.y() - 18, 60, 52));
    }
    if (frame.finderDim > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgbF(0, 0, 0, static_cast<float>(frame.finderDim)));
        painter.drawRoundedRect(DemoStage::fileManagerWindow(), 10, 10);
    }
    if (frame.dropZoneHot > 0) {
        // The resting zone is part of the cached window: cover it, then draw the lit one.
        painter.setPen(Qt::NoPen);
        painter.setBrush(colors.base);
        painter.drawRect(DemoStage::dropZone().adjusted(-5, -5, 5, 5));
        drawDropZone(painter, clamp01(frame.dropZoneHot));
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
    const QRectF shape(0, 0, 15, 23.75);
    const QPointF tip = CursorShape::tip(shape);
    const QPainterPath arrow = CursorShape::path(shape);
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

void AnimatedDemoCanvas::drawCaption(QPainter& painter, DemoScene scene, const DemoFrame& frame)
{
    const StageColors colors(palette());
    const QFont textFont = stageFont(font(), 12, QFont::Medium);
    const QFontMetricsF metrics(textFont);
    constexpr double badge = 18;
    constexpr double padding = 6;
    const double room = DemoStage::progressCapsule().left() - 12 - DemoStage::captionLeft - badge - 3 * padding;
    const auto textWidth = [&](int index) {
        return std::min(metrics.horizontalAdvance(DemoFrame::captionText(scene, index)), room);
    };
    const double k = clamp01(frame.captionChange);
    const double width = textWidth(frame.previousCaption) +
                         (textWidth(frame.caption) - textWidth(frame.previousCaption)) * k + badge + 3.5 * padding;
    const QRectF pill(DemoStage::captionLeft, DemoStage::captionTop, width, DemoStage::captionHeight);
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
