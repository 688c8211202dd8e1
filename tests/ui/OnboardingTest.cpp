// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimatedDemoCanvas.h"
#include "DemoFrame.h"
#include "DemoSprites.h"
#include "DemoStage.h"
#include "DemoStoryboard.h"
#include "OnboardingView.h"
#include "Preferences.h"
#include "QuickDragController.h"
#include "QuickDragControls.h"
#include "ReducedMotion.h"
#include "SettingsDefaults.h"
#include "VirtualFinderDemoView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <optional>

using namespace karvo;

namespace {

constexpr double tolerance = 1e-9;

void expectPoint(const QPointF& actual, const QPointF& expected, double t)
{
    EXPECT_NEAR(actual.x(), expected.x(), 1e-6) << "t = " << t;
    EXPECT_NEAR(actual.y(), expected.y(), 1e-6) << "t = " << t;
}

QPointF cubic(const QPointF& a, const QPointF& b, const QPointF& c, const QPointF& d, double u)
{
    const double v = 1 - u;
    return a * v * v * v + b * 3 * v * v * u + c * 3 * v * u * u + d * u * u * u;
}

DemoFrame quick(double t)
{
    return DemoFrame::at(DemoScene::quickDrag, t);
}

DemoFrame manual(double t)
{
    return DemoFrame::at(DemoScene::manualDrop, t);
}

// Frames that should be the same picture, compared field by field.
void expectSameFrame(const DemoFrame& a, const DemoFrame& b, double t)
{
    expectPoint(a.cursor, b.cursor, t);
    expectPoint(a.filePos, b.filePos, t);
    EXPECT_NEAR(a.cursorPressed, b.cursorPressed, 1e-6) << t;
    EXPECT_NEAR(a.dragOpacity, b.dragOpacity, 1e-6) << t;
    EXPECT_NEAR(a.radialOpacity, b.radialOpacity, 1e-6) << t;
    EXPECT_NEAR(a.finderDim, b.finderDim, 1e-6) << t;
    EXPECT_NEAR(a.global, b.global, 1e-6) << t;
    EXPECT_EQ(a.ghosts.size(), b.ghosts.size()) << t;
    EXPECT_EQ(a.radialHighlight, b.radialHighlight) << t;
    EXPECT_EQ(a.caption, b.caption) << t;
    EXPECT_EQ(a.hudProgress.has_value(), b.hudProgress.has_value()) << t;
}

// A controller with an in-memory switch and a monitor that starts or fails as told.
struct FakeQuickDrag {
    explicit FakeQuickDrag(bool monitorStarts) : controller([this] { return stored; }, [this](bool on) { stored = on; })
    {
        controller.setMonitorCallbacks([monitorStarts] { return monitorStarts; }, [] {});
    }
    bool stored = false;
    QuickDragController controller;
};

class ReducedMotionOverride {
public:
    explicit ReducedMotionOverride(bool reduced) { ReducedMotion::setOverride(reduced); }
    ~ReducedMotionOverride() { ReducedMotion::setOverride(std::nullopt); }
    ReducedMotionOverride(const ReducedMotionOverride&) = delete;
    ReducedMotionOverride& operator=(const ReducedMotionOverride&) = delete;
};

void forgetOnboarding()
{
    Preferences::remove(QString::fromLatin1(SettingsDefaults::onboardingDoneKey));
}

bool onboardingDone()
{
    return Preferences::value(QString::fromLatin1(SettingsDefaults::onboardingDoneKey)).toBool();
}

void pressReturn(QWidget* target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

} // namespace

TEST(DemoEasing, CubicInOutHoldsItsEndsAndMeetsInTheMiddle)
{
    EXPECT_EQ(DemoFrame::easeInOut(-3), 0);
    EXPECT_EQ(DemoFrame::easeInOut(0), 0);
    EXPECT_NEAR(DemoFrame::easeInOut(0.25), 0.0625, tolerance);
    EXPECT_NEAR(DemoFrame::easeInOut(0.5 - 1e-9), 0.5, 1e-6);
    EXPECT_NEAR(DemoFrame::easeInOut(0.5), 0.5, tolerance);
    EXPECT_NEAR(DemoFrame::easeInOut(0.75), 0.9375, tolerance);
    EXPECT_EQ(DemoFrame::easeInOut(1), 1);
    EXPECT_EQ(DemoFrame::easeInOut(7), 1);
}

TEST(DemoEasing, BackOutStartsAtZeroOvershootsAndSettlesAtOne)
{
    EXPECT_NEAR(DemoFrame::backOut(-1), 0, tolerance);
    EXPECT_NEAR(DemoFrame::backOut(0), 0, tolerance);
    EXPECT_NEAR(DemoFrame::backOut(1), 1, tolerance);
    EXPECT_NEAR(DemoFrame::backOut(4), 1, tolerance);
    double peak = 0;
    for (double x = 0; x <= 1; x += 0.01)
        peak = std::max(peak, DemoFrame::backOut(x));
    EXPECT_GT(peak, 1.05);
    EXPECT_LT(peak, 1.2);
}

TEST(DemoFrameQuickDrag, ReleaseInstantHasNoHighlightAndTheDoneCaption)
{
    const DemoFrame before = quick(4.449);
    EXPECT_EQ(before.radialHighlight, std::optional<int>(3));
    EXPECT_EQ(before.caption, 2);
    EXPECT_TRUE(before.shiftActive);

    const DemoFrame release = quick(4.45);
    EXPECT_EQ(release.radialHighlight, std::nullopt);
    EXPECT_EQ(release.caption, 3);
    EXPECT_EQ(DemoFrame::captionText(DemoScene::quickDrag, release.caption), QStringLiteral("Release — done!"));
    EXPECT_FALSE(release.shiftActive);
    EXPECT_NEAR(release.cursorPressed, 1, tolerance);
    EXPECT_NEAR(release.dragOpacity, 1, tolerance);
}

TEST(DemoFrameQuickDrag, PointerReachesEachPlaceOfTheTimeline)
{
    const struct {
        double t;
        QPointF cursor;
    } rows[] = {
        {0, {430, 295}},    {0.35, {430, 297}}, {0.7, {430, 295}},  {0.95, {328, 250}},
        {1.2, {226, 205}},  {1.45, {226, 205}}, {1.95, {280, 190}}, {2.2, {280, 190}},
        {2.4, {280, 164}},  {2.6, {280, 138}},  {3.0, {280, 138}},  {3.4, {235, 220}},
        {4.45, {235, 220}}, {5.2, {430, 295}},  {6.5, {430, 295}},  {7.1, {430, 295}},
    };
    for (const auto& row : rows) {
        const DemoFrame frame = quick(row.t);
        expectPoint(frame.cursor, row.cursor, row.t);
        expectPoint(frame.filePos, row.cursor + QPointF(-14, -24), row.t);
    }
    // Between the grab and the ring, the pointer carries the file along the drag path.
    const QPointF midway = quick(1.7).cursor;
    EXPECT_GT(midway.x(), 226);
    EXPECT_LT(midway.x(), 280);
}

TEST(DemoFrameQuickDrag, GhostsTrailOnlyWhileTheirPlaceOnThePathIsPositive)
{
    EXPECT_TRUE(quick(1.449).ghosts.isEmpty());
    EXPECT_TRUE(quick(1.45).ghosts.isEmpty());
    // p = e((t − 1.45) / 0.75); p reaches 0.1 at x ≈ 0.2924 and 0.2 at x ≈ 0.3684.
    const DemoFrame one = quick(1.45 + 0.75 * 0.33);
    ASSERT_EQ(one.ghosts.size(), 1);
    EXPECT_EQ(one.ghostOpacities, QList<double>{0.2});
    const DemoFrame two = quick(1.45 + 0.75 * 0.6);
    ASSERT_EQ(two.ghosts.size(), 2);
    EXPECT_EQ(two.ghostOpacities, (QList<double>{0.2, 0.1}));
    const double p = DemoFrame::easeInOut(0.6);
    const auto onPath = [](double u) {
        return cubic({226, 205}, {240, 180}, {260, 185}, {280, 190}, u) + QPointF(-14, -24);
    };
    expectPoint(two.ghosts[0], onPath(p - 0.1), 1.9);
    expectPoint(two.ghosts[1], onPath(p - 0.2), 1.9);
    EXPECT_EQ(quick(2.199).ghosts.size(), 2);
    EXPECT_TRUE(quick(2.2).ghosts.isEmpty());
}

TEST(DemoFrameQuickDrag, ShiftKeyPopsInIsHeldAndGoes)
{
    EXPECT_NEAR(quick(1.45).shiftAppear, 0, tolerance);
    EXPECT_GT(quick(1.7).shiftAppear, 1); // overshoot of the pop
    EXPECT_NEAR(quick(1.85).shiftAppear, 1, tolerance);
    EXPECT_FALSE(quick(1.849).shiftActive);
    EXPECT_TRUE(quick(1.85).shiftActive);
    EXPECT_NEAR(quick(4.575).shiftAppear, 0.5, 1e-6);
    EXPECT_NEAR(quick(4.7).shiftAppear, 0, tolerance);
}

TEST(DemoFrameQuickDrag, RingOpensHighlightsTwoWedgesAndShrinksAway)
{
    const DemoFrame closed = quick(1.94);
    EXPECT_EQ(closed.radialOpacity, 0);
    EXPECT_NEAR(closed.radialScale, 0.2, tolerance);
    EXPECT_NEAR(closed.finderDim, 0, tolerance);

    const DemoFrame opening = quick(2.0);
    EXPECT_GT(opening.radialSegs[0], opening.radialSegs[5]); // wedges pop in one after another
    EXPECT_NEAR(quick(2.1).radialOpacity, 1, tolerance);
    EXPECT_NEAR(quick(2.35).radialScale, 1, tolerance);
    EXPECT_NEAR(quick(2.3).finderDim, DemoFrame::maxDim, tolerance);

    EXPECT_EQ(quick(2.399).radialHighlight, std::nullopt);
    EXPECT_EQ(quick(2.4).radialHighlight, std::optional<int>(0));
    EXPECT_EQ(quick(3.0).radialHighlight, std::nullopt);
    EXPECT_EQ(quick(3.2).radialHighlight, std::optional<int>(3));

    const DemoFrame gone = quick(4.75);
    EXPECT_NEAR(gone.radialScale, 0.6, tolerance);
    EXPECT_NEAR(gone.radialOpacity, 0, tolerance);
    EXPECT_NEAR(gone.dragOpacity, 0, tolerance);
    EXPECT_NEAR(gone.dragScale, 0.45 * 1.1, tolerance);
    EXPECT_NEAR(quick(4.62).cursorPressed, 0, tolerance);
    EXPECT_NEAR(quick(4.9).finderDim, 0, tolerance);
}

TEST(DemoFrameQuickDrag, AimedPointsLieInTheWedgesTheyHighlight)
{
    // The pointer stands in the ring's hole while it opens, then on wedge 0, then on wedge 3.
    EXPECT_EQ(DemoStage::wedgeAt(quick(2.0).cursor), std::nullopt);
    // Wherever it rests on an aim point, the lit wedge is the one under it.
    for (const double t : {2.6, 2.8, 2.99, 3.4, 3.9, 4.44}) {
        const DemoFrame frame = quick(t);
        ASSERT_TRUE(frame.radialHighlight) << "t = " << t;
        EXPECT_EQ(DemoStage::wedgeAt(frame.cursor), frame.radialHighlight) << "t = " << t;
    }
}

TEST(DemoFrameQuickDrag, ProgressCapsuleRunsAndFinishes)
{
    EXPECT_FALSE(quick(4.54).hudProgress);
    ASSERT_TRUE(quick(4.55).hudProgress);
    EXPECT_NEAR(*quick(4.55).hudProgress, 0, tolerance);
    EXPECT_NEAR(*quick(4.95).hudProgress, 0.5, tolerance);
    EXPECT_FALSE(quick(5.19).hudDone);
    EXPECT_TRUE(quick(5.2).hudDone);
    EXPECT_NEAR(*quick(5.2).hudProgress, 1, tolerance);
}

TEST(DemoFrameQuickDrag, CaptionsChangeAtTheirTimesWithAShortCrossfade)
{
    EXPECT_EQ(quick(1.949).caption, 0);
    EXPECT_EQ(quick(1.95).caption, 1);
    EXPECT_EQ(quick(2.6).caption, 2);
    const DemoFrame changing = quick(2.6 + 0.125);
    EXPECT_EQ(changing.previousCaption, 1);
    EXPECT_NEAR(changing.captionChange, 0.5, tolerance);
    EXPECT_NEAR(quick(2.6 + 0.25).captionChange, 1, tolerance);
    EXPECT_EQ(DemoFrame::captionCount(DemoScene::quickDrag), 4);
    EXPECT_EQ(DemoFrame::captionText(DemoScene::quickDrag, 0), QStringLiteral("Drag a file in the file manager"));
    EXPECT_TRUE(DemoFrame::captionText(DemoScene::quickDrag, 4).isEmpty());
}

TEST(DemoFrameLoop, FadesOutAndInAndRepeatsEveryPeriod)
{
    EXPECT_NEAR(quick(6.2).global, 1, tolerance);
    EXPECT_NEAR(quick(6.4).global, 0.5, tolerance);
    EXPECT_NEAR(quick(6.75).global, 0, tolerance);
    EXPECT_NEAR(quick(7.05).global, 0.5, tolerance);
    EXPECT_NEAR(manual(5.2).global, 0.5, tolerance);
    EXPECT_NEAR(manual(5.5).global, 0, tolerance);
    EXPECT_NEAR(manual(5.85).global, 0.5, tolerance);

    for (const DemoScene scene : {DemoScene::quickDrag, DemoScene::manualDrop}) {
        const double period = DemoFrame::period(scene);
        for (const double t : {0.3, 1.6, 2.5, 3.3, 4.6}) {
            expectSameFrame(DemoFrame::at(scene, t + period), DemoFrame::at(scene, t), t);
            expectSameFrame(DemoFrame::at(scene, t + 3 * period), DemoFrame::at(scene, t), t);
            expectSameFrame(DemoFrame::at(scene, t - period), DemoFrame::at(scene, t), t);
        }
        // What fades in is the loop's first picture, so nothing jumps when the loop starts over.
        DemoFrame last = DemoFrame::at(scene, period - 1e-6);
        last.global = 1;
        expectSameFrame(last, DemoFrame::at(scene, 0), period);
    }
}

TEST(DemoFrameManualDrop, FileTravelsIntoTheWindowAndTheDropZoneLights)
{
    const struct {
        double t;
        QPointF cursor;
    } rows[] = {
        {0, {400, 300}},    {0.7, {400, 300}},  {1.2, {200, 198}},
        {1.45, {200, 198}}, {2.75, {450, 177}}, {4.0, {450, 177}},
    };
    for (const auto& row : rows) {
        expectPoint(manual(row.t).cursor, row.cursor, row.t);
        expectPoint(manual(row.t).filePos, row.cursor + QPointF(-14, -24), row.t);
    }
    const double p = DemoFrame::easeInOut(0.5);
    expectPoint(manual(1.45 + 0.65).cursor, cubic({200, 198}, {230, 120}, {350, 120}, {450, 177}, p), 2.1);

    // After arriving, the trail lingers at the end of the path until 3.0.
    const DemoFrame lingering = manual(2.9);
    ASSERT_EQ(lingering.ghosts.size(), 2);
    expectPoint(lingering.ghosts[1], cubic({200, 198}, {230, 120}, {350, 120}, {450, 177}, 0.8) + QPointF(-14, -24),
                2.9);
    EXPECT_TRUE(manual(3.0).ghosts.isEmpty());

    EXPECT_NEAR(manual(2.75).dropZoneHot, 0, tolerance);
    EXPECT_NEAR(manual(3.1).dropZoneHot, 1, tolerance);
    EXPECT_NEAR(manual(4.9).dropZoneHot, 1, tolerance);
    EXPECT_NEAR(manual(5.3).dropZoneHot, 0, tolerance);
    EXPECT_NEAR(manual(1.8).finderDim, DemoFrame::maxDim, tolerance);
    EXPECT_NEAR(manual(3.9).finderDim, 0, tolerance);

    EXPECT_NEAR(manual(3.25 + 0.225).dragOpacity, 0.5, tolerance);
    EXPECT_NEAR(manual(3.7).dragScale, 0.3 * 1.1, tolerance);
    EXPECT_EQ(manual(3.249).caption, 0);
    EXPECT_EQ(manual(3.25).caption, 1);
    EXPECT_FALSE(manual(3.59).hudProgress);
    EXPECT_NEAR(*manual(4.125).hudProgress, 0.5, tolerance);
    EXPECT_TRUE(manual(4.5).hudDone);
    // Neither the ring nor the Shift key belong to this scene.
    for (double t = 0; t < 6; t += 0.25) {
        EXPECT_EQ(manual(t).radialOpacity, 0) << t;
        EXPECT_EQ(manual(t).shiftAppear, 0) << t;
    }
}

TEST(AnimatedDemoCanvas, RedrawsOnlyWhileShown)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* canvas = new AnimatedDemoCanvas(DemoScene::quickDrag);
    layout->addWidget(canvas);
    EXPECT_FALSE(canvas->isTicking());

