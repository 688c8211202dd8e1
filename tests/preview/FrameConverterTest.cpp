// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrameConverter.h"

#include <QVideoFrame>
#include <cstdint>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

using namespace karvo;
using F = QVideoFrameFormat;

namespace {

// Published Y'CbCr values of a few colours (8-bit, limited range unless named otherwise).
struct Yuv {
    int y, u, v;
};
constexpr Yuv red601{81, 90, 240};
constexpr Yuv green601{145, 54, 34};
constexpr Yuv blue601{41, 240, 110};
constexpr Yuv white{235, 128, 128};
constexpr Yuv red709{63, 102, 240};
constexpr Yuv redFull601{76, 85, 255};

using Painter = std::function<Yuv(int x, int y)>;

// A frame of `format` whose pixel (x, y) has the colour `paint` gives; chroma is taken at the top-left
// pixel of each chroma block. `scale` multiplies every sample (4 for 10-bit values, 256 for P010's).
QVideoFrame makeFrame(F::PixelFormat format, QSize size, const Painter& paint, int scale = 1,
                      F::ColorRange range = F::ColorRange_Video, F::ColorSpace space = F::ColorSpace_Undefined)
{
    F surface(size, format);
    surface.setColorRange(range);
    surface.setColorSpace(space);
    QVideoFrame frame(surface);
    EXPECT_TRUE(frame.map(QVideoFrame::WriteOnly));
    const bool wide = format == F::Format_YUV420P10 || format == F::Format_P010 || format == F::Format_P016;
    const auto put = [&](int plane, int x, int y, int value) {
        uchar* row = frame.bits(plane) + qsizetype(y) * frame.bytesPerLine(plane);
        if (wide) {
            const auto v = static_cast<std::uint16_t>(value * scale);
            std::memcpy(row + x * 2, &v, 2);
        } else {
            row[x] = static_cast<uchar>(value);
        }
    };
    const int w = size.width();
    const int h = size.height();
    if (format == F::Format_UYVY) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; x += 2) {
                const Yuv c = paint(x, y);
                put(0, x * 2, y, c.u);
                put(0, x * 2 + 1, y, c.y);
                put(0, x * 2 + 2, y, c.v);
                put(0, x * 2 + 3, y, paint(x + 1, y).y);
            }
        frame.unmap();
        return frame;
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            put(0, x, y, paint(x, y).y);
    const int sy = format == F::Format_YUV422P ? 1 : 2;
    for (int y = 0; y < h / sy; ++y)
        for (int x = 0; x < w / 2; ++x) {
            const Yuv c = paint(x * 2, y * sy);
            switch (format) {
            case F::Format_NV12:
            case F::Format_P010:
            case F::Format_P016:
                put(1, x * 2, y, c.u);
                put(1, x * 2 + 1, y, c.v);
                break;
            case F::Format_NV21:
                put(1, x * 2, y, c.v);
                put(1, x * 2 + 1, y, c.u);
                break;
            case F::Format_YV12:
                put(1, x, y, c.v);
                put(2, x, y, c.u);
                break;
            default:
                put(1, x, y, c.u);
                put(2, x, y, c.v);
                break;
            }
        }
    frame.unmap();
    return frame;
}

// Four stripes, two pixels wide each: red, green, blue, white.
Yuv stripes(int x, int)
{
    const Yuv colours[] = {red601, green601, blue601, white};
    return colours[(x / 2) % 4];
}

::testing::AssertionResult near(QRgb actual, QColor expected, int tolerance = 4)
{
    const QColor a = QColor::fromRgb(actual);
    if (std::abs(a.red() - expected.red()) <= tolerance && std::abs(a.green() - expected.green()) <= tolerance &&
        std::abs(a.blue() - expected.blue()) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << a.name().toStdString() << ", expected "
                                         << expected.name().toStdString();
}

void expectStripes(const QImage& image)
{
    ASSERT_EQ(image.size(), QSize(8, 4));
    for (int y = 0; y < 4; ++y) {
        EXPECT_TRUE(near(image.pixel(0, y), QColor(255, 0, 0)));
        EXPECT_TRUE(near(image.pixel(3, y), QColor(0, 255, 0)));
        EXPECT_TRUE(near(image.pixel(5, y), QColor(0, 0, 255)));
        EXPECT_TRUE(near(image.pixel(7, y), QColor(255, 255, 255)));
    }
}

} // namespace

class FrameConverterLayouts : public ::testing::TestWithParam<std::pair<F::PixelFormat, int>> {};

TEST_P(FrameConverterLayouts, ConvertsEveryDecoderLayoutToTheSameColours)
{
    const auto [format, scale] = GetParam();
    const QVideoFrame frame = makeFrame(format, QSize(8, 4), stripes, scale);
    expectStripes(FrameConverter::toImage(frame, 0, {}));
}

INSTANTIATE_TEST_SUITE_P(Layouts, FrameConverterLayouts,
                         ::testing::Values(std::pair{F::Format_YUV420P, 1}, std::pair{F::Format_YV12, 1},
                                           std::pair{F::Format_YUV422P, 1}, std::pair{F::Format_NV12, 1},
                                           std::pair{F::Format_NV21, 1}, std::pair{F::Format_YUV420P10, 4},
                                           std::pair{F::Format_P010, 256},
                                           // Not converted here: goes through QVideoFrame::toImage.
                                           std::pair{F::Format_UYVY, 1}),
                         [](const auto& param) {
                             switch (param.param.first) {
                             case F::Format_YUV420P:
                                 return "YUV420P";
                             case F::Format_YV12:
                                 return "YV12";
                             case F::Format_YUV422P:
                                 return "YUV422P";
                             case F::Format_NV12:
                                 return "NV12";
                             case F::Format_NV21:
                                 return "NV21";
                             case F::Format_YUV420P10:
                                 return "YUV420P10";
                             case F::Format_P010:
                                 return "P010";
                             default:
                                 return "UYVY";
                             }
                         });

