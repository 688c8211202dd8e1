// SPDX-License-Identifier: GPL-3.0-or-later
// The per-file rules the tool windows and karvo-cli share.
#include "ToolRules.h"

#include "Preferences.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace karvo;

namespace {
ToolFile video(double duration, int width = 1920, int height = 1080)
{
    return {"/v/clip.mp4", MediaInfo{duration, width, height, true, true, "mov"}};
}
const ToolFile kUnknown{"/v/unknown.mp4", std::nullopt};
} // namespace

TEST(ToolRules, TrimClampsToEachFilesOwnLengthAndRefusesWhatCannotBeCut)
{
    struct Row {
        ToolFile file;
        double start, end;
        std::optional<ConversionOp> expected;
    };
    const QList<Row> rows{
        {video(10), 2, 5, ConversionOp::trim(2, 5)},
        {video(4), 2, 8, ConversionOp::trim(2, 4)},   // shorter than the chosen end: cut to its own end
        {video(2), 3, 8, std::nullopt},               // shorter than the chosen start
        {video(3), 3, 8, std::nullopt},               // start exactly at the end
        {video(10), -1, 5, ConversionOp::trim(0, 5)}, // negative start clamps to 0
        {video(10), 5, 5, std::nullopt},              // empty stretch
        {video(0), 0, 5, std::nullopt},               // unknown length
        {kUnknown, 0, 5, std::nullopt},
    };
    for (const Row& r : rows) {
        const auto op = ToolRules::trim(r.file, r.start, r.end);
        EXPECT_EQ(op, r.expected) << r.start << ".." << r.end << " on " << (r.file.info ? r.file.info->duration : -1);
    }
}

TEST(ToolRules, SnapshotClampsIntoTheFile)
{
    EXPECT_EQ(ToolRules::snapshot(video(10), 4), ConversionOp::snapshot(4));
    EXPECT_EQ(ToolRules::snapshot(video(10), 12), ConversionOp::snapshot(10));
    EXPECT_EQ(ToolRules::snapshot(video(10), -3), ConversionOp::snapshot(0));
    EXPECT_EQ(ToolRules::snapshot(video(0), 1), std::nullopt);
    EXPECT_EQ(ToolRules::snapshot(kUnknown, 1), std::nullopt);
}

TEST(ToolRules, CropUsesEachFilesOwnSize)
{
    EXPECT_EQ(ToolRules::crop(video(5, 1920, 1080), QRectF(0.1, 0.1, 0.5, 0.5)),
              ConversionOp::crop(192, 108, 960, 540));
    EXPECT_EQ(ToolRules::crop(video(5, 1280, 720), QRectF(0.1, 0.1, 0.5, 0.5)), ConversionOp::crop(128, 72, 640, 360));
    EXPECT_EQ(ToolRules::crop(video(5, 0, 0), QRectF(0, 0, 1, 1)), std::nullopt);
    EXPECT_EQ(ToolRules::crop(kUnknown, QRectF(0, 0, 1, 1)), std::nullopt);
}

TEST(ToolRules, CropKeepsOnlyWhatLiesInThePicture)
{
    const ToolFile hd = video(5, 1920, 1080);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        QRectF rect;
        std::optional<ConversionOp> expected;
    };
    const QList<Row> rows{
        {QRectF(1, 1, 1, 1), std::nullopt},                                     // entirely past the bottom-right corner
        {QRectF(-1, -1, 0.5, 0.5), std::nullopt},                               // entirely before the top-left corner
        {QRectF(0.2, 1, 0.5, 0.5), std::nullopt},                               // touches the picture only at its edge
        {QRectF(nan, 0, 0.5, 0.5), std::nullopt},                               //
        {QRectF(0, 0, nan, 1), std::nullopt},                                   //
        {QRectF(-1, -1, 3, 3), ConversionOp::crop(0, 0, 1920, 1080)},           // covers the picture: all of it
        {QRectF(0.5, 0.5, 0.8, 0.8), ConversionOp::crop(960, 540, 960, 540)},   // cut at the picture's edges
        {QRectF(0.6, 0.6, -0.2, -0.2), ConversionOp::crop(768, 432, 384, 216)}, // drawn from the other corner
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ToolRules::crop(hd, r.rect), r.expected)
            << r.rect.x() << "," << r.rect.y() << "," << r.rect.width() << "," << r.rect.height();
        ToolParameters p;
        p.cropRect = r.rect;
        EXPECT_EQ(ToolRules::operation(ToolKind::crop, p, hd), r.expected);
    }
}