    window.show();
    EXPECT_TRUE(canvas->isTicking());
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(canvas->isTicking());
    window.setWindowState(Qt::WindowNoState);
    window.show();
    EXPECT_TRUE(canvas->isTicking());
    window.hide();
    EXPECT_FALSE(canvas->isTicking());
    window.show();
    canvas->hide();
    EXPECT_FALSE(canvas->isTicking());
}

TEST(AnimatedDemoCanvas, ShowsTheFrameForTheTimeSinceTheSceneStarted)
{
    double clock = 100;
    AnimatedDemoCanvas canvas(DemoScene::quickDrag);
    canvas.setClock([&clock] { return clock; });
    clock += 4.45 + 7.2;
    EXPECT_NEAR(canvas.sceneTime(), 4.45, 1e-9);
    EXPECT_EQ(canvas.currentFrame().caption, 3);

    // A new scene starts from its beginning.
    canvas.setScene(DemoScene::manualDrop, false);
    EXPECT_EQ(canvas.scene(), DemoScene::manualDrop);
    EXPECT_NEAR(canvas.sceneTime(), 0, 1e-9);
    clock += 2.75;
    expectPoint(canvas.currentFrame().cursor, {450, 177}, 2.75);
}

namespace {

// The canvas's window as it would stand on screen after each tick: only what a tick asked to redraw is
// painted again, over the previous picture. The canvas sits inside the window's margins, as on a page.
class IncrementalScreen {
public:
    IncrementalScreen(QWidget& window, AnimatedDemoCanvas& canvas)
        : m_window(window), m_canvas(canvas), m_image(window.size(), QImage::Format_ARGB32_Premultiplied)
    {
        m_image.fill(Qt::transparent);
        m_window.render(&m_image);
    }
    QRegion tick()
    {
        const QRegion asked = m_canvas.advance().translated(m_canvas.pos());
        if (!asked.isEmpty())
            m_window.render(&m_image, asked.boundingRect().topLeft(), asked);
        return asked;
    }
    const QImage& image() const { return m_image; }

private:
    QWidget& m_window;
    AnimatedDemoCanvas& m_canvas;
    QImage m_image;
};

QImage fullPicture(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

// The first pixel where two pictures differ by more than the rounding of an edge clipped in another
// place (a level or two), or nothing.
std::optional<QPoint> firstDifference(const QImage& a, const QImage& b)
{
    const auto near = [](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) <= 2 && std::abs(qGreen(p) - qGreen(q)) <= 2 &&
               std::abs(qBlue(p) - qBlue(q)) <= 2 && std::abs(qAlpha(p) - qAlpha(q)) <= 2;
    };
    for (int y = 0; y < a.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (!near(left[x], right[x]))
                return QPoint(x, y);
    }
    return std::nullopt;
}

// A window with the canvas inside margins, as a page holds it.
struct CanvasWindow {
    CanvasWindow(DemoScene scene, const QSize& size) : canvas(new AnimatedDemoCanvas(scene))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(13, 7, 11, 5);
        layout->addWidget(canvas);
        window.resize(size);
        window.show();
    }
    QWidget window;
    AnimatedDemoCanvas* canvas;
};

} // namespace

