// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchCrop.h"

#include <gtest/gtest.h>
#include <limits>

using namespace karvo;

TEST(BatchCrop, ScalesTheRectangleToTheFrame)
{
    EXPECT_EQ(BatchCrop::pixels(QRectF(0.1, 0.1, 0.5, 0.5), 1920, 1080), (PixelRect{192, 108, 960, 540}));
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 1, 1), 1280, 720), (PixelRect{0, 0, 1280, 720}));
}

TEST(BatchCrop, SizesAreEvenAndAtLeastTwo)
{
    // 0.5 x 1282 = 641 rounds down to even.
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 0.5, 0.5), 1282, 720), (PixelRect{0, 0, 640, 360}));
    // Halves round away from zero before evening: 0.25 x 10 = 2.5 -> 3 -> 2.
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 0.25, 0.25), 10, 10)->w, 2);
    EXPECT_EQ(BatchCrop::pixels(QRectF(0.5, 0.5, 0, 0), 1920, 1080), (PixelRect{960, 540, 2, 2}));
    EXPECT_EQ(BatchCrop::pixels(QRectF(0.5, 0.5, 0.0001, 0.0001), 100, 100), (PixelRect{50, 50, 2, 2}));
}

TEST(BatchCrop, StaysInsideTheFrame)
{
    EXPECT_EQ(BatchCrop::pixels(QRectF(0.9, 0, 0.3, 1), 1000, 500), (PixelRect{700, 0, 300, 500}));
    EXPECT_EQ(BatchCrop::pixels(QRectF(-0.2, -0.1, 0.5, 0.5), 1000, 500), (PixelRect{0, 0, 500, 250}));
    // A rectangle larger than the frame is cut to the largest even size that fits, so the crop is valid.
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 1.5, 2), 1000, 501), (PixelRect{0, 0, 1000, 500}));
    // A rectangle drawn right to left is the same rectangle.
    EXPECT_EQ(BatchCrop::pixels(QRectF(0.6, 0.6, -0.5, -0.5), 1920, 1080), (PixelRect{192, 108, 960, 540}));
}

TEST(BatchCrop, NoCropForEmptyFramesOrNonNumbers)
{
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 1, 1), 0, 1080), std::nullopt);
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 1, 1), 1920, -1), std::nullopt);
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 1, 1), 1, 1080), std::nullopt);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(BatchCrop::pixels(QRectF(nan, 0, 0.5, 0.5), 1920, 1080), std::nullopt);
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, inf, 0.5), 1920, 1080), std::nullopt);
    EXPECT_EQ(BatchCrop::pixels(QRectF(0, 0, 1e300, 1e300), 1920, 1080), (PixelRect{0, 0, 1920, 1080}));
}