TEST(ToolRules, ValuesOutsideTheWindowsRangesAreClampedOrRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    ToolParameters p;
    // Quality and speed are clamped as the stored defaults are.
    for (const auto& [given, used] : {std::pair{0.0, 0.4}, {1.0, 0.95}, {-3.0, 0.4}, {0.6, 0.6}}) {
        p.imageQuality = given;
        EXPECT_EQ(ToolRules::operation(ToolKind::compressImage, p, kUnknown), ConversionOp::compressImage(used))
            << given;
    }
    for (const auto& [given, used] : {std::pair{10.0, 4.0}, {0.1, 0.25}, {1.5, 1.5}}) {
        p.speedFactor = given;
        EXPECT_EQ(ToolRules::operation(ToolKind::speed, p, kUnknown), ConversionOp::speed(used)) << given;
    }
    p.imageQuality = nan;
    p.speedFactor = nan;
    EXPECT_EQ(ToolRules::operation(ToolKind::compressImage, p, kUnknown), std::nullopt);
    EXPECT_EQ(ToolRules::operation(ToolKind::speed, p, kUnknown), std::nullopt);

    // A part shorter than the split window's shortest would make millions of parts.
    for (const double seconds : {1e-300, 1e-7, 0.5, 0.0, -10.0, nan}) {
        p.splitSeconds = seconds;
        EXPECT_EQ(ToolRules::operation(ToolKind::split, p, video(60)), std::nullopt) << seconds;
    }
    p.splitSeconds = 1;
    EXPECT_EQ(ToolRules::operation(ToolKind::split, p, video(60)), ConversionOp::split(1));
}

TEST(ToolRules, BatchToolsNeverRefuseAFile)
{
    ToolParameters p;
    p.compressPreset = 2;
    p.imageQuality = 0.6;
    p.resizeEdge = 800;
    p.speedFactor = 1.5;
    p.splitSeconds = 30;
    EXPECT_EQ(ToolRules::operation(ToolKind::compressVideo, p, kUnknown), ConversionOp::compress(33));
    EXPECT_EQ(ToolRules::operation(ToolKind::compressImage, p, kUnknown), ConversionOp::compressImage(0.6));
    EXPECT_EQ(ToolRules::operation(ToolKind::resizeImage, p, kUnknown), ConversionOp::resizeImage(800));
    EXPECT_EQ(ToolRules::operation(ToolKind::speed, p, kUnknown), ConversionOp::speed(1.5));
    EXPECT_EQ(ToolRules::operation(ToolKind::split, p, kUnknown), ConversionOp::split(30));
    p.compressPreset = 0;
    EXPECT_EQ(ToolRules::operation(ToolKind::compressVideo, p, kUnknown), ConversionOp::compress(23));
}

TEST(ToolRules, WindowsOpenWithTheStoredDefaults)
{
    QTemporaryDir dir;
    Preferences::setFilePath(dir.filePath("settings.json"));
    Preferences::setValue("kv.videoCompressPreset", 0);
    Preferences::setValue("kv.imageCompressQuality", 0.5);
    Preferences::setValue("kv.imageResizeMaxEdge", 1280);
    Preferences::setValue("kv.speedMultiplier", 0.5);
    Preferences::setValue("kv.splitDuration", 30);

    const ToolParameters p = ToolParameters::fromDefaults({video(12), video(40)});
    EXPECT_EQ(p.compressPreset, 0);
    EXPECT_DOUBLE_EQ(p.imageQuality, 0.5);
    EXPECT_EQ(p.resizeEdge, 1280);
    EXPECT_DOUBLE_EQ(p.speedFactor, 0.5);
    EXPECT_DOUBLE_EQ(p.trimStart, 0);
    EXPECT_DOUBLE_EQ(p.trimEnd, 12);      // the first file's length
    EXPECT_DOUBLE_EQ(p.splitSeconds, 12); // never longer than the first file
    EXPECT_EQ(p.cropRect, QRectF(0, 0, 1, 1));

    const ToolParameters unknown = ToolParameters::fromDefaults({kUnknown});
    EXPECT_DOUBLE_EQ(unknown.trimEnd, 0);
    EXPECT_DOUBLE_EQ(unknown.splitSeconds, 1);
    Preferences::setFilePath({});
}
