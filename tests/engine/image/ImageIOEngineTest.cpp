// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageIOEngine.h"

#include "ImageFixtures.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace karvo;
using namespace karvo::test;

namespace {
class ImageIOEngineTest : public ::testing::Test {
protected:
    QString out(const QString& name) const { return m_dir.path() + u'/' + name; }
    QStringList leftovers() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    static std::optional<ImageIOError> run(const QString& input, const QString& output,
                                           const ImageWriteParameters& params, const CancelCheck& cancel = {})
    {
        return ImageIOEngine::write(input, output, params, cancel);
    }
    static std::optional<ImageIOFailure> failureOf(const std::optional<ImageIOError>& error)
    {
        return error ? std::optional(error->failure) : std::nullopt;
    }

    QTemporaryDir m_dir;
};

ImageWriteParameters jpeg(std::optional<double> quality = 0.9)
{
    return ImageWriteParameters{ImageFormat::jpeg, quality, std::nullopt, 0, false};
}

ImageWriteParameters png()
{
    return ImageWriteParameters{ImageFormat::png, std::nullopt, std::nullopt, 0, false};
}

ImageWriteParameters rotated(int degrees)
{
    return ImageWriteParameters{ImageFormat::png, std::nullopt, std::nullopt, degrees, false};
}
} // namespace

TEST(ImageIOEngineParameters, FollowTheOperationAndTheInputKind)
{
    using P = ImageWriteParameters;
    const auto params = [](const ConversionOp& op, const char* ext, int angle = 90) {
        return ImageIOEngine::parameters(op, QString::fromLatin1(ext), angle);
    };
    EXPECT_EQ(params(ConversionOp::convertImage(ImageFormat::heic), "png"),
              (P{ImageFormat::heic, 0.9, std::nullopt, 0, false}));
    EXPECT_EQ(params(ConversionOp::convertImage(ImageFormat::png), "jpg"),
              (P{ImageFormat::png, std::nullopt, std::nullopt, 0, false}));
    EXPECT_EQ(params(ConversionOp::compressImage(0.4), "png"), (P{ImageFormat::jpeg, 0.4, std::nullopt, 0, false}));
    EXPECT_EQ(params(ConversionOp::compressImage(0.4), "heif"), (P{ImageFormat::heic, 0.4, std::nullopt, 0, false}));
    EXPECT_EQ(params(ConversionOp::resizeImage(1920), "jpeg"), (P{ImageFormat::jpeg, 0.92, 1920, 0, false}));
    EXPECT_EQ(params(ConversionOp::resizeImage(1920), "webp"), (P{ImageFormat::png, std::nullopt, 1920, 0, false}));
    EXPECT_EQ(params(ConversionOp::rotateImage(), "heic", 270), (P{ImageFormat::heic, 0.92, std::nullopt, 270, false}));
    EXPECT_EQ(params(ConversionOp::removeMetadata(), "jpg"), (P{ImageFormat::jpeg, 0.95, std::nullopt, 0, true}));
    EXPECT_EQ(params(ConversionOp::removeMetadata(), "tiff"),
              (P{ImageFormat::png, std::nullopt, std::nullopt, 0, true}));
    // Video metadata removal and background removal take other paths.
    EXPECT_EQ(params(ConversionOp::removeMetadata(), "mp4"), std::nullopt);
    EXPECT_EQ(params(ConversionOp::removeBackground(), "jpg"), std::nullopt);
    EXPECT_EQ(params(ConversionOp::mute(), "mp4"), std::nullopt);
}

TEST_F(ImageIOEngineTest, ResizingAPhotoKeepsExifGpsAndIptcButNotXmp)
{
    const auto params = ImageIOEngine::parameters(ConversionOp::resizeImage(1920), "jpg", 0);
    ASSERT_TRUE(params);
    ASSERT_EQ(run(ImageFixtures::photo4000(), out("a.jpg"), *params), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("a.jpg")), QSize(1920, 1440));
    const QJsonObject meta = ImageFixtures::metadata(out("a.jpg"));
    EXPECT_EQ(meta.value("IFD0:Make").toString(), "KarvoCam");
    EXPECT_EQ(meta.value("ExifIFD:DateTimeOriginal").toString(), "2024:05:01 10:00:00");
    EXPECT_NEAR(meta.value("GPS:GPSLatitude").toDouble(), 48.137, 1e-3);
    EXPECT_EQ(meta.value("IPTC:Keywords").toString(), "karvo");
    EXPECT_EQ(meta.value("IFD0:Orientation").toInt(), 1);
    EXPECT_FALSE(ImageFixtures::hasGroup(meta, "XMP")) << "XMP is not among the groups carried over";
    EXPECT_EQ(leftovers(), QStringList{"a.jpg"});
}