TEST(FrameConverter, FollowsTheFramesRangeAndMatrix)
{
    const auto solid = [](Yuv c) {
        return [c](int, int) {
            return c;
        };
    };
    const QImage full = FrameConverter::toImage(
        makeFrame(F::Format_YUV420P, QSize(4, 4), solid(redFull601), 1, F::ColorRange_Full), 0, {});
    EXPECT_TRUE(near(full.pixel(1, 1), QColor(255, 0, 0)));

    const QImage hd = FrameConverter::toImage(
        makeFrame(F::Format_YUV420P, QSize(4, 4), solid(red709), 1, F::ColorRange_Video, F::ColorSpace_BT709), 0, {});
    EXPECT_TRUE(near(hd.pixel(1, 1), QColor(255, 0, 0)));
    // The same samples read as BT.601 (what an untagged frame is taken to be) are no longer pure red.
    const QImage untagged = FrameConverter::toImage(makeFrame(F::Format_YUV420P, QSize(4, 4), solid(red709)), 0, {});
    EXPECT_FALSE(near(untagged.pixel(1, 1), QColor(255, 0, 0), 12));
}

TEST(FrameConverter, AveragesWhenShrinkingInsteadOfPickingSamples)
{
    // One-pixel black and white columns: picking every fourth sample would give all black or all white.
    const QVideoFrame frame = makeFrame(F::Format_YUV420P, QSize(64, 32), [](int x, int) {
        return x % 2 ? Yuv{235, 128, 128} : Yuv{16, 128, 128};
    });
    const QImage image = FrameConverter::toImage(frame, 0, QSize(16, 8));
    ASSERT_EQ(image.size(), QSize(16, 8));
    for (const QPoint p : {QPoint(0, 0), QPoint(7, 3), QPoint(15, 7)})
        EXPECT_TRUE(near(image.pixel(p), QColor(128, 128, 128), 8)) << p.x() << "," << p.y();
}

TEST(FrameConverter, FitsIntoTheBoxKeepingTheAspectAndNeverEnlarges)
{
    const QVideoFrame frame = makeFrame(F::Format_YUV420P, QSize(64, 32), stripes);
    EXPECT_EQ(FrameConverter::toImage(frame, 0, QSize(24, 24)).size(), QSize(24, 12));
    EXPECT_EQ(FrameConverter::toImage(frame, 0, QSize(500, 500)).size(), QSize(64, 32));
    EXPECT_EQ(FrameConverter::toImage(frame, 0, QSize()).size(), QSize(64, 32));
    // The box is upright: a quarter-turned 64 × 32 frame is 32 × 64 and fills a 16 × 32 box.
    EXPECT_EQ(FrameConverter::toImage(frame, 90, QSize(16, 32)).size(), QSize(16, 32));
    EXPECT_EQ(FrameConverter::toImage(frame, 270, QSize(16, 100)).size(), QSize(16, 32));
}

TEST(FrameConverter, TurnsThePictureClockwise)
{
    // Left half red, right half blue.
    const QVideoFrame frame =
        makeFrame(F::Format_YUV420P, QSize(8, 4), [](int x, int) { return x < 4 ? red601 : blue601; });
    const QImage quarter = FrameConverter::toImage(frame, 90, {});
    ASSERT_EQ(quarter.size(), QSize(4, 8));
    EXPECT_TRUE(near(quarter.pixel(1, 1), QColor(255, 0, 0))); // the left edge is now at the top
    EXPECT_TRUE(near(quarter.pixel(1, 6), QColor(0, 0, 255)));
    const QImage threeQuarters = FrameConverter::toImage(frame, 270, {});
    EXPECT_TRUE(near(threeQuarters.pixel(1, 1), QColor(0, 0, 255)));
    EXPECT_TRUE(near(threeQuarters.pixel(1, 6), QColor(255, 0, 0)));
    const QImage half = FrameConverter::toImage(frame, 180, {});
    ASSERT_EQ(half.size(), QSize(8, 4));
    EXPECT_TRUE(near(half.pixel(1, 1), QColor(0, 0, 255)));
    EXPECT_TRUE(near(half.pixel(6, 1), QColor(255, 0, 0)));
}

TEST(FrameConverter, ReadsPackedRgbAndRejectsEmptyFrames)
{
    QVideoFrame frame(F(QSize(2, 2), F::Format_BGRA8888));
    ASSERT_TRUE(frame.map(QVideoFrame::WriteOnly));
    for (int y = 0; y < 2; ++y) {
        uchar* row = frame.bits(0) + y * frame.bytesPerLine(0);
        const uchar bgra[8] = {0, 0, 255, 255, 255, 0, 0, 255}; // red, blue
        std::memcpy(row, bgra, sizeof bgra);
    }
    frame.unmap();
    const QImage image = FrameConverter::toImage(frame, 0, {});
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_TRUE(near(image.pixel(0, 1), QColor(255, 0, 0), 0));
    EXPECT_TRUE(near(image.pixel(1, 1), QColor(0, 0, 255), 0));

    EXPECT_TRUE(FrameConverter::toImage(QVideoFrame(), 0, {}).isNull());
    EXPECT_TRUE(FrameConverter::convertsNatively(F::Format_YUV420P10));
    EXPECT_FALSE(FrameConverter::convertsNatively(F::Format_UYVY));
}
