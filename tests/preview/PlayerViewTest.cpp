// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerView.h"

#include "EventLoop.h"
#include "MediaBackend.h"
#include "PlayerControls.h"
#include "PreviewTestMedia.h"
#include "StillFrame.h"
#include "TestMedia.h"

#include <QFile>
#include <QMediaPlayer>
#include <QPainter>
#include <QRandomGenerator>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTransform>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace karvo;
using karvo::test::waitFor;
namespace media = karvo::test::PreviewTestMedia;

namespace {

constexpr int timeoutMs = 30000;

class PlayerViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { MediaBackend::selectDefault(); }

    // A shown view with `path` open, once it shows a picture.
    std::unique_ptr<PlayerView> open(const QString& path, QSize size = QSize(640, 480))
    {
        auto view = std::make_unique<PlayerView>();
        view->resize(size);
        view->show();
        view->setSource(path);
        EXPECT_TRUE(waitFor([&] { return hasPicture(*view); }, timeoutMs)) << "no picture from " << path.toStdString();
        return view;
    }

    static bool hasPicture(const PlayerView& view)
    {
        return view.state() == PlayerView::State::ready && !view.currentFrame().isNull();
    }
};

QString clipNamed(const std::string& name)
{
    for (const auto& clip : media::allCodecs()) {
        if (clip.name.toStdString() == name)
            return clip.path;
    }
    return {};
}

class PlayerViewCodecs : public PlayerViewTest, public ::testing::WithParamInterface<std::string> {};

} // namespace

TEST_P(PlayerViewCodecs, OpensPausedAndPaintsTheFirstFrame)
{
    const QString path = clipNamed(GetParam());
    auto view = std::make_unique<PlayerView>();
    int painted = 0;
    QObject::connect(view.get(), &PlayerView::firstFramePainted, [&painted] { ++painted; });
    view->resize(640, 480);
    view->show();
    view->setSource(path);
    ASSERT_TRUE(waitFor([&] { return painted > 0; }, timeoutMs));
    EXPECT_EQ(view->state(), PlayerView::State::ready);
    EXPECT_FALSE(view->isPlaying());
    EXPECT_EQ(view->player()->playbackState(), QMediaPlayer::PausedState);
    EXPECT_EQ(view->currentFrame().size(), QSize(320, 240));
    EXPECT_GE(media::psnr(view->currentFrame(), media::ffmpegFrame(path, 0)), 30.0);
    EXPECT_EQ(view->controls()->timeText(), QStringLiteral("0:00 / 0:03"));
}

TEST_P(PlayerViewCodecs, PreciseSeekShowsTheFrameFfmpegTakesAtThatTime)
{
    const QString path = clipNamed(GetParam());
    auto view = open(path);
    // Qt 6.4's player cannot seek exactly in a file whose clock starts late or whose streams have no
    // duration; the view then shows ffmpeg's still.
    const bool stills = GetParam() == "VP9" || GetParam() == "MPEGTS";
    EXPECT_EQ(view->seeksWithStills(), stills);

    // Between the frames at 1.52 and 1.56, nearer the later one (so that containers whose time base is a
    // frame, AVI here, do not round the time down to the earlier frame): the frame at 1.56 is due.
    const double t = 1.55;
    view->seek(t);
    EXPECT_DOUBLE_EQ(view->position(), t);
    ASSERT_TRUE(waitFor([&] { return view->frameTime() >= t - 1e-6; }, timeoutMs));
    EXPECT_LT(view->frameTime(), 1.57);
    const QImage frame = view->currentFrame();
    const double before = media::psnr(frame, media::ffmpegFrame(path, 1.51));
    const double at = media::psnr(frame, media::ffmpegFrame(path, t));
    const double after = media::psnr(frame, media::ffmpegFrame(path, 1.59));
    EXPECT_DOUBLE_EQ(view->position(), t); // the shown frame's own time does not move the position
    EXPECT_GE(at, 30.0);
    EXPECT_GT(at, before + 6.0) << "showed the frame before";
    EXPECT_GT(at, after + 6.0) << "showed the frame after";
}