TEST_F(ImageIOEngineTest, TurnedPhotosComeOutUprightWithOrientationOne)
{
    // Stored 4000x3000 with orientation 6: upright and fitted into 1920 it is 1440x1920.
    auto params = ImageIOEngine::parameters(ConversionOp::resizeImage(1920), "jpg", 0);
    ASSERT_EQ(run(ImageFixtures::photo4000Turned(), out("turned.jpg"), *params), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("turned.jpg")), QSize(1440, 1920));
    EXPECT_EQ(ImageFixtures::metadata(out("turned.jpg")).value("IFD0:Orientation").toInt(), 1);

    // Any operation applies the orientation: the displayed top-left corner stays top-left.
    for (const char* name : {"c.png", "c.heic", "c.jpg"}) {
        const QString target = out(name);
        const ImageFormat format = QString(name).endsWith("png")    ? ImageFormat::png
                                   : QString(name).endsWith("heic") ? ImageFormat::heic
                                                                    : ImageFormat::jpeg;
        ASSERT_EQ(run(ImageFixtures::portrait(), target, {format, 0.9, std::nullopt, 0, false}), std::nullopt) << name;
        EXPECT_EQ(ImageFixtures::size(target), QSize(400, 600)) << name;
        EXPECT_TRUE(ImageFixtures::isRed(ImageFixtures::pixel(target, 30, 30))) << name;
        EXPECT_TRUE(ImageFixtures::isBlue(ImageFixtures::pixel(target, 370, 570))) << name;
        const QJsonObject meta = ImageFixtures::metadata(target);
        if (meta.contains("IFD0:Orientation")) {
            EXPECT_EQ(meta.value("IFD0:Orientation").toInt(), 1) << name;
        }
    }
}

TEST_F(ImageIOEngineTest, ImagesAreNeverEnlarged)
{
    const ImageWriteParameters params{ImageFormat::png, std::nullopt, 1920, 0, false};
    ASSERT_EQ(run(ImageFixtures::pngWithAlpha(), out("a.png"), params), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("a.png")), QSize(800, 600));
    EXPECT_EQ(ImageFixtures::bands(out("a.png")), 4) << "transparency is kept in PNG";

    ASSERT_EQ(run(ImageFixtures::tinyOdd(), out("tiny.jpg"), {ImageFormat::jpeg, 0.9, 1920, 0, false}), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("tiny.jpg")), QSize(5, 3));
    // A longest edge below 1 means no limit rather than an empty picture.
    ASSERT_EQ(run(ImageFixtures::tinyOdd(), out("tiny0.png"), {ImageFormat::png, std::nullopt, 0, 0, false}),
              std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("tiny0.png")), QSize(5, 3));
    ASSERT_EQ(run(ImageFixtures::tinyOdd(), out("tiny1.png"), {ImageFormat::png, std::nullopt, 1, 0, false}),
              std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("tiny1.png")).width(), 1);
}

TEST_F(ImageIOEngineTest, RemovingMetadataLeavesNoExifIptcOrGpsButKeepsTheColourProfile)
{
    for (const char* name : {"m.jpg", "m.png", "m.heic"}) {
        const QString target = out(name);
        const QString ext = QFileInfo(target).suffix();
        const auto params = ImageIOEngine::parameters(ConversionOp::removeMetadata(), "jpg", 0);
        ASSERT_TRUE(params);
        ImageWriteParameters p = *params;
        p.format = ext == "png" ? ImageFormat::png : ext == "heic" ? ImageFormat::heic : ImageFormat::jpeg;
        ASSERT_EQ(run(ImageFixtures::taggedWithProfile(), target, p), std::nullopt) << name;
        const QJsonObject meta = ImageFixtures::metadata(target);
        for (const char* group : {"GPS", "IPTC", "XMP", "MakerNotes", "Photoshop"})
            EXPECT_FALSE(ImageFixtures::hasGroup(meta, group)) << name << " still has " << group;
        EXPECT_FALSE(meta.contains("IFD0:Make")) << name;
        EXPECT_FALSE(meta.contains("ExifIFD:DateTimeOriginal")) << name;
        // libvips cannot write HEIF with a profile but without its own technical EXIF block.
        if (ext != "heic") {
            for (const char* group : {"IFD0", "IFD1", "ExifIFD"})
                EXPECT_FALSE(ImageFixtures::hasGroup(meta, group)) << name << " still has " << group;
        }
        EXPECT_TRUE(ImageFixtures::hasGroup(meta, "ICC")) << name << " lost its colour profile";
        EXPECT_EQ(ImageFixtures::size(target), QSize(640, 480));
    }
    // A HEIC without a profile is written without any EXIF block.
    ASSERT_EQ(run(ImageFixtures::photo4000Turned(), out("plain.heic"), {ImageFormat::heic, 0.5, 320, 0, true}),
              std::nullopt);
    const QJsonObject plain = ImageFixtures::metadata(out("plain.heic"));
    for (const char* group : {"IFD0", "ExifIFD", "GPS", "IPTC", "XMP"})
        EXPECT_FALSE(ImageFixtures::hasGroup(plain, group)) << "plain.heic still has " << group;

    // Without stripping the same source keeps its groups and its profile.
    ASSERT_EQ(run(ImageFixtures::taggedWithProfile(), out("kept.jpg"), jpeg()), std::nullopt);
    const QJsonObject kept = ImageFixtures::metadata(out("kept.jpg"));
    EXPECT_TRUE(ImageFixtures::hasGroup(kept, "GPS"));
    EXPECT_TRUE(ImageFixtures::hasGroup(kept, "IPTC"));
    EXPECT_TRUE(ImageFixtures::hasGroup(kept, "ICC"));
}