TEST(AnimatedDemoCanvas, RedrawingOnlyWhatChangedGivesTheFullPictureAtEveryTick)
{
    for (const DemoScene scene : {DemoScene::quickDrag, DemoScene::manualDrop}) {
        for (const QSize size : {QSize(657, 392), QSize(541, 313)}) {
            SCOPED_TRACE(testing::Message() << (scene == DemoScene::quickDrag ? "quick drag " : "manual drop ")
                                            << size.width() << "x" << size.height());
            double clock = 50;
            CanvasWindow shown(scene, size);
            AnimatedDemoCanvas* canvas = shown.canvas;
            canvas->setClock([&clock] { return clock; });
            IncrementalScreen screen(shown.window, *canvas);
            const double period = DemoFrame::period(scene);
            // A whole loop and into the next, with a switch of scenes crossfading on the way.
            for (int i = 1; i <= static_cast<int>((period + 1) * 30); ++i) {
                clock = 50 + i / 30.0;
                if (i == 45)
                    canvas->setScene(scene == DemoScene::quickDrag ? DemoScene::manualDrop : DemoScene::quickDrag);
                if (i == 60)
                    canvas->setScene(scene);
                screen.tick();
                const std::optional<QPoint> wrong = firstDifference(screen.image(), fullPicture(shown.window));
                ASSERT_FALSE(wrong) << "tick " << i << ", t = " << canvas->sceneTime() << " at " << wrong->x() << ", "
                                    << wrong->y();
            }
        }
    }
}