INSTANTIATE_TEST_SUITE_P(Codecs, PlayerViewCodecs, ::testing::Values("H264", "HEVC10", "VP9", "MJPEG", "MPEGTS"),
                         [](const auto& param) { return param.param; });

TEST_F(PlayerViewTest, RotatedClipsAreShownUpright)
{
    for (const int tag : {90, 270}) {
        const QString path = media::rotated(tag);
        auto view = open(path);
        const QImage frame = view->currentFrame();
        EXPECT_EQ(frame.size(), QSize(240, 320)) << "rotate=" << tag;
        EXPECT_GT(view->frameRect().height(), view->frameRect().width());
        // ffmpeg applies the display matrix itself: the same picture, not the one turned the other way.
        const QImage upright = media::ffmpegFrame(path, 0);
        ASSERT_EQ(upright.size(), QSize(240, 320));
        EXPECT_GE(media::psnr(frame, upright), 30.0) << "rotate=" << tag;
        EXPECT_LT(media::psnr(frame, upright.transformed(QTransform().rotate(180))), 20.0) << "rotate=" << tag;
    }
    // A phone clip: stored 1920 × 1080, shown 1080 × 1920 (scaled into the view).
    auto phone = open(karvo::test::TestMedia::rotatedClip());
    EXPECT_EQ(phone->rotation(), 90);
    EXPECT_GT(phone->currentFrame().height(), phone->currentFrame().width());
}

TEST_F(PlayerViewTest, SaysLoadingUntilThePictureComes)
{
    PlayerView view;
    view.resize(640, 480);
    view.show();
    EXPECT_EQ(view.state(), PlayerView::State::empty);
    view.setSource(media::h264());
    EXPECT_EQ(view.state(), PlayerView::State::loading);
    EXPECT_EQ(view.overlayText(), QStringLiteral("Loading preview…"));
    EXPECT_FALSE(view.controls()->isVisible());
    ASSERT_TRUE(waitFor([&] { return hasPicture(view); }, timeoutMs));
    EXPECT_EQ(view.overlayText(), QString());
    EXPECT_TRUE(view.controls()->isVisible());
}

TEST_F(PlayerViewTest, UnreadableFileShowsTheErrorOverlay)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("noise.mp4");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QRandomGenerator random(42);
    QByteArray bytes(200000, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    file.write(bytes);
    file.close();

    PlayerView view;
    view.resize(640, 480);
    view.show();
    view.setSource(path);
    ASSERT_TRUE(waitFor([&] { return view.state() == PlayerView::State::failed; }, timeoutMs));
    EXPECT_TRUE(view.overlayText().startsWith(QStringLiteral("This video can't be previewed.\n")))
        << view.overlayText().toStdString();
    // Once ffprobe has failed on it too, the reason is about the file.
    EXPECT_TRUE(
        waitFor([&] { return view.overlayText().contains(QStringLiteral("could not be read as media")); }, timeoutMs))
        << view.overlayText().toStdString();
    EXPECT_TRUE(view.overlayText().contains(QStringLiteral("noise.mp4")));
    EXPECT_FALSE(view.controls()->isVisible());
    EXPECT_TRUE(view.currentFrame().isNull());
    view.play(); // nothing to play
    EXPECT_FALSE(view.isPlaying());
}

TEST_F(PlayerViewTest, FilesThatAreNoMediaFailBeforeThePlayerOpensThem)
{
    QTemporaryDir dir;
    PlayerView view;
    view.setSource(dir.filePath("gone.mp4"));
    EXPECT_EQ(view.state(), PlayerView::State::failed);
    EXPECT_TRUE(view.overlayText().contains(QStringLiteral("gone.mp4 was not found")))
        << view.overlayText().toStdString();
    EXPECT_TRUE(view.player()->source().isEmpty());

    // The player opens files on the window's thread: a named pipe would hang it.
    const QString fifo = dir.filePath("pipe.mp4");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    view.setSource(fifo);
    EXPECT_EQ(view.state(), PlayerView::State::failed);
    EXPECT_TRUE(view.overlayText().contains(QStringLiteral("named pipe"))) << view.overlayText().toStdString();
    EXPECT_TRUE(view.player()->source().isEmpty());
}