TEST_F(ImageIOEngineTest, QualityChangesTheFileSizeAndIsClamped)
{
    const auto sizeAt = [&](double quality, const QString& name) {
        EXPECT_EQ(run(ImageFixtures::taggedWithProfile(), out(name), jpeg(quality)), std::nullopt);
        return QFileInfo(out(name)).size();
    };
    const qint64 low = sizeAt(0.2, "q20.jpg");
    const qint64 high = sizeAt(0.9, "q90.jpg");
    EXPECT_LT(low * 2, high);
    // Out-of-range and undefined qualities are clamped to 0...1 before the saver sees them.
    EXPECT_EQ(sizeAt(-3, "qneg.jpg"), sizeAt(0, "q0.jpg"));
    EXPECT_EQ(sizeAt(std::numeric_limits<double>::quiet_NaN(), "qnan.jpg"), sizeAt(0, "q0b.jpg"));
    EXPECT_EQ(sizeAt(7, "qbig.jpg"), sizeAt(1, "q100.jpg"));
    EXPECT_LT(sizeAt(0, "q0c.jpg"), low);
}

TEST_F(ImageIOEngineTest, HeicRoundTrip)
{
    ASSERT_TRUE(ImageIOEngine::canWrite(ImageFormat::heic)) << "this machine has libheif with x265";
    ASSERT_EQ(run(ImageFixtures::quadrants(), out("q.heic"), {ImageFormat::heic, 0.9, std::nullopt, 0, false}),
              std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("q.heic")), QSize(600, 400));
    ASSERT_EQ(run(out("q.heic"), out("back.png"), png()), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("back.png")), QSize(600, 400));
    EXPECT_TRUE(ImageFixtures::isRed(ImageFixtures::pixel(out("back.png"), 100, 100)));
    EXPECT_TRUE(ImageFixtures::isBlue(ImageFixtures::pixel(out("back.png"), 100, 300)));
}

TEST_F(ImageIOEngineTest, EveryImageKindLoads)
{
    struct Case {
        QString input;
        QSize size;
    };
    const Case cases[] = {{ImageFixtures::heic(), {640, 480}}, {ImageFixtures::webp(), {320, 200}},
                          {ImageFixtures::tiff(), {320, 200}}, {ImageFixtures::bmp(), {160, 90}},
                          {ImageFixtures::ico(), {64, 48}},    {ImageFixtures::svg(), {120, 80}},
                          {TestMedia::oddGif(), {161, 121}}};
    int n = 0;
    for (const Case& c : cases) {
        const QString target = out(QStringLiteral("kind%1.jpg").arg(n++));
        EXPECT_EQ(failureOf(run(c.input, target, jpeg())), std::nullopt) << c.input.toStdString();
        EXPECT_EQ(ImageFixtures::size(target), c.size) << c.input.toStdString();
    }
    // The SVG is a flat green field; an animated GIF gives its first frame as one still picture.
    EXPECT_TRUE(ImageFixtures::isGreen(ImageFixtures::pixel(out("kind5.jpg"), 60, 40)));
}

TEST_F(ImageIOEngineTest, TransparencyBecomesWhiteInJpeg)
{
    ASSERT_EQ(run(ImageFixtures::pngWithAlpha(), out("flat.jpg"), jpeg()), std::nullopt);
    const auto hidden = ImageFixtures::pixel(out("flat.jpg"), 100, 300);
    EXPECT_GT(hidden[0], 240);
    EXPECT_GT(hidden[1], 240);
    EXPECT_GT(hidden[2], 240);
    EXPECT_TRUE(ImageFixtures::isGreen(ImageFixtures::pixel(out("flat.jpg"), 600, 300)));
}

