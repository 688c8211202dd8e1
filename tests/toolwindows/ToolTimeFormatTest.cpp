// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolTimeFormat.h"

#include <gtest/gtest.h>
#include <limits>

using namespace karvo;

TEST(ToolTimeFormat, ClockAndTimeTable)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        double seconds;
        const char* clock;
        const char* time;
    };
    const Row rows[] = {
        {-1, "0:00", "0:00.00"},
        {-0.0, "0:00", "0:00.00"},
        {inf, "0:00", "0:00.00"},
        {-inf, "0:00", "0:00.00"},
        {nan, "0:00", "0:00.00"},
        {0, "0:00", "0:00.00"},
        {5, "0:05", "0:05.00"},
        {59.9, "0:59", "0:59.90"},
        {60, "1:00", "1:00.00"},
        {75.5, "1:15", "1:15.50"},
        {3725, "62:05", "62:05.00"}, // minutes are not folded into hours
        {36000.25, "600:00", "600:00.25"},
        // Hundredths that round up carry into the minute instead of showing 60 seconds.
        {59.999, "0:59", "1:00.00"},
        {119.996, "1:59", "2:00.00"},
        {0.004, "0:00", "0:00.00"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ToolTimeFormat::fmtClock(r.seconds), QString::fromLatin1(r.clock)) << r.seconds;
        EXPECT_EQ(ToolTimeFormat::fmtTime(r.seconds), QString::fromLatin1(r.time)) << r.seconds;
    }
}

TEST(ToolTimeFormat, AbsurdLengthsStayReadable)
{
    // A broken probe can report any length; the text must not wrap round into a negative time.
    EXPECT_EQ(ToolTimeFormat::fmtClock(1e300), QStringLiteral("16666666666:40"));
    EXPECT_EQ(ToolTimeFormat::fmtTime(1e300), QStringLiteral("16666666666:40.00"));
    EXPECT_EQ(ToolTimeFormat::fmtClock(9.3e18), QStringLiteral("16666666666:40"));
}