TEST_F(PlayerViewTest, ControlBarPlaysToTheEndAndSeeksAfterwards)
{
    const QString path = media::h264();
    auto view = open(path);
    int painted = 0;
    int ended = 0;
    QObject::connect(view.get(), &PlayerView::firstFramePainted, [&painted] { ++painted; });
    QObject::connect(view.get(), &PlayerView::playbackEnded, [&ended] { ++ended; });
    PlayerControls* controls = view->controls();
    EXPECT_EQ(controls->playButton()->accessibleName(), QStringLiteral("Play preview"));
    EXPECT_EQ(controls->slider()->accessibleName(), QStringLiteral("Preview position"));

    view->seek(2.5);
    ASSERT_TRUE(waitFor([&] { return view->frameTime() >= 2.5; }, timeoutMs));
    EXPECT_EQ(ended, 0); // a seek while paused is no end of playback
    controls->playButton()->click();
    EXPECT_TRUE(view->isPlaying());
    EXPECT_EQ(controls->playButton()->accessibleName(), QStringLiteral("Pause preview"));
    ASSERT_TRUE(waitFor([&] { return ended > 0; }, timeoutMs));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(view->isPlaying());
    EXPECT_DOUBLE_EQ(view->position(), view->duration());
    EXPECT_EQ(controls->timeText(), QStringLiteral("0:03 / 0:03"));
    EXPECT_EQ(controls->playButton()->accessibleName(), QStringLiteral("Play preview"));

    // The player stops at the end; a seek must still bring up its frame.
    view->seek(1.0);
    ASSERT_TRUE(waitFor([&] { return view->frameTime() >= 1.0 && view->frameTime() < 1.1; }, timeoutMs));
    EXPECT_GE(media::psnr(view->currentFrame(), media::ffmpegFrame(path, 1.0)), 30.0);
    EXPECT_EQ(painted, 0); // the first picture of this source was reported before this test connected
}

TEST_F(PlayerViewTest, DraggingTheSliderSeeksLiveAndLettingGoSeeksExactly)
{
    auto view = open(media::h264());
    std::chrono::steady_clock::time_point now{};
    view->setLiveSeekClock([&now] { return now; });
    QSlider* slider = view->controls()->slider();

    slider->setSliderDown(true);
    slider->setValue(1000);
    EXPECT_DOUBLE_EQ(view->position(), 1.0); // the first live seek always runs
    now += std::chrono::milliseconds(50);
    slider->setValue(1500);
    EXPECT_DOUBLE_EQ(view->position(), 1.0); // dropped, not deferred
    now += std::chrono::milliseconds(60);
    slider->setValue(2000);
    EXPECT_DOUBLE_EQ(view->position(), 2.0);
    slider->setValue(2200);
    EXPECT_DOUBLE_EQ(view->position(), 2.0);
    slider->setSliderDown(false); // let go: a precise seek to the slider's value
    EXPECT_DOUBLE_EQ(view->position(), 2.2);
    ASSERT_TRUE(waitFor([&] { return view->frameTime() >= 2.2 && view->frameTime() < 2.25; }, timeoutMs));
    EXPECT_EQ(view->controls()->timeText(), QStringLiteral("0:02 / 0:03"));
}

