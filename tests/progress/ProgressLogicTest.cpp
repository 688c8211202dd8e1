// SPDX-License-Identifier: GPL-3.0-or-later
// The progress panel's rules that need no screen: friendly errors, times, geometry, the ring, the
// smoothing and what each card says in each state.
#include "FriendlyError.h"
#include "PanelGeometry.h"
#include "ProgressSmoother.h"
#include "RingGeometry.h"
#include "TaskCardContent.h"
#include "TimeAgo.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace karvo;
using Status = ConversionTask::Status;

namespace {
std::string s(const QString& text)
{
    return text.toStdString();
}
} // namespace

TEST(FriendlyError, KnownCausesInPlainWordsInOrder)
{
    struct Case {
        const char* raw;
        const char* friendly;
    };
    const Case cases[] = {
        {"/out/a.mp4: Permission denied", "Permission denied — check that the folder is writable."},
        {"PERMISSION DENIED while opening", "Permission denied — check that the folder is writable."},
        {"[mov,mp4 @ 0x1] moov atom not found", "The file looks damaged or isn't a supported media file."},
        {"a.mp4: Invalid data found when processing input", "The file looks damaged or isn't a supported media file."},
        {"a.mp4: No such file or directory", "The original file is no longer there."},
        // The first matching rule wins.
        {"No such file; Permission denied", "Permission denied — check that the folder is writable."},
        {"Invalid data found; no such file", "The file looks damaged or isn't a supported media file."},
        {"  \n Encoder failed \n\t", "Encoder failed"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s(friendlyError(QString::fromUtf8(c.raw))), c.friendly) << c.raw;
}

TEST(FriendlyError, LongTextsAreCutToNinetyCharacters)
{
    const QString ninety(90, u'x');
    EXPECT_EQ(friendlyError(ninety), ninety);
    EXPECT_EQ(friendlyError(QStringLiteral("  ") + ninety + QStringLiteral("\n")), ninety);
    EXPECT_EQ(friendlyError(QString(200, u'y')), QString(90, u'y') + QStringLiteral("…"));
    // Characters, not UTF-16 units: an emoji is never split in half.
    const QString emoji = QString::fromUtf8("😀");
    QString many;
    for (int i = 0; i < 100; ++i)
        many += emoji;
    QString expected;
    for (int i = 0; i < 90; ++i)
        expected += emoji;
    EXPECT_EQ(friendlyError(many), expected + QStringLiteral("…"));
}

TEST(TimeAgo, JustNowThenMinutesThenClockTime)
{
    const QDateTime finished(QDate(2026, 3, 4), QTime(9, 5, 0));
    EXPECT_EQ(s(timeAgo(std::nullopt, finished)), "");
    EXPECT_EQ(s(timeAgo(QDateTime(), finished)), "");
    EXPECT_EQ(s(timeAgo(finished, finished)), "Just now");
    EXPECT_EQ(s(timeAgo(finished, finished.addSecs(59))), "Just now");
    EXPECT_EQ(s(timeAgo(finished, finished.addSecs(60))), "1 min ago");
    EXPECT_EQ(s(timeAgo(finished, finished.addSecs(119))), "1 min ago");
    EXPECT_EQ(s(timeAgo(finished, finished.addSecs(3599))), "59 min ago");
    EXPECT_EQ(s(timeAgo(finished, finished.addSecs(3600))), "09:05");
    EXPECT_EQ(s(timeAgo(finished, finished.addDays(2))), "09:05");
    // A clock set back since the task finished does not give "-3 min ago".
    EXPECT_EQ(s(timeAgo(finished, finished.addSecs(-200))), "Just now");
}

TEST(PanelGeometry, HeightLimitFollowsTheScreen)
{
    EXPECT_EQ(PanelGeometry::maxHeight(QRect(0, 0, 1440, 900)), 600);
    EXPECT_EQ(PanelGeometry::maxHeight(QRect(0, 25, 1440, 650)), 550);
    EXPECT_EQ(PanelGeometry::maxHeight(QRect(0, 0, 1024, 700)), 600);
    EXPECT_EQ(PanelGeometry::maxHeight(std::nullopt), 600);
    // Header 17, insets 12 + 10 + 14.
    EXPECT_EQ(PanelGeometry::desiredHeight(17, 70, 600), 123);
    EXPECT_EQ(PanelGeometry::desiredHeight(17, 2000, 550), 550);
}

TEST(PanelGeometry, AppearsInTheTopRightCornerOfTheArea)
{
    EXPECT_EQ(PanelGeometry::cornerFrame(QRect(0, 0, 1440, 900), 123), QRect(980, 60, 420, 123));
    // An area that does not start at the origin: a panel on top, a second screen to the right.
    EXPECT_EQ(PanelGeometry::cornerFrame(QRect(1440, 32, 1280, 768), 200), QRect(2260, 92, 420, 200));
}

TEST(PanelGeometry, ResizingKeepsTheTopEdgeAndStaysOnScreen)
{
    const QRect area(0, 0, 1440, 900);
    EXPECT_EQ(PanelGeometry::resizedFrame(QRect(980, 60, 420, 200), 201, area), std::nullopt);
    EXPECT_EQ(PanelGeometry::resizedFrame(QRect(980, 60, 420, 200), 199, area), std::nullopt);
    EXPECT_EQ(PanelGeometry::resizedFrame(QRect(980, 60, 420, 200), 300, area), QRect(980, 60, 420, 300));
    EXPECT_EQ(PanelGeometry::resizedFrame(QRect(980, 60, 420, 300), 120, area), QRect(980, 60, 420, 120));
    // Dragged low and far right: growing pushes it back inside.
    EXPECT_EQ(PanelGeometry::resizedFrame(QRect(1300, 700, 420, 100), 400, area), QRect(1020, 500, 420, 400));
    EXPECT_EQ(PanelGeometry::resizedFrame(QRect(-50, -20, 420, 100), 150, area), QRect(0, 0, 420, 150));
    // No screen: nothing to clamp into.
    EXPECT_EQ(PanelGeometry::resizedFrame(QRect(1300, 700, 420, 100), 400, std::nullopt), QRect(1300, 700, 420, 400));
}

TEST(RingGeometry, TrackAndClockwiseArcFromTheTop)
{
    const RingGeometry empty = RingGeometry::of(QSizeF(18, 18), 0);
    EXPECT_EQ(empty.circle, QRectF(1.25, 1.25, 15.5, 15.5));
    EXPECT_FALSE(empty.hasArc);
    EXPECT_FALSE(RingGeometry::of(QSizeF(18, 18), 0.002).hasArc);

    const RingGeometry quarter = RingGeometry::of(QSizeF(18, 18), 0.25);
    EXPECT_TRUE(quarter.hasArc);
    EXPECT_EQ(quarter.startAngle, 90 * 16);
    EXPECT_EQ(quarter.spanAngle, -90 * 16);
    EXPECT_EQ(RingGeometry::of(QSizeF(18, 18), 1.0).spanAngle, -360 * 16);
    EXPECT_EQ(RingGeometry::of(QSizeF(18, 18), 1.7).spanAngle, -360 * 16);

    // A wide view: the circle follows the shorter side, centred.
    EXPECT_EQ(RingGeometry::of(QSizeF(30, 18), 0.5).circle, QRectF(7.25, 1.25, 15.5, 15.5));
}

TEST(ProgressSmoother, GlidesAndSettlesExactlyOnTheTarget)
{
    ProgressSmoother smoother;
    EXPECT_FALSE(smoother.isGliding());
    smoother.setTarget(0.5);
    EXPECT_TRUE(smoother.isGliding());
    EXPECT_TRUE(smoother.tick());
    EXPECT_DOUBLE_EQ(smoother.displayed(), 0.11);
    EXPECT_TRUE(smoother.tick());
    EXPECT_DOUBLE_EQ(smoother.displayed(), 0.11 + 0.39 * 0.22);
    double previous = smoother.displayed();
    smoother.setTarget(1.0);
    int ticks = 2;
    while (smoother.tick()) {
        EXPECT_GT(smoother.displayed(), previous); // never overshoots, never steps back
        EXPECT_LT(smoother.displayed(), 1.0);
        previous = smoother.displayed();
        ASSERT_LT(++ticks, 100);
    }
    EXPECT_EQ(smoother.displayed(), 1.0);
    EXPECT_FALSE(smoother.isGliding());
    // About 25 frames from 0.5 to 1: under a second at 30 a second.
    EXPECT_LT(ticks, 30);

    smoother.settle(0.3);
    EXPECT_EQ(smoother.displayed(), 0.3);
    EXPECT_FALSE(smoother.isGliding());
}

namespace {
TaskSnapshot snapshot(Status status)
{
    TaskSnapshot t;
    t.input = QStringLiteral("/home/u/Videos/holiday clip.mov");
    t.op = ConversionOp::convert(OutputFormat::mp4);
    t.status = status;
    return t;
}
const QDateTime kNow(QDate(2026, 3, 4), QTime(12, 0, 0));
} // namespace

TEST(CardContent, QueuedAndRunning)
{
    const CardContent queued = CardContent::of(snapshot(Status::queued), kNow);
    EXPECT_EQ(s(queued.title), "Converting to MP4");
    EXPECT_EQ(s(queued.subtitle), "Queued · holiday clip.mov");
    EXPECT_EQ(queued.symbol, BadgeSymbol::clock);
    EXPECT_EQ(queued.badgeTint, CardTint::secondary);
    EXPECT_EQ(s(queued.progressText), "");
    EXPECT_EQ(s(queued.toolTip), "/home/u/Videos/holiday clip.mov");
    EXPECT_FALSE(queued.showsBar);
    EXPECT_FALSE(queued.showsActions);
    EXPECT_EQ(s(queued.closeName), "Dismiss result");

    TaskSnapshot t = snapshot(Status::running);
    t.progress = 0.426;
    const CardContent running = CardContent::of(t, kNow);
    EXPECT_EQ(s(running.title), "Converting to MP4");
    EXPECT_EQ(s(running.subtitle), "holiday clip.mov");
    EXPECT_EQ(running.symbol, BadgeSymbol::none);
    EXPECT_EQ(running.badgeTint, CardTint::accent);
    EXPECT_EQ(s(running.progressText), "43%");
    EXPECT_TRUE(running.showsBar);
    EXPECT_FALSE(running.showsActions);
    EXPECT_EQ(s(running.closeName), "Cancel task");
    t.progress = 0.995;
    EXPECT_EQ(s(CardContent::of(t, kNow).progressText), "100%");
}

TEST(CardContent, CompletedWithOneOrManyFiles)
{
    TaskSnapshot t = snapshot(Status::done);
    t.outputs = {QStringLiteral("/home/u/Videos/holiday clip Converted.mp4")};
    t.finishedAt = kNow.addSecs(-5);
    CardContent c = CardContent::of(t, kNow);
    EXPECT_EQ(s(c.title), "holiday clip Converted.mp4");
    EXPECT_EQ(s(c.subtitle), "Completed · Just now");
    EXPECT_EQ(c.symbol, BadgeSymbol::checkmarkCircleFill);
    EXPECT_EQ(c.badgeTint, CardTint::green);
    EXPECT_TRUE(c.showsOpen);
    EXPECT_TRUE(c.showsReveal);
    EXPECT_FALSE(c.showsRetry);
    EXPECT_TRUE(c.showsActions);
    EXPECT_EQ(s(c.toolTip), "/home/u/Videos/holiday clip Converted.mp4");
    EXPECT_EQ(s(c.closeName), "Dismiss result");
    EXPECT_EQ(s(c.openTitle), "Open");
    EXPECT_EQ(s(c.revealTitle), "Show in Folder");
    EXPECT_EQ(s(c.retryTitle), "Retry");

    // A split into four parts, finished twelve minutes ago.
    t.op = ConversionOp::split(10);
    t.outputs = {"/p/clip Part 1.mp4", "/p/clip Part 2.mp4", "/p/clip Part 3.mp4", "/p/clip Part 4.mp4"};
    t.finishedAt = kNow.addSecs(-12 * 60 - 30);
    c = CardContent::of(t, kNow);
    EXPECT_EQ(s(c.title), "clip Part 1.mp4");
    EXPECT_EQ(s(c.subtitle), "Completed · 4 file(s) · 12 min ago");
    EXPECT_EQ(s(c.toolTip), "/p/clip Part 1.mp4\n/p/clip Part 2.mp4\n/p/clip Part 3.mp4\n/p/clip Part 4.mp4");

    // Done without outputs or a finish time: the input's name, no time, no buttons.
    t.outputs.clear();
    t.finishedAt.reset();
    c = CardContent::of(t, kNow);
    EXPECT_EQ(s(c.title), "holiday clip.mov");
    EXPECT_EQ(s(c.subtitle), "Completed");
    EXPECT_FALSE(c.showsActions);
}

TEST(CardContent, FailedAndCancelled)
{
    TaskSnapshot t = snapshot(Status::failed);
    t.error = QStringLiteral("/out/x.mp4: permission DENIED");
    CardContent c = CardContent::of(t, kNow);
    EXPECT_EQ(s(c.title), "Failed · holiday clip.mov");
    EXPECT_EQ(s(c.subtitle), "Permission denied — check that the folder is writable.");
    EXPECT_EQ(c.subtitleTint, CardTint::red);
    EXPECT_EQ(c.subtitleAlpha, 0.85);
    EXPECT_EQ(c.symbol, BadgeSymbol::exclamationTriangleFill);
    EXPECT_EQ(c.badgeTint, CardTint::red);
    EXPECT_EQ(s(c.toolTip), "/out/x.mp4: permission DENIED"); // the raw text stays at hand
    EXPECT_TRUE(c.showsRetry);
    EXPECT_FALSE(c.showsOpen);
    EXPECT_FALSE(c.showsReveal);
    t.error.reset();
    EXPECT_EQ(s(CardContent::of(t, kNow).subtitle), "");

    TaskSnapshot k = snapshot(Status::cancelled);
    k.outputs = {"/p/clip Part 1.mp4", "/p/clip Part 2.mp4"};
    c = CardContent::of(k, kNow);
    EXPECT_EQ(s(c.title), "holiday clip.mov");
    EXPECT_EQ(s(c.subtitle), "Cancelled · 2 file(s) saved");
    EXPECT_EQ(c.symbol, BadgeSymbol::xmarkCircle);
    EXPECT_EQ(c.badgeTint, CardTint::orange);
    EXPECT_TRUE(c.showsReveal);
    EXPECT_FALSE(c.showsOpen);
    EXPECT_FALSE(c.showsRetry);
    EXPECT_TRUE(c.showsActions);
    k.outputs.clear();
    EXPECT_EQ(s(CardContent::of(k, kNow).subtitle), "Cancelled · 0 file(s) saved");
}