TEST(AnimatedDemoCanvas, DrawnInItsWindowTheStageLooksAsDrawnAlone)
{
    // Parts kept as pictures are placed by device pixels: an offset of the canvas in its window must not
    // move them. The pointer, the open ring with a lit wedge, the caption and the finished capsule.
    double clock = 0;
    CanvasWindow shown(DemoScene::quickDrag, QSize(657, 392));
    shown.canvas->setClock([&clock] { return clock; });
    for (const double t : {0.3, 1.7, 2.5, 5.5}) {
        clock = t;
        shown.canvas->advance();
        const QImage alone = fullPicture(*shown.canvas);
        const QImage inWindow = fullPicture(shown.window).copy(shown.canvas->geometry());
        const std::optional<QPoint> wrong = firstDifference(alone, inWindow);
        EXPECT_FALSE(wrong) << "t = " << t << " at " << wrong->x() << ", " << wrong->y();
    }
}

TEST(AnimatedDemoCanvas, RedrawsOnlyTheMovingPartsAndNothingWhileTheSceneHolds)
{
    double clock = 0;
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* canvas = new AnimatedDemoCanvas(DemoScene::quickDrag);
    layout->addWidget(canvas);
    window.resize(633, 380);
    window.show();
    canvas->setClock([&clock] { return clock; });
    const auto area = [](const QRegion& region) {
        long pixels = 0;
        for (const QRect& rect : region)
            pixels += static_cast<long>(rect.width()) * rect.height();
        return pixels;
    };
    const long stage = 633L * 380;

    clock = 0.9;
    canvas->advance();
    // The pointer on its way to the file: a small patch around it.
    clock = 0.9 + 1 / 60.0;
    const QRegion pointer = canvas->advance();
    EXPECT_GT(area(pointer), 0);
    EXPECT_LT(area(pointer), stage / 20);

    // Done and resting before the fade: nothing to draw.
    clock = 5.5;
    canvas->advance();
    clock = 5.5 + 1 / 60.0;
    EXPECT_TRUE(canvas->advance().isEmpty());

    // The fade at the end of the loop changes the whole stage.
    clock = 6.4;
    canvas->advance();
    clock = 6.4 + 1 / 60.0;
    EXPECT_EQ(area(canvas->advance()), area(QRegion(QRect(QPoint(0, 0), QSize(633, 380)))));
}

