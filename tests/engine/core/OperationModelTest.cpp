// SPDX-License-Identifier: GPL-3.0-or-later
#include "Actions.h"
#include "ConversionOp.h"
#include "Localization.h"
#include "MediaFormats.h"
#include "Printers.h"

#include <gtest/gtest.h>
#include <unordered_set>

using namespace karvo;

namespace {

struct SuffixCase {
    ConversionOp op;
    QString inputExt;
    QString base;
    QString ext;
};

TEST(OutputSuffix, MatchesTheNamingTable)
{
    const SuffixCase cases[] = {
        {ConversionOp::convert(OutputFormat::mp4), "mov", "", "mp4"},
        {ConversionOp::convert(OutputFormat::mkv), "mp4", "", "mkv"},
        {ConversionOp::convert(OutputFormat::gif), "mp4", "", "gif"},
        {ConversionOp::convert(OutputFormat::mp3), "wav", "", "mp3"},
        {ConversionOp::convert(OutputFormat::m4a), "mp3", "", "m4a"},
        {ConversionOp::convert(OutputFormat::mov), "mp4", "", "mov"},
        {ConversionOp::convertImage(ImageFormat::jpeg), "png", "", "jpg"},
        {ConversionOp::convertImage(ImageFormat::png), "jpg", "", "png"},
        {ConversionOp::convertImage(ImageFormat::heic), "png", "", "heic"},
        {ConversionOp::compress(23), "mov", " Compressed", "mp4"},
        {ConversionOp::compressImage(0.7), "png", " Compressed", "jpg"},
        {ConversionOp::compressImage(0.7), "heif", " Compressed", "heic"},
        {ConversionOp::compressImage(0.7), "jfif", " Compressed", "jpg"},
        {ConversionOp::compressImage(0.7), "webp", " Compressed", "jpg"},
        {ConversionOp::resizeImage(1920), "jpeg", " Resized", "jpg"},
        {ConversionOp::resizeImage(1920), "tiff", " Resized", "png"},
        {ConversionOp::resizeImage(1920), "heic", " Resized", "heic"},
        {ConversionOp::trim(1, 2), "mkv", " Trimmed", "mp4"},
        {ConversionOp::crop(0, 0, 10, 10), "mov", " Cropped", "mp4"},
        {ConversionOp::speed(2), "webm", " Speed", "mp4"},
        {ConversionOp::snapshot(1), "mov", " Snapshot", "png"},
        {ConversionOp::split(10), "mp4", "", ""},
        {ConversionOp::rotateImage(), "jpg", " Rotated", "jpg"},
        {ConversionOp::rotateImage(), "bmp", " Rotated", "png"},
        {ConversionOp::removeMetadata(), "png", " NoMeta", "png"},
        {ConversionOp::removeMetadata(), "webp", " NoMeta", "png"},
        {ConversionOp::removeMetadata(), "heif", " NoMeta", "heic"},
        {ConversionOp::removeMetadata(), "jpeg", " NoMeta", "jpg"},
        {ConversionOp::removeMetadata(), "mp3", " NoMeta", "mp3"},
        {ConversionOp::removeMetadata(), "mkv", " NoMeta", "mkv"},
        {ConversionOp::removeMetadata(), "gif", " NoMeta", "gif"}, // gif is video, so it keeps its extension
        {ConversionOp::removeBackground(), "jpg", " NoBg", "png"},
        {ConversionOp::mute(), "mkv", " Muted", "mkv"},
        {ConversionOp::mute(), "mp4", " Muted", "mp4"},
    };
    for (const SuffixCase& c : cases) {
        SCOPED_TRACE(c.op.describe().toStdString() + " on " + c.inputExt.toStdString());
        EXPECT_EQ(c.op.outputSuffix(c.inputExt), (OutputSuffix{c.base, c.ext}));
    }
}

TEST(OutputFormats, RawValuesRoundTripExactly)
{
    const QList<OutputFormat> formats = allOutputFormats();
    ASSERT_EQ(formats, (QList<OutputFormat>{OutputFormat::mp4, OutputFormat::mkv, OutputFormat::gif, OutputFormat::mp3,
                                            OutputFormat::m4a, OutputFormat::mov}));
    const QStringList raws{"MP4", "MKV", "GIF", "MP3", "M4A", "MOV"};
    for (qsizetype i = 0; i < formats.size(); ++i) {
        EXPECT_EQ(rawValue(formats[i]), raws[i]);
        EXPECT_EQ(fileExtension(formats[i]), raws[i].toLower());
        EXPECT_EQ(outputFormatFromRaw(raws[i]), formats[i]);
    }
    for (const char* bad : {"mp4", "Mp4", "", " MP4", "MP4 ", "MPEG4", "JPEG"})
        EXPECT_EQ(outputFormatFromRaw(bad), std::nullopt) << bad;
}

TEST(ImageFormats, RawValuesExtensionsAndLossiness)
{
    ASSERT_EQ(allImageFormats(), (QList<ImageFormat>{ImageFormat::jpeg, ImageFormat::png, ImageFormat::heic}));
    struct Row {
        ImageFormat format;
        QString raw;
        QString ext;
        bool lossy;
    };
    for (const Row& r : {Row{ImageFormat::jpeg, "JPEG", "jpg", true}, Row{ImageFormat::png, "PNG", "png", false},
                         Row{ImageFormat::heic, "HEIC", "heic", true}}) {
        EXPECT_EQ(rawValue(r.format), r.raw);
        EXPECT_EQ(fileExtension(r.format), r.ext);
        EXPECT_EQ(usesLossyQuality(r.format), r.lossy);
        EXPECT_EQ(imageFormatFromRaw(r.raw), r.format);
    }
    for (const char* bad : {"jpeg", "JPG", "Png", "", "GIF"})
        EXPECT_EQ(imageFormatFromRaw(bad), std::nullopt) << bad;
}

TEST(ImageFormats, PreservingAndCompressedMappingsIgnoreCase)
{
    struct Row {
        QString ext;
        ImageFormat preserving;
        ImageFormat compressed;
    };
    const Row rows[] = {
        {"jpg", ImageFormat::jpeg, ImageFormat::jpeg},  {"JPG", ImageFormat::jpeg, ImageFormat::jpeg},
        {"jpeg", ImageFormat::jpeg, ImageFormat::jpeg}, {"JFIF", ImageFormat::jpeg, ImageFormat::jpeg},
        {"png", ImageFormat::png, ImageFormat::jpeg},   {"PNG", ImageFormat::png, ImageFormat::jpeg},
        {"Png", ImageFormat::png, ImageFormat::jpeg},   {"heic", ImageFormat::heic, ImageFormat::heic},
        {"HEIF", ImageFormat::heic, ImageFormat::heic}, {"heif", ImageFormat::heic, ImageFormat::heic},
        {"tiff", ImageFormat::png, ImageFormat::jpeg},  {"webp", ImageFormat::png, ImageFormat::jpeg},
        {"bmp", ImageFormat::png, ImageFormat::jpeg},   {"", ImageFormat::png, ImageFormat::jpeg},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(imageFormatPreserving(r.ext), r.preserving) << r.ext.toStdString();
        EXPECT_EQ(imageFormatCompressed(r.ext), r.compressed) << r.ext.toStdString();
    }
}

TEST(ToolActions, RawValuesZeroToTenOnly)
{
    const ToolAction expected[] = {
        ToolAction::compress,        ToolAction::removeMeta, ToolAction::mute,  ToolAction::trim,   ToolAction::crop,
        ToolAction::speed,           ToolAction::snapshot,   ToolAction::split, ToolAction::resize, ToolAction::rotate,
        ToolAction::removeBackground};
    for (int raw = 0; raw <= 10; ++raw)
        EXPECT_EQ(toolActionFromRaw(raw), expected[raw]) << raw;
    for (int raw : {11, 12, -1, 1000})
        EXPECT_EQ(toolActionFromRaw(raw), std::nullopt) << raw;
}

TEST(ToolKinds, ListedInRequestOrder)
{
    EXPECT_EQ(allToolKinds(),
              (QList<ToolKind>{ToolKind::compressVideo, ToolKind::compressImage, ToolKind::resizeImage, ToolKind::trim,
                               ToolKind::crop, ToolKind::speed, ToolKind::snapshot, ToolKind::split}));
}

TEST(RadialActions, EqualityAndHashLookAtTheCaseAndItsPayloadOnly)
{
    const QList<RadialAction> all = {
        RadialAction::format(OutputFormat::mp4),      RadialAction::format(OutputFormat::mkv),
        RadialAction::imageFormat(ImageFormat::jpeg), RadialAction::imageFormat(ImageFormat::png),
        RadialAction::tool(ToolAction::compress),     RadialAction::tool(ToolAction::removeBackground),
    };
    std::unordered_set<RadialAction> set(all.begin(), all.end());
    EXPECT_EQ(set.size(), static_cast<size_t>(all.size()));
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (qsizetype j = 0; j < all.size(); ++j)
            EXPECT_EQ(all[i] == all[j], i == j) << i << " vs " << j;
    }
    EXPECT_EQ(set.count(RadialAction::tool(ToolAction::compress)), 1u);
    EXPECT_EQ(set.count(RadialAction::tool(ToolAction::mute)), 0u);
}