TEST_F(ImageIOEngineTest, RotationTurnsByQuarterTurns)
{
    // +90 is a quarter turn counter-clockwise: the top edge becomes the left edge.
    ASSERT_EQ(run(ImageFixtures::quadrants(), out("r90.png"), rotated(90)), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("r90.png")), QSize(400, 600));
    EXPECT_TRUE(ImageFixtures::isGreen(ImageFixtures::pixel(out("r90.png"), 100, 100)));
    EXPECT_TRUE(ImageFixtures::isRed(ImageFixtures::pixel(out("r90.png"), 100, 500)));

    // 270 and -90 are the same clockwise quarter turn.
    for (int degrees : {270, -90, 630}) {
        const QString target = out(QStringLiteral("r%1.png").arg(degrees));
        ASSERT_EQ(run(ImageFixtures::quadrants(), target, rotated(degrees)), std::nullopt);
        EXPECT_EQ(ImageFixtures::size(target), QSize(400, 600)) << degrees;
        EXPECT_TRUE(ImageFixtures::isRed(ImageFixtures::pixel(target, 300, 100))) << degrees;
        EXPECT_TRUE(ImageFixtures::isBlue(ImageFixtures::pixel(target, 100, 100))) << degrees;
    }

    ASSERT_EQ(run(ImageFixtures::quadrants(), out("r180.png"), rotated(-180)), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("r180.png")), QSize(600, 400));
    EXPECT_TRUE(ImageFixtures::isRed(ImageFixtures::pixel(out("r180.png"), 500, 300)));

    for (int degrees : {0, 45, 360}) {
        const QString target = out(QStringLiteral("r%1.png").arg(degrees));
        ASSERT_EQ(run(ImageFixtures::quadrants(), target, rotated(degrees)), std::nullopt);
        EXPECT_EQ(ImageFixtures::size(target), QSize(600, 400)) << degrees;
        EXPECT_TRUE(ImageFixtures::isRed(ImageFixtures::pixel(target, 100, 100))) << degrees;
    }
}

TEST_F(ImageIOEngineTest, InputsWithoutADecodableImageAreUnreadable)
{
    const QString missing = m_dir.path() + "/missing.jpg";
    for (const QString& input : {ImageFixtures::corruptJpeg(), ImageFixtures::truncatedJpeg(),
                                 ImageFixtures::emptyFile(), missing, m_dir.path()}) {
        const auto error = run(input, out("x.png"), png());
        EXPECT_EQ(failureOf(error), ImageIOFailure::unreadable) << input.toStdString();
        EXPECT_FALSE(QFileInfo::exists(out("x.png"))) << input.toStdString();
    }
    EXPECT_EQ(leftovers(), QStringList{});
}

TEST_F(ImageIOEngineTest, MissingEncoderFailsBeforeTheInputIsOpened)
{
    ImageIOEngine::setHeicWritableForTesting(false);
    const auto error = run(m_dir.path() + "/missing.jpg", out("x.heic"), {ImageFormat::heic, 0.9, {}, 0, false});
    ImageIOEngine::setHeicWritableForTesting(std::nullopt);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure, ImageIOFailure::cannotWrite);
    EXPECT_EQ(error->format, ImageFormat::heic);
    EXPECT_TRUE(ImageIOEngine::canWrite(ImageFormat::jpeg));
    EXPECT_TRUE(ImageIOEngine::canWrite(ImageFormat::png));
}

TEST_F(ImageIOEngineTest, DestinationProblemsAreWriteFailures)
{
    EXPECT_EQ(failureOf(run(ImageFixtures::quadrants(), m_dir.path() + "/no/such/folder/x.png", png())),
              ImageIOFailure::writeFailed);

    // An existing file is never replaced.
    QFile existing(out("taken.png"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    EXPECT_EQ(failureOf(run(ImageFixtures::quadrants(), out("taken.png"), png())), ImageIOFailure::writeFailed);
    QFile check(out("taken.png"));
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("keep me"));
    EXPECT_EQ(leftovers(), QStringList{"taken.png"});
}

TEST_F(ImageIOEngineTest, CancellationStopsAtEveryStageAndLeavesNothing)
{
    // Cancelled from the start, after a few checks, and deep inside decoding and encoding.
    for (int allowed : {0, 1, 2, 3, 6, 40}) {
        std::atomic<int> asked{0};
        const CancelCheck cancel = [&] {
            return asked.fetch_add(1) >= allowed;
        };
        const auto error = run(ImageFixtures::photo4000(), out("c.png"), png(), cancel);
        EXPECT_EQ(failureOf(error), ImageIOFailure::cancelled) << "after " << allowed << " checks";
        EXPECT_EQ(leftovers(), QStringList{}) << "after " << allowed << " checks";
    }
    // Also while turning, which decodes the whole picture first.
    std::atomic<int> asked{0};
    const CancelCheck cancel = [&] {
        return asked.fetch_add(1) >= 3;
    };
    EXPECT_EQ(failureOf(run(ImageFixtures::photo4000(), out("t.png"), rotated(90), cancel)), ImageIOFailure::cancelled);
    EXPECT_EQ(leftovers(), QStringList{});
}