TEST(DemoSprites, ACopiedPartLooksAsDrawnAndAMovingOneTakesFewPictures)
{
    const auto shape = [](QPainter& p, const QPointF& at) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(QColor(200, 30, 30, 200));
        p.drawRoundedRect(QRectF(at, QSizeF(30.5, 20.25)), 6, 6);
    };
    const QRectF extent(-2, -2, 35, 25);
    const auto canvas = [] {
        QImage image(120, 90, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        return image;
    };
    DemoSprites sprites;
    for (const double scale : {1.0, 1.0556}) {
        for (const QPointF anchor : {QPointF(10.3, 7.7), QPointF(40, 20)}) {
            SCOPED_TRACE(testing::Message() << scale << " at " << anchor.x() << ", " << anchor.y());
            QImage drawn = canvas();
            QImage copied = canvas();
            {
                QPainter direct(&drawn);
                direct.translate(3, 5);
                direct.scale(scale, scale);
                shape(direct, anchor);
                QPainter copy(&copied);
                copy.translate(3, 5);
                copy.scale(scale, scale);
                sprites.draw(copy, QStringLiteral("shape"), anchor, extent, false, shape);
            }
            EXPECT_FALSE(firstDifference(drawn, copied));
        }
    }
    // A part moving in small steps is placed to an eighth of a pixel: at most 64 pictures of one look.
    DemoSprites moving;
    QImage image = canvas();
    QPainter painter(&image);
    for (int i = 0; i < 500; ++i)
        moving.draw(painter, QStringLiteral("shape"), QPointF(10 + 0.0371 * i, 7 + 0.0123 * i), extent, true, shape);
    EXPECT_GT(moving.size(), 1);
    EXPECT_LE(moving.size(), 64);
}

