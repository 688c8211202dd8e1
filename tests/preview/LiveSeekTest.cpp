// SPDX-License-Identifier: GPL-3.0-or-later
#include "LiveSeek.h"

#include "MediaBackend.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

using namespace karvo;
using namespace std::chrono_literals;

namespace {

struct FakeClock {
    std::chrono::steady_clock::time_point now{};
    LiveSeek::Clock function()
    {
        return [this] {
            return now;
        };
    }
};

} // namespace

TEST(LiveSeek, FirstRequestRunsThenAtMostOnePerTenthOfASecond)
{
    FakeClock clock;
    clock.now += 5s; // any time at all: the last live seek starts in the distant past
    LiveSeek seek(clock.function());
    EXPECT_TRUE(seek.admit());
    clock.now += 40ms;
    EXPECT_FALSE(seek.admit());
    clock.now += 60ms; // exactly 0.1 s after the last one: not more than 0.1 s
    EXPECT_FALSE(seek.admit());
    clock.now += 1ms;
    EXPECT_TRUE(seek.admit());
    EXPECT_FALSE(seek.admit()); // same instant
}

TEST(LiveSeek, DroppedRequestsDoNotPushTheNextOneBack)
{
    FakeClock clock;
    LiveSeek seek(clock.function());
    EXPECT_TRUE(seek.admit()); // at 0
    for (int i = 0; i < 9; ++i) {
        clock.now += 10ms;
        EXPECT_FALSE(seek.admit()) << "at " << (i + 1) * 10 << " ms";
    }
    clock.now += 11ms; // 101 ms after the admitted one, 11 ms after the last dropped one
    EXPECT_TRUE(seek.admit());
}

TEST(LiveSeek, ResetForgetsTheLastSeek)
{
    FakeClock clock;
    LiveSeek seek(clock.function());
    EXPECT_TRUE(seek.admit());
    seek.reset();
    EXPECT_TRUE(seek.admit());
}

TEST(LiveSeek, RealClockAdmitsTheFirstRequest)
{
    LiveSeek seek;
    EXPECT_TRUE(seek.admit());
}

TEST(MediaBackend, ChoosesFFmpegUnlessTheUserChoseABackend)
{
    qunsetenv("QT_MEDIA_BACKEND");
    MediaBackend::selectDefault();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), QByteArray("ffmpeg"));

    qputenv("QT_MEDIA_BACKEND", QByteArrayLiteral("gstreamer"));
    MediaBackend::selectDefault();
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), QByteArray("gstreamer"));
    qunsetenv("QT_MEDIA_BACKEND");
}