TEST(ConversionOps, EqualityComparesCaseAndPayload)
{
    EXPECT_EQ(ConversionOp::trim(1, 2.5), ConversionOp::trim(1, 2.5));
    EXPECT_NE(ConversionOp::trim(1, 2.5), ConversionOp::trim(1, 3));
    EXPECT_NE(ConversionOp::compress(20), ConversionOp::compress(23));
    EXPECT_NE(ConversionOp::convert(OutputFormat::mp4), ConversionOp::convert(OutputFormat::mov));
    EXPECT_NE(ConversionOp::crop(1, 2, 3, 4), ConversionOp::crop(2, 1, 3, 4));
    EXPECT_NE(ConversionOp::compress(20), ConversionOp::compressImage(20));
    EXPECT_EQ(ConversionOp::mute(), ConversionOp(ops::Mute{}));
}

TEST(ConversionOps, ImageEngineCarriesImageOperationsAndImageMetadata)
{
    struct Row {
        ConversionOp op;
        QString ext;
        bool image;
    };
    const Row rows[] = {
        {ConversionOp::convertImage(ImageFormat::png), "gif", true},
        {ConversionOp::compressImage(0.5), "png", true},
        {ConversionOp::resizeImage(800), "jpg", true},
        {ConversionOp::rotateImage(), "heic", true},
        {ConversionOp::removeBackground(), "png", true},
        {ConversionOp::removeMetadata(), "png", true},
        {ConversionOp::removeMetadata(), "webp", true},
        {ConversionOp::removeMetadata(), "mp4", false},
        {ConversionOp::removeMetadata(), "gif", false},
        {ConversionOp::convert(OutputFormat::gif), "mp4", false},
        {ConversionOp::compress(23), "mov", false},
        {ConversionOp::split(10), "mov", false},
        {ConversionOp::mute(), "mp4", false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.op.runsInImageEngine(r.ext), r.image)
            << r.op.describe().toStdString() << " on " << r.ext.toStdString();
}

TEST(ConversionOps, ProgressTitles)
{
    const std::pair<ConversionOp, QString> rows[] = {
        {ConversionOp::convert(OutputFormat::mp4), "Converting to MP4"},
        {ConversionOp::convert(OutputFormat::m4a), "Converting to M4A"},
        {ConversionOp::convertImage(ImageFormat::jpeg), "Converting to JPEG"},
        {ConversionOp::convertImage(ImageFormat::png), "Converting to PNG"},
        {ConversionOp::convertImage(ImageFormat::heic), "Converting to HEIC"},
        {ConversionOp::compress(23), "Compressing"},
        {ConversionOp::compressImage(0.75), "Compressing"},
        {ConversionOp::resizeImage(1920), "Resizing"},
        {ConversionOp::trim(0, 1), "Trimming"},
        {ConversionOp::crop(0, 0, 2, 2), "Cropping video"},
        {ConversionOp::speed(2), "Changing speed"},
        {ConversionOp::snapshot(0), "Taking snapshot"},
        {ConversionOp::split(10), "Splitting"},
        {ConversionOp::rotateImage(), "Rotating"},
        {ConversionOp::removeMetadata(), "Removing metadata"},
        {ConversionOp::removeBackground(), "Removing background"},
        {ConversionOp::mute(), "Muting"},
    };
    for (const auto& [op, title] : rows)
        EXPECT_EQ(op.localizedTitle(), title) << op.describe().toStdString();
}

} // namespace