TEST(VirtualFinderDemoView, ReducedMotionShowsTheStoryboardAndNothingMoves)
{
    {
        const ReducedMotionOverride reduced(true);
        VirtualFinderDemoView view(DemoScene::quickDrag);
        view.resize(600, 360);
        view.show();
        EXPECT_TRUE(view.showsStoryboard());
        ASSERT_NE(view.storyboard(), nullptr);
        EXPECT_TRUE(view.storyboard()->isVisible());
        EXPECT_EQ(view.canvas(), nullptr);
        EXPECT_EQ(view.storyboard()->labels(),
                  (QStringList{QStringLiteral("Drag a file in the file manager"), QStringLiteral("Hold ⇧ Shift"),
                               QStringLiteral("Release — done!")}));
        view.setScene(DemoScene::manualDrop);
        EXPECT_EQ(view.storyboard()->labels().value(1), QStringLiteral("Drop files here"));
    }
    {
        const ReducedMotionOverride moving(false);
        VirtualFinderDemoView view(DemoScene::quickDrag);
        view.show();
        EXPECT_FALSE(view.showsStoryboard());
        ASSERT_NE(view.canvas(), nullptr);
        EXPECT_TRUE(view.canvas()->isTicking());

        // The desktop's choice is read again on the next showing.
        view.hide();
        ReducedMotion::setOverride(true);
        view.show();
        EXPECT_TRUE(view.showsStoryboard());
        EXPECT_FALSE(view.canvas()->isTicking());
    }
}

