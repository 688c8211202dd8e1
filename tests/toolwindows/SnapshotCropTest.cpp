// SPDX-License-Identifier: GPL-3.0-or-later
// The snapshot and crop tools: the crop rectangle's geometry on its own, the windows on real clips (the
// analysis of the last frame, the overlays, the rectangle dragged on the preview), that what they enqueue
// is what the shared tool rules give, and two applied windows run through a real task manager.
#include "BatchCrop.h"
#include "CropGeometry.h"
#include "CropOverlay.h"
#include "CropView.h"
#include "EventLoop.h"
#include "MediaBackend.h"
#include "MediaProbe.h"
#include "ParameterRow.h"
#include "PlayerView.h"
#include "SnapshotOverlay.h"
#include "SnapshotView.h"
#include "TaskManager.h"
#include "TestMedia.h"
#include "ToolScaffold.h"
#include "ToolTestSupport.h"
#include "ToolTimeFormat.h"
#include "ToolWindow.h"
#include "ToolWindowPresenter.h"
#include "ToolWindowRegistry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace karvo;
using karvo::test::ServiceRecorder;
using karvo::test::videoFile;
using karvo::test::waitFor;
namespace TestMedia = karvo::test::TestMedia;

namespace {
constexpr int timeoutMs = 60000;
constexpr double eps = 1e-9;

void expectRect(const QRectF& actual, const QRectF& expected, double tolerance = eps)
{
    EXPECT_NEAR(actual.x(), expected.x(), tolerance) << "x";
    EXPECT_NEAR(actual.y(), expected.y(), tolerance) << "y";
    EXPECT_NEAR(actual.width(), expected.width(), tolerance) << "width";
    EXPECT_NEAR(actual.height(), expected.height(), tolerance) << "height";
}

bool inside(const QRectF& r)
{
    return r.x() >= -eps && r.y() >= -eps && r.x() + r.width() <= 1 + eps && r.y() + r.height() <= 1 + eps;
}

// A probed copy of a real clip, as routing hands it over.
ToolFile probed(const QString& path)
{
    return {path, MediaProbe::probe(path)};
}

void expectNamedControls(const QWidget& view)
{
    for (const QAbstractSlider* slider : view.findChildren<QAbstractSlider*>())
        EXPECT_FALSE(slider->accessibleName().isEmpty()) << slider->metaObject()->className();
    for (const QAbstractButton* button : view.findChildren<QAbstractButton*>())
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->text().toStdString();
    for (const QComboBox* box : view.findChildren<QComboBox*>())
        EXPECT_FALSE(box->accessibleName().isEmpty());
}

void mouse(QWidget* target, QEvent::Type type, const QPointF& at, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A drag as the mouse makes it: press, a few moves, release.
void drag(QWidget* target, const QPointF& from, const QPointF& to)
{
    mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        mouse(target, QEvent::MouseMove, from + (to - from) * step / 4.0, Qt::LeftButton);
    mouse(target, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

bool showsPicture(const PlayerView& player)
{
    return player.state() == PlayerView::State::ready && !player.currentFrame().isNull();
}

class ToolWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { MediaBackend::selectDefault(); }
};
} // namespace

// ---- The crop rectangle's geometry ----

TEST(CropGeometry, MovingStopsAtThePicturesEdges)
{
    const QRectF start(0.1, 0.1, 0.5, 0.5);
    expectRect(CropGeometry::move(start, {0.2, 0.1}), {0.3, 0.2, 0.5, 0.5});
    expectRect(CropGeometry::move(start, {0.9, -0.5}), {0.5, 0, 0.5, 0.5});
    expectRect(CropGeometry::move(start, {-3, 3}), {0, 0.5, 0.5, 0.5});
    expectRect(CropGeometry::move(CropGeometry::full(), {0.2, 0.2}), CropGeometry::full());
    // A broken pointer reading leaves the crop where it was.
    expectRect(CropGeometry::move(start, {std::nan(""), 0.1}), start);
}

TEST(CropGeometry, AFreeCornerDragKeepsTheOppositeCornerTheMinimumAndTheEdges)
{
    const QRectF s(0.2, 0.2, 0.6, 0.6);
    expectRect(CropGeometry::dragCorner(s, CropCorner::bottomRight, {0.1, 0.05}, std::nullopt, 16.0 / 9),
               {0.2, 0.2, 0.7, 0.65});
    // Pushed past the picture: it stops at the edges.
    expectRect(CropGeometry::dragCorner(s, CropCorner::bottomRight, {0.5, 0.5}, std::nullopt, 16.0 / 9),
               {0.2, 0.2, 0.8, 0.8});
    expectRect(CropGeometry::dragCorner(s, CropCorner::topLeft, {-0.5, -0.5}, std::nullopt, 16.0 / 9),
               {0, 0, 0.8, 0.8});
    // Dragged across the opposite corner: never narrower or shorter than 0.05, the opposite corner fixed.
    expectRect(CropGeometry::dragCorner(s, CropCorner::topLeft, {0.9, 0.9}, std::nullopt, 16.0 / 9),
               {0.75, 0.75, 0.05, 0.05});
    expectRect(CropGeometry::dragCorner(s, CropCorner::topRight, {-0.9, 0.1}, std::nullopt, 16.0 / 9),
               {0.2, 0.3, 0.05, 0.5});
    expectRect(CropGeometry::dragCorner(s, CropCorner::bottomLeft, {0.1, -0.9}, std::nullopt, 16.0 / 9),
               {0.3, 0.2, 0.5, 0.05});
}

TEST(CropGeometry, ALockedCornerDragFollowsItsDominantDirectionAndKeepsTheRatio)
{
    // 16:9 on a 16:9 picture is square in fractions of the picture.
    const double wide = 1920.0 / 1080;
    const QRectF s(0.1, 0.1, 0.5, 0.5);
    // Mostly downwards: the vertical movement decides.
    expectRect(CropGeometry::dragCorner(s, CropCorner::bottomRight, {0.02, 0.2}, 16.0 / 9, wide), {0.1, 0.1, 0.7, 0.7});
    // Mostly sideways: the horizontal one does.
    expectRect(CropGeometry::dragCorner(s, CropCorner::bottomRight, {0.2, 0.02}, 16.0 / 9, wide), {0.1, 0.1, 0.7, 0.7});
    // Never past the bottom edge, which leaves less room than the right one.
    expectRect(CropGeometry::dragCorner({0.1, 0.3, 0.5, 0.5}, CropCorner::bottomRight, {0.0, 0.9}, 16.0 / 9, wide),
               {0.1, 0.3, 0.7, 0.7});
    expectRect(CropGeometry::dragCorner(s, CropCorner::bottomRight, {-0.9, -0.9}, 16.0 / 9, wide),
               {0.1, 0.1, 0.05, 0.05});

    // 16:9 on an upright 1080 × 1920 picture: r = (16/9) / (9/16); the smallest width is r · 0.05.
    const double upright = 1080.0 / 1920;
    const double r = (16.0 / 9) / upright;
    const QRectF small =
        CropGeometry::dragCorner({0, 0.2, 1, 1 / r}, CropCorner::topLeft, {0.99, 0.3}, 16.0 / 9, upright);
    EXPECT_NEAR(small.width(), r * 0.05, eps);
    EXPECT_NEAR(small.height(), 0.05, eps);
    EXPECT_NEAR(small.x() + small.width(), 1, eps); // the bottom-right corner stayed
    EXPECT_NEAR(small.y() + small.height(), 0.2 + 1 / r, eps);
    EXPECT_NEAR(small.width() * 1080 / (small.height() * 1920), 16.0 / 9, 1e-9);
}

TEST(CropGeometry, AspectPresetsCutTheLargestCentredRectangleOnWideAndUprightPictures)
{
    const QSizeF wide(1920, 1080);
    const QRectF square = CropGeometry::withAspect(CropGeometry::full(), 1.0, wide);
    expectRect(square, {0.21875, 0, 0.5625, 1});
    EXPECT_EQ(CropGeometry::readout(square, wide), QSize(1080, 1080));
    expectRect(CropGeometry::withAspect(CropGeometry::full(), 16.0 / 9, wide), CropGeometry::full());
    const QRectF tall = CropGeometry::withAspect(CropGeometry::full(), 9.0 / 16, wide);
    EXPECT_EQ(CropGeometry::readout(tall, wide), QSize(608, 1080)); // 607.5 rounds away from zero

    const QSizeF upright(1080, 1920);
    const QRectF banner = CropGeometry::withAspect(CropGeometry::full(), 16.0 / 9, upright);
    expectRect(banner, {0, (1 - 0.31640625) / 2, 1, 0.31640625});
    EXPECT_EQ(CropGeometry::readout(banner, upright), QSize(1080, 608));
    expectRect(CropGeometry::withAspect(CropGeometry::full(), 0.5625, upright), CropGeometry::full());
    const QRectF fourThree = CropGeometry::withAspect({0.1, 0.1, 0.5, 0.5}, 4.0 / 3, upright);
    EXPECT_NEAR(fourThree.width() * 1080 / (fourThree.height() * 1920), 4.0 / 3, 1e-9);
    EXPECT_TRUE(inside(fourThree));
    // Every preset on both pictures stays inside the old rectangle.
    for (const CropAspect& aspect : CropGeometry::aspects()) {
        if (!aspect.ratio)
            continue;
        for (const QSizeF& picture : {wide, upright}) {
            const QRectF old(0.2, 0.1, 0.6, 0.5);
            const QRectF cut = CropGeometry::withAspect(old, *aspect.ratio, picture);
            EXPECT_TRUE(old.adjusted(-eps, -eps, eps, eps).contains(cut)) << aspect.name;
        }
    }
    EXPECT_EQ(CropGeometry::aspects().size(), 6);
    EXPECT_FALSE(CropGeometry::aspects().first().ratio.has_value());
}

TEST(CropGeometry, NumericFieldsResizeAroundTheCentreInsideThePicture)
{
    const QSizeF wide(1920, 1080);
    const QRectF c(0.5, 0.2, 0.4, 0.3);
    expectRect(CropGeometry::withWidth(c, 0.2, std::nullopt, wide), {0.6, 0.2, 0.2, 0.3});
    expectRect(CropGeometry::withWidth(c, 0.8, std::nullopt, wide), {0.2, 0.2, 0.8, 0.3});
    expectRect(CropGeometry::withWidth(c, 0.01, std::nullopt, wide), {0.675, 0.2, 0.05, 0.3});
    expectRect(CropGeometry::withWidth(c, std::nan(""), std::nullopt, wide), c);
    // Locked to 1:1 on a wide picture: the height follows, and the width stops where the height fills it.
    expectRect(CropGeometry::withWidth(c, 0.3, 1.0, wide), {0.55, 0.2, 0.3, 0.3 * 1920 / 1080});
    const QRectF widest = CropGeometry::withWidth(c, 0.9, 1.0, wide);
    expectRect(widest, {0.7 - 0.5625 / 2, 0, 0.5625, 1});

    expectRect(CropGeometry::withHeight({0, 0.8, 1, 0.2}, 0.5), {0, 0.5, 1, 0.5});
    expectRect(CropGeometry::withHeight({0.1, 0.3, 0.5, 0.2}, 0.4), {0.1, 0.2, 0.5, 0.4});
    expectRect(CropGeometry::withHeight({0.1, 0.3, 0.5, 0.2}, 2), {0.1, 0, 0.5, 1});
}

TEST(CropGeometry, ThePictureIsFittedIntoTheStageAndHandlesAreTakenFirst)
{
    EXPECT_EQ(CropGeometry::pictureSize(std::nullopt), QSizeF(16, 9));
    EXPECT_EQ(CropGeometry::pictureSize(MediaInfo{3, 0, 0, true, false, {}}), QSizeF(1, 1));
    EXPECT_EQ(CropGeometry::readout(CropGeometry::full(), QSizeF(16, 9)), QSize(16, 8));
    EXPECT_EQ(CropGeometry::readout({0, 0, 0.0001, 0.0001}, QSizeF(1920, 1080)), QSize(2, 2));

    expectRect(CropGeometry::pictureFrame({528, 340}, 16.0 / 9), {0, 21.5, 528, 297});
    expectRect(CropGeometry::pictureFrame({528, 340}, 9.0 / 16), {(528 - 191.25) / 2, 0, 191.25, 340});

    const QRectF frame(10, 20, 400, 200);
    const QRectF crop = CropGeometry::onFrame({0.25, 0.5, 0.5, 0.25}, frame);
    expectRect(crop, {110, 120, 200, 50});
    EXPECT_EQ(CropGeometry::normalizedDelta({40, -20}, frame.size()), QPointF(0.1, -0.1));
    using Kind = CropGrip::Kind;
    EXPECT_EQ(CropGeometry::grab({112, 118}, crop), (CropGrip{Kind::corner, CropCorner::topLeft}));
    EXPECT_EQ(CropGeometry::grab({305, 168}, crop), (CropGrip{Kind::corner, CropCorner::bottomRight}));
    EXPECT_EQ(CropGeometry::grab({200, 150}, crop).kind, Kind::move);
    EXPECT_EQ(CropGeometry::grab({50, 150}, crop).kind, Kind::none);
    // On a crop smaller than a handle the last drawn handle, bottom-right, is the one taken.
    EXPECT_EQ(CropGeometry::grab({101, 101}, {100, 100, 4, 4}), (CropGrip{Kind::corner, CropCorner::bottomRight}));
}

// ---- The crop window ----

TEST_F(ToolWindowTest, CropPresetsFieldsAndResetDriveOneRectangle)
{
    ServiceRecorder recorder;
    CropView view({videoFile("/v/a.mp4", 20), videoFile("/v/b.mp4", 5)}, recorder.services());
    EXPECT_EQ(view.cropRect(), CropGeometry::full());
    EXPECT_EQ(view.readoutLabel()->text(), QStringLiteral("1920 × 1080 px"));
    EXPECT_EQ(view.widthRow()->valueText(), QStringLiteral("100%"));
    EXPECT_EQ(view.aspectPicker()->currentText(), QStringLiteral("Freeform"));
    EXPECT_EQ(view.aspectPicker()->itemText(1), QStringLiteral("16:9"));
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral("MP4 · Saved beside the original"));
    EXPECT_EQ(view.scaffold()->applyButton()->text(), QStringLiteral("Apply to 2 files"));
    EXPECT_EQ(view.endLabel()->text(), QStringLiteral("0:20.00"));
    EXPECT_EQ(view.positionSlider()->accessibleName(), QStringLiteral("Preview position"));
    EXPECT_EQ(view.playButton()->accessibleName(), QStringLiteral("Play preview"));
    expectNamedControls(view);

    view.aspectPicker()->setCurrentIndex(3); // 1:1
    expectRect(view.cropRect(), {0.21875, 0, 0.5625, 1});
    EXPECT_EQ(view.readoutLabel()->text(), QStringLiteral("1080 × 1080 px"));
    EXPECT_FALSE(view.heightRow()->slider()->isEnabled());
    EXPECT_EQ(view.widthRow()->valueText(), QStringLiteral("56%"));

    // The width field keeps the locked ratio and the centre.
    view.widthRow()->slider()->setValue(281);
    EXPECT_NEAR(view.cropRect().width(), 0.281, eps);
    EXPECT_NEAR(view.cropRect().height(), 0.281 * 1920 / 1080, eps);
    EXPECT_NEAR(view.cropRect().center().x(), 0.5, eps);
    EXPECT_EQ(view.widthRow()->valueText(), QStringLiteral("28%"));
    EXPECT_EQ(view.readoutLabel()->text(), QStringLiteral("540 × 540 px"));
    view.heightRow()->slider()->setValue(1000); // disabled while locked: changes nothing
    EXPECT_NEAR(view.cropRect().height(), 0.281 * 1920 / 1080, eps);

    view.resetButton()->click();
    EXPECT_EQ(view.aspectIndex(), 0);
    EXPECT_EQ(view.aspectPicker()->currentText(), QStringLiteral("Freeform"));
    EXPECT_EQ(view.cropRect(), CropGeometry::full());
    EXPECT_TRUE(view.heightRow()->slider()->isEnabled());

    view.heightRow()->slider()->setValue(290);
    expectRect(view.cropRect(), {0, 0.355, 1, 0.29});
    EXPECT_EQ(view.heightRow()->valueText(), QStringLiteral("29%"));
}

TEST_F(ToolWindowTest, CropGivesEachFileTheRectangleInItsOwnPixels)
{
    const ToolFile first = probed(TestMedia::clip1080());
    ASSERT_TRUE(first.info.has_value());
    const QList<ToolFile> files{first,
                                videoFile("/v/small.mp4", 4, 1280, 720),
                                {"/v/unknown.mp4", std::nullopt},
                                videoFile("/v/odd.mp4", 4, 641, 361)};
    ServiceRecorder recorder;
    CropView view(files, recorder.services());
    view.setCropRect({0, 0, 0.5, 1});
    EXPECT_EQ(view.readoutLabel()->text(), QStringLiteral("960 × 1080 px"));
    view.scaffold()->apply();

    ASSERT_EQ(recorder.enqueued.size(), 3);
    EXPECT_EQ(recorder.enqueued[0].op, ConversionOp::crop(0, 0, 960, 1080));
    EXPECT_EQ(recorder.enqueued[1].op, ConversionOp::crop(0, 0, 640, 720));
    EXPECT_EQ(recorder.enqueued[2].path, QStringLiteral("/v/odd.mp4"));
    ToolParameters parameters;
    parameters.cropRect = view.cropRect();
    for (const DropEnqueue& e : recorder.enqueued) {
        const auto& file =
            *std::find_if(files.cbegin(), files.cend(), [&](const ToolFile& f) { return f.path == e.path; });
        EXPECT_EQ(e.op, ToolRules::operation(ToolKind::crop, parameters, file));
        const auto pixels = BatchCrop::pixels(view.cropRect(), file.info->width, file.info->height);
        ASSERT_TRUE(pixels.has_value());
        EXPECT_EQ(e.op, ConversionOp::crop(pixels->x, pixels->y, pixels->w, pixels->h));
    }
    // The file without a probe is refused on its own.
    ASSERT_EQ(recorder.alerts.size(), 1);
    EXPECT_EQ(recorder.alerts[0].title, QStringLiteral("Cannot process unknown.mp4"));
    EXPECT_EQ(recorder.reloads, 1);
}

TEST_F(ToolWindowTest, TheRectangleIsDraggedOnThePreview)
{
    ServiceRecorder recorder;
    CropView view({probed(TestMedia::clip1080())}, recorder.services());
    view.resize(560, 700);
    view.show();
    ASSERT_TRUE(waitFor([&] { return showsPicture(*view.player()); }, timeoutMs));
    CropOverlay* overlay = view.overlay();
    EXPECT_EQ(overlay->geometry(), view.player()->rect());
    const QRectF frame = view.player()->frameRect();
    ASSERT_GT(frame.width(), 100);
    EXPECT_NEAR(frame.width() / frame.height(), 16.0 / 9, 0.01);

    // A press that moves less than 10 points is no drag.
    const QPointF corner = frame.bottomRight();
    drag(overlay, corner, corner - QPointF(6, 6));
    EXPECT_EQ(view.cropRect(), CropGeometry::full());

    // The bottom-right handle, up and to the left.
    drag(overlay, corner, corner - QPointF(frame.width() * 0.25, frame.height() * 0.5));
    expectRect(view.cropRect(), {0, 0, 0.75, 0.5}, 1e-6);
    EXPECT_EQ(view.widthRow()->valueText(), QStringLiteral("75%"));
    EXPECT_EQ(view.readoutLabel()->text(), QStringLiteral("1440 × 540 px"));

    // The interior, pushed far beyond the bottom-right: it stops at the edges.
    const QPointF middle = CropGeometry::onFrame(view.cropRect(), frame).center();
    drag(overlay, middle, middle + QPointF(frame.width(), frame.height()));
    expectRect(view.cropRect(), {0.25, 0.5, 0.75, 0.5}, 1e-6);
    EXPECT_FALSE(overlay->isDragging());

    // Locked to 16:9, a handle dragged mostly downwards keeps the ratio.
    view.resetButton()->click();
    view.aspectPicker()->setCurrentIndex(1);
    EXPECT_EQ(view.cropRect(), CropGeometry::full());
    drag(overlay, frame.topLeft(), frame.topLeft() + QPointF(frame.width() * 0.05, frame.height() * 0.4));
    expectRect(view.cropRect(), {0.4, 0.4, 0.6, 0.6}, 1e-6);
    EXPECT_EQ(view.readoutLabel()->text(), QStringLiteral("1152 × 648 px"));

    // What is shown glides to the new value; the value itself changes at once.
    view.resetButton()->click();
    EXPECT_EQ(view.cropRect(), CropGeometry::full());
    EXPECT_NE(overlay->shownRect(), CropGeometry::full());
    ASSERT_TRUE(waitFor([&] { return overlay->shownRect() == CropGeometry::full(); }, 5000));
}

TEST_F(ToolWindowTest, TheCropTransportPlaysToTheEndAndStartsOver)
{
    ServiceRecorder recorder;
    CropView view({probed(TestMedia::clip(1.0, 320, 240, false))}, recorder.services());
    view.resize(560, 700);
    view.show();
    ASSERT_TRUE(waitFor([&] { return showsPicture(*view.player()); }, timeoutMs));
    EXPECT_GE(view.scrubEnd(), 1.0);

    // A key on the position slider seeks the preview exactly.
    view.positionSlider()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const double step = view.positionSlider()->pageStep() / 1000.0;
    EXPECT_NEAR(view.scrub(), step, 1e-9);
    EXPECT_NEAR(view.player()->position(), step, 1e-9);
    EXPECT_EQ(view.positionLabel()->text(), ToolTimeFormat::fmtTime(step));

    view.playButton()->click();
    ASSERT_TRUE(waitFor([&] { return view.isPlaying(); }, timeoutMs));
    EXPECT_EQ(view.playButton()->accessibleName(), QStringLiteral("Pause preview"));
    ASSERT_TRUE(waitFor([&] { return !view.isPlaying(); }, timeoutMs));
    EXPECT_EQ(view.scrub(), view.scrubEnd());
    EXPECT_EQ(view.positionSlider()->value(), view.positionSlider()->maximum());
    EXPECT_EQ(view.playButton()->accessibleName(), QStringLiteral("Play preview"));

    // At the end, play starts from the beginning.
    view.playButton()->click();
    EXPECT_LT(view.scrub(), 0.5);
    ASSERT_TRUE(waitFor([&] { return view.isPlaying(); }, timeoutMs));
    view.hide();
    EXPECT_TRUE(waitFor([&] { return !view.player()->isPlaying(); }, timeoutMs));
}

// ---- The snapshot window ----

TEST_F(ToolWindowTest, SnapshotAnalysesTheFirstFileBeforeAFrameCanBeChosen)
{
    const ToolFile first = probed(TestMedia::clip1080());
    ASSERT_TRUE(first.info.has_value());
    ServiceRecorder recorder;
    SnapshotView view({first}, recorder.services());
    view.resize(560, 520);
    view.show();
    // While the analysis runs: covered, nothing to choose, nothing to save; the labels are already there.
    EXPECT_EQ(view.analysis(), SnapshotView::Analysis::analysing);
    EXPECT_EQ(view.overlay()->mode(), SnapshotOverlay::Mode::analysing);
    EXPECT_TRUE(view.overlay()->isVisible());
    EXPECT_EQ(view.overlay()->accessibleName(), QStringLiteral("Analyzing video…"));
    EXPECT_FALSE(view.slider()->isEnabled());
    EXPECT_FALSE(view.scaffold()->applyButton()->isEnabled());
    EXPECT_EQ(view.scaffold()->applyButton()->text(), QStringLiteral("Save PNG"));
    EXPECT_EQ(view.scaffold()->descriptionLabel()->text(), QStringLiteral("PNG · Saved beside the original"));
    EXPECT_EQ(view.timeLabel()->text(), QStringLiteral("0:00.00"));
    EXPECT_EQ(view.durationLabel()->text(), QStringLiteral("0:03.00"));
    EXPECT_EQ(view.slider()->accessibleName(), QStringLiteral("Frame time"));
    expectNamedControls(view);

    ASSERT_TRUE(waitFor([&] { return view.analysis() != SnapshotView::Analysis::analysing; }, timeoutMs));
    ASSERT_EQ(view.analysis(), SnapshotView::Analysis::ready);
    const auto last = MediaProbe::lastVideoFrameTime(first.path, first.info->duration);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(view.lastFrameTime(), last);
    EXPECT_GT(*last, 2.9);
    EXPECT_LT(*last, 3.0);
    EXPECT_TRUE(view.slider()->isEnabled());
    EXPECT_TRUE(view.scaffold()->applyButton()->isEnabled());
    EXPECT_EQ(view.slider()->maximum(), std::lround(*last * 1000));
    EXPECT_EQ(view.overlay()->mode(), SnapshotOverlay::Mode::none);
    ASSERT_TRUE(waitFor([&] { return !view.overlay()->isVisible(); }, 5000));
    EXPECT_EQ(view.time(), 0.0);
    // The right label keeps the duration, the slider's end is the last frame.
    view.slider()->setValue(view.slider()->maximum());
    EXPECT_NEAR(view.time(), *last, 0.0005);
    EXPECT_LE(view.time(), *last);
    EXPECT_EQ(view.durationLabel()->text(), QStringLiteral("0:03.00"));
    ASSERT_TRUE(waitFor([&] { return showsPicture(*view.player()); }, timeoutMs));
    EXPECT_NEAR(view.player()->position(), view.time(), 1e-9);
}

TEST_F(ToolWindowTest, SnapshotOfAnUnreadableFileShowsTheErrorAndSavesNothing)
{
    ServiceRecorder recorder;
    ToolWindowRegistry registry;
    SnapshotView* view = nullptr;
    ToolWindow* window = registry.host(QStringLiteral("Snapshot"), {560, 520}, QUuid::createUuid(), [&] {
        view = new SnapshotView({videoFile(TestMedia::truncated(), 3)}, recorder.services());
        return view;
    });
    ASSERT_TRUE(waitFor([&] { return view->analysis() != SnapshotView::Analysis::analysing; }, timeoutMs));
    EXPECT_EQ(view->analysis(), SnapshotView::Analysis::failed);
    EXPECT_TRUE(view->probeFailed());
    EXPECT_EQ(view->overlay()->mode(), SnapshotOverlay::Mode::failed);
    EXPECT_TRUE(view->overlay()->isVisible());
    EXPECT_EQ(
        SnapshotOverlay::texts(SnapshotOverlay::Mode::failed),
        (QStringList{QStringLiteral("Cannot read video frames"), QStringLiteral("Check file access and try again.")}));
    EXPECT_EQ(view->overlay()->accessibleName(), QStringLiteral("Cannot read video frames"));
    EXPECT_FALSE(view->slider()->isEnabled());
    EXPECT_FALSE(view->scaffold()->applyButton()->isEnabled());

    // Return does not save; Escape closes.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view->scaffold()->descriptionLabel(), &enter);
    EXPECT_TRUE(recorder.enqueued.isEmpty());
    EXPECT_TRUE(window->isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view->scaffold()->descriptionLabel(), &escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(recorder.enqueued.isEmpty());
    EXPECT_EQ(recorder.reloads, 0);
}

TEST_F(ToolWindowTest, SnapshotTimeIsClampedToEachFilesOwnDuration)
{
    const ToolFile first = probed(TestMedia::clip(10));
    ASSERT_TRUE(first.info.has_value());
    const QList<ToolFile> files{first, videoFile("/v/five.mp4", 5), {"/v/unknown.mp4", std::nullopt}};
    ServiceRecorder recorder;
    SnapshotView view(files, recorder.services());
    view.show();
    ASSERT_TRUE(waitFor([&] { return view.analysis() == SnapshotView::Analysis::ready; }, timeoutMs));
    view.slider()->setValue(8000);
    EXPECT_EQ(view.time(), 8.0);
    EXPECT_EQ(view.timeLabel()->text(), QStringLiteral("0:08.00"));

    view.scaffold()->apply();
    ASSERT_EQ(recorder.enqueued.size(), 2);
    EXPECT_EQ(recorder.enqueued[0].op, ConversionOp::snapshot(8));
    EXPECT_EQ(recorder.enqueued[1].op, ConversionOp::snapshot(5));
    ToolParameters parameters;
    parameters.snapshotTime = 8;
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(recorder.enqueued[i].op, ToolRules::operation(ToolKind::snapshot, parameters, files[i]));
    ASSERT_EQ(recorder.alerts.size(), 1);
    EXPECT_EQ(recorder.alerts[0].message, QStringLiteral("This file doesn't fit the chosen settings."));
}

// ---- The windows as the program opens them ----

TEST_F(ToolWindowTest, CropAndSnapshotRequestsOpenTheirWindowsAndReturnApplies)
{
    ServiceRecorder recorder;
    ToolWindowPresenter presenter(recorder.services());
    presenter.present({ToolKind::snapshot, {videoFile("/v/a.mp4", 5)}});
    presenter.present({ToolKind::crop, {videoFile("/v/a.mp4", 5), videoFile("/v/b.mp4", 7)}});
    ASSERT_EQ(presenter.registry().count(), 2);
    ToolWindow* crop = nullptr;
    ToolWindow* snapshot = nullptr;
    for (const QUuid& id : presenter.registry().ids()) {
        ToolWindow* window = presenter.registry().window(id);
        if (window->findChild<CropView*>())
            crop = window;
        else
            snapshot = window;
    }
    ASSERT_NE(crop, nullptr);
    ASSERT_NE(snapshot, nullptr);
    EXPECT_NE(snapshot->findChild<SnapshotView*>(), nullptr);
    EXPECT_EQ(snapshot->windowTitle(), QStringLiteral("Snapshot"));
    EXPECT_EQ(snapshot->size(), QSize(560, 520));
    EXPECT_EQ(crop->windowTitle(), QStringLiteral("Crop Video"));
    EXPECT_EQ(crop->size(), QSize(560, 700));

    // Return on a focused control applies the window: the aspect menu does not keep it for itself.
    CropView* view = crop->findChild<CropView*>();
    view->aspectPicker()->setCurrentIndex(3);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view->aspectPicker(), &enter);
    ASSERT_EQ(recorder.enqueued.size(), 2);
    EXPECT_EQ(recorder.enqueued[0].op, ConversionOp::crop(420, 0, 1080, 1080));
    EXPECT_FALSE(crop->isVisible());
}

// ---- Applied windows through a real task manager ----

TEST_F(ToolWindowTest, AppliedCropAndSnapshotWriteWhatTheyShow)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString clip = folder.filePath(QStringLiteral("clip.mp4"));
    ASSERT_TRUE(QFile::copy(TestMedia::clip1080(), clip));
    const ToolFile file = probed(clip);
    ASSERT_TRUE(file.info.has_value());