TEST_F(PlayerViewTest, OverlayPainterDrawsOverThePictureInsideTheRoundedClip)
{
    auto view = open(media::h264());
    QRectF seen;
    view->setOverlayPainter([&seen](QPainter& painter, const QRectF& frameRect) {
        seen = frameRect;
        painter.fillRect(QRectF(frameRect.center() - QPointF(10, 10), QSizeF(20, 20)), Qt::red);
    });
    QImage canvas(view->size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    view->render(&canvas);
    EXPECT_EQ(seen, view->frameRect());
    EXPECT_EQ(seen, QRectF(0, 0, 640, 480)); // a 4:3 picture fills a 4:3 view
    EXPECT_EQ(canvas.pixelColor(320, 240), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(0, 0).alpha(), 0); // outside the rounded corner
    EXPECT_EQ(canvas.pixelColor(639, 0).alpha(), 0);
    EXPECT_EQ(canvas.pixelColor(8, 8).alpha(), 255);
    EXPECT_EQ(canvas.pixelColor(0, 240).alpha(), 255);
}

TEST_F(PlayerViewTest, NoTimerRunsWhilePaused)
{
    auto view = open(media::h264());
    view->play();
    ASSERT_TRUE(waitFor([&] { return view->position() > 0.2; }, timeoutMs));
    view->pause();
    ASSERT_TRUE(waitFor([&] { return !view->isPlaying(); }, timeoutMs));
    for (const QTimer* timer : view->findChildren<QTimer*>())
        EXPECT_FALSE(timer->isActive()) << timer->metaObject()->className() << " " << timer->objectName().toStdString();
}

TEST_F(PlayerViewTest, PausedPictureFollowsTheViewsSize)
{
    auto view = open(media::h264(), QSize(160, 120));
    EXPECT_EQ(view->currentFrame().size(), QSize(160, 120));
    view->resize(640, 480);
    // Never larger than the video itself.
    EXPECT_TRUE(waitFor([&] { return view->currentFrame().size() == QSize(320, 240); }, timeoutMs))
        << view->currentFrame().width() << "x" << view->currentFrame().height();
}

TEST_F(PlayerViewTest, TheSameFileOpenedAgainLoadsAgain)
{
    const QString path = media::h264();
    auto view = open(path);
    view->setSource(path);
    EXPECT_EQ(view->state(), PlayerView::State::loading);
    EXPECT_TRUE(waitFor([&] { return hasPicture(*view); }, timeoutMs));
}

TEST_F(PlayerViewTest, AGivenPlayerIsShownAndLeftToItsOwner)
{
    QMediaPlayer player;
    {
        PlayerView view(&player);
        view.resize(320, 240);
        view.show();
        view.setSource(media::h264());
        ASSERT_TRUE(waitFor([&] { return hasPicture(view); }, timeoutMs));
        EXPECT_EQ(view.player(), &player);
        EXPECT_NE(player.videoSink(), nullptr);
    }
    EXPECT_EQ(player.videoSink(), nullptr);
    EXPECT_EQ(player.source(), QUrl::fromLocalFile(media::h264()));
}

// Pictures while a slider moves come from the key frame at or before the point, decoded alone; the
// picture once it is let go is the exact frame.
TEST(StillFrame, KeyFrameStillsShowTheKeyFrameBeforeThePointAndExactStillsThePointItself)
{
    using namespace karvo::test;
    const QString clip = TestMedia::cached(QStringLiteral("preview-keyframe-each-second.mp4"), [](const QString& out) {
        return TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=3,hue=H=n*1.3", "-c:v",
                                  "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25", "-x264-params",
                                  "scenecut=0", "-f", "mp4", out});
    });
    ASSERT_FALSE(clip.isEmpty());
    const QSize size(320, 240);
    const QImage keyFrame = StillFrame::grab(clip, 1.6, size, 0, StillFrame::Precision::nearestKeyframe);
    const QImage exact = StillFrame::grab(clip, 1.6, size);
    ASSERT_FALSE(keyFrame.isNull());
    ASSERT_FALSE(exact.isNull());
    EXPECT_GT(PreviewTestMedia::psnr(keyFrame, StillFrame::grab(clip, 1.0, size)), 35.0);
    EXPECT_LT(PreviewTestMedia::psnr(keyFrame, PreviewTestMedia::ffmpegFrame(clip, 1.6)), 25.0);
    EXPECT_GT(PreviewTestMedia::psnr(exact, PreviewTestMedia::ffmpegFrame(clip, 1.6)), 35.0);
}