// GNOME's switch, read through GIO as the program loads it: a schema of the test's own whose default turns
// animations off, with GSettings' in-memory backend so nothing of the machine's settings is read or written.
TEST(ReducedMotion, GnomesAnimationSwitchIsReadThroughGio)
{
    QTemporaryDir schemas;
    ASSERT_TRUE(schemas.isValid());
    QFile schema(schemas.filePath(QStringLiteral("org.gnome.desktop.interface.gschema.xml")));
    ASSERT_TRUE(schema.open(QIODevice::WriteOnly));
    schema.write(R"(<schemalist>
  <schema id="org.gnome.desktop.interface" path="/org/gnome/desktop/interface/">
    <key name="enable-animations" type="b"><default>false</default></key>
  </schema>
</schemalist>
)");
    schema.close();
    ASSERT_EQ(QProcess::execute(QStringLiteral("glib-compile-schemas"), {schemas.path()}), 0);
    // GIO reads these when it is first loaded, which is at the first question.
    qputenv("GSETTINGS_SCHEMA_DIR", QFile::encodeName(schemas.path()));
    qputenv("GSETTINGS_BACKEND", "memory");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(schemas.path()));
    EXPECT_EQ(ReducedMotion::gnomeAnimationsEnabled(), false);
    EXPECT_TRUE(ReducedMotion::enabled());
}

TEST(ReducedMotion, KdeInstantAnimationsCountAsReducedMotion)
{
    EXPECT_TRUE(
        ReducedMotion::kdeAnimationsOff(QStringLiteral("[General]\nfoo=1\n[KDE]\nAnimationDurationFactor=0\n")));
    EXPECT_TRUE(ReducedMotion::kdeAnimationsOff(QStringLiteral("[KDE]\n AnimationDurationFactor = 0.0\n")));
    EXPECT_FALSE(ReducedMotion::kdeAnimationsOff(QStringLiteral("[KDE]\nAnimationDurationFactor=0.5\n")));
    EXPECT_FALSE(ReducedMotion::kdeAnimationsOff(QStringLiteral("[General]\nAnimationDurationFactor=0\n")));
    EXPECT_FALSE(ReducedMotion::kdeAnimationsOff(QStringLiteral("[KDE]\nAnimationDurationFactor=\n")));
    EXPECT_FALSE(ReducedMotion::kdeAnimationsOff(QString()));

    // Read from the user's config folder (this case's own) when GNOME does not already ask for it.
    if (ReducedMotion::gnomeAnimationsEnabled() == false)
        GTEST_SKIP() << "the desktop's GNOME setting already reduces motion";
    EXPECT_FALSE(ReducedMotion::enabled());
    const QString path = ReducedMotion::kdeGlobalsPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("[KDE]\nAnimationDurationFactor=0\n");
    file.close();
    EXPECT_TRUE(ReducedMotion::enabled());
    ReducedMotion::setOverride(false);
    EXPECT_FALSE(ReducedMotion::enabled());
    ReducedMotion::setOverride(std::nullopt);
    QFile::remove(path);
}