    TaskManager manager;
    ToolServices services{[&](const DropEnqueue& e) { manager.enqueue(e.path, e.op, e.info); }, [](const DropError&) {},
                          [] {
                          }};
    {
        CropView crop({file}, services);
        crop.aspectPicker()->setCurrentIndex(3);
        crop.scaffold()->apply();
    }
    {
        SnapshotView snapshot({file}, services);
        snapshot.show();
        ASSERT_TRUE(waitFor([&] { return snapshot.analysis() == SnapshotView::Analysis::ready; }, timeoutMs));
        snapshot.slider()->setValue(1500);
        snapshot.scaffold()->apply();
    }
    ASSERT_EQ(manager.tasks().size(), 2);
    ASSERT_TRUE(waitFor(
        [&] {
            const auto tasks = manager.tasks();
            return std::none_of(tasks.cbegin(), tasks.cend(), [](const TaskPtr& t) { return t->isActive(); });
        },
        120000));
    for (const TaskPtr& task : manager.tasks())
        ASSERT_EQ(task->status(), ConversionTask::Status::done) << task->error().value_or(QString()).toStdString();

    const QStringList cropped = manager.tasks()[0]->outputs();
    ASSERT_EQ(cropped.size(), 1);
    const auto croppedInfo = MediaProbe::probe(cropped[0]);
    ASSERT_TRUE(croppedInfo.has_value());
    EXPECT_EQ(croppedInfo->width, 1080);
    EXPECT_EQ(croppedInfo->height, 1080);
    EXPECT_TRUE(croppedInfo->hasVideo);

    const QStringList stills = manager.tasks()[1]->outputs();
    ASSERT_EQ(stills.size(), 1);
    EXPECT_TRUE(stills[0].endsWith(QStringLiteral(".png")));
    const QByteArray stream =
        TestMedia::run(QStringLiteral("ffprobe"),
                       {"-v", "error", "-show_entries", "stream=codec_name,width,height", "-of", "csv=p=0", stills[0]});
    EXPECT_EQ(stream.trimmed(), QByteArray("png,1920,1080"));
}