TEST(OnboardingView, StartsOnTheFirstPageAndContinuesToGetStarted)
{
    forgetOnboarding();
    FakeQuickDrag quickDrag(true);
    int finished = 0;
    OnboardingView view(quickDrag.controller, [&finished] { ++finished; });
    view.resize(800, 600);
    view.show();
    EXPECT_EQ(view.page(), 0);
    EXPECT_EQ(view.primaryButton()->text(), QStringLiteral("Continue"));

    view.primaryButton()->click();
    EXPECT_EQ(view.page(), 1);
    EXPECT_TRUE(view.isTransitioning());
    EXPECT_TRUE(view.pageWidget(1)->isVisible());
    view.primaryButton()->click(); // a press during the slide finishes it and moves on
    EXPECT_EQ(view.page(), 2);
    view.settleTransition();
    EXPECT_FALSE(view.pageWidget(0)->isVisible());
    EXPECT_FALSE(view.pageWidget(1)->isVisible());
    EXPECT_TRUE(view.pageWidget(2)->isVisible());
    EXPECT_EQ(view.primaryButton()->text(), QStringLiteral("Get Started"));
    EXPECT_EQ(finished, 0);
    EXPECT_FALSE(onboardingDone());

    view.primaryButton()->click();
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(onboardingDone());
    view.primaryButton()->click();
    EXPECT_EQ(finished, 1);
}

TEST(OnboardingView, SkipCompletesFromTheFirstPage)
{
    forgetOnboarding();
    FakeQuickDrag quickDrag(true);
    int finished = 0;
    OnboardingView view(quickDrag.controller, [&finished] { ++finished; });
    view.show();
    view.skipButton()->click();
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(onboardingDone());
    EXPECT_EQ(view.page(), 0);
}

TEST(OnboardingView, ReturnActsAsThePrimaryButtonWhereverTheFocusIs)
{
    forgetOnboarding();
    FakeQuickDrag quickDrag(true);
    int finished = 0;
    OnboardingView view(quickDrag.controller, [&finished] { ++finished; });
    view.show();
    pressReturn(view.skipButton()); // Skip focused: Return still moves on, it does not skip
    EXPECT_EQ(view.page(), 1);
    EXPECT_EQ(finished, 0);
    pressReturn(view.primaryButton());
    EXPECT_EQ(view.page(), 2);
    view.settleTransition();
    EXPECT_FALSE(onboardingDone());
    pressReturn(view.quickDragControls()->switchButton());
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(onboardingDone());
}

TEST(OnboardingView, SwitchingQuickDragOnShowsItsDemonstration)
{
    const ReducedMotionOverride moving(false);
    FakeQuickDrag quickDrag(true);
    OnboardingView view(quickDrag.controller, [] {});
    view.show();
    view.advance();
    view.advance();
    view.settleTransition();
    EXPECT_EQ(view.enableDemo()->scene(), DemoScene::manualDrop);
    EXPECT_EQ(view.watchDemo()->scene(), DemoScene::quickDrag);
    // Only the page on screen animates.
    ASSERT_NE(view.enableDemo()->canvas(), nullptr);
    EXPECT_TRUE(view.enableDemo()->canvas()->isTicking());
    EXPECT_FALSE(view.watchDemo()->canvas()->isTicking());

    view.quickDragControls()->switchButton()->click();
    EXPECT_TRUE(quickDrag.stored);
    EXPECT_EQ(quickDrag.controller.state(), QuickDragState::ready);
    EXPECT_EQ(view.enableDemo()->scene(), DemoScene::quickDrag);
    EXPECT_EQ(view.enableDemo()->canvas()->scene(), DemoScene::quickDrag);

    view.quickDragControls()->switchButton()->click();
    EXPECT_EQ(view.enableDemo()->scene(), DemoScene::manualDrop);
}

TEST(OnboardingView, AFailedStartKeepsShowingTheWindowDrop)
{
    FakeQuickDrag quickDrag(false);
    OnboardingView view(quickDrag.controller, [] {});
    view.quickDragControls()->switchButton()->click();
    EXPECT_EQ(quickDrag.controller.state(), QuickDragState::monitorFailed);
    EXPECT_EQ(view.enableDemo()->scene(), DemoScene::manualDrop);
}

TEST(OnboardingView, EveryControlHasAnAccessibleName)
{
    FakeQuickDrag quickDrag(false);
    OnboardingView view(quickDrag.controller, [] {});
    const QList<QAbstractButton*> buttons = view.findChildren<QAbstractButton*>();
    ASSERT_GE(buttons.size(), 3);
    for (const QAbstractButton* button : buttons)
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->metaObject()->className();
    for (const AnimatedDemoCanvas* canvas : view.findChildren<AnimatedDemoCanvas*>())
        EXPECT_FALSE(canvas->accessibleName().isEmpty());
}
