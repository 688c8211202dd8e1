// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundRemover.h"

#include "ImageFixtures.h"
#include "OnnxInputShape.h"
#include "Vips.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace karvo;
using namespace karvo::test;

namespace {
constexpr double gain = 4.0;

struct Normalisation {
    double mean;
    double deviation;
};
constexpr Normalisation imageNetRed{0.485, 0.229};

double rawMask(double red, Normalisation n)
{
    return 1.0 / (1.0 + std::exp(-gain * ((red / 255.0 - n.mean) / n.deviation)));
}

// The alpha the model's mask gives a flat region of `red`, once the mask is stretched over [lo, hi].
double expectedAlpha(double red, double loRed, double hiRed, Normalisation n)
{
    const double lo = rawMask(loRed, n);
    const double hi = rawMask(hiRed, n);
    return (rawMask(red, n) - lo) / (hi - lo) * 255.0;
}

class BackgroundRemoverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_models.isValid());
        ASSERT_TRUE(m_out.isValid());
        BackgroundRemover::setModelFoldersForTesting({m_models.path()});
    }
    void TearDown() override { BackgroundRemover::setModelFoldersForTesting({}); }

    void install(const QString& model, const QString& name, const QByteArray& sidecar = {})
    {
        ASSERT_TRUE(QFile::copy(model, m_models.path() + u'/' + name + ".onnx"));
        if (!sidecar.isEmpty()) {
            QFile file(m_models.path() + u'/' + name + ".json");
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(sidecar);
        }
    }
    QString out(const QString& name) const { return m_out.path() + u'/' + name; }
    QStringList leftovers() const
    {
        return QDir(m_out.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Three flat vertical bands whose red channels differ; green and blue are set so that reading the
    // channels in BGR order would give a different mask.
    QString bands(const QString& name, int w, int h) const
    {
        vips::VImage image = vips::VImage::black(w, h, vips::VImage::option()->set("bands", 3)).copy_memory();
        image.draw_rect({255, 40, 0}, 0, 0, w / 3, h, vips::VImage::option()->set("fill", true));
        image.draw_rect({128, 90, 255}, w / 3, 0, w / 3, h, vips::VImage::option()->set("fill", true));
        image.draw_rect({0, 200, 128}, 2 * (w / 3), 0, w - 2 * (w / 3), h, vips::VImage::option()->set("fill", true));
        const QString path = m_out.path() + "/in-" + name;
        image.copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
            .pngsave(QFile::encodeName(path).constData());
        return path;
    }
    static std::optional<ImageIOFailure> failureOf(const std::optional<ImageIOError>& error)
    {
        return error ? std::optional(error->failure) : std::nullopt;
    }

    QTemporaryDir m_models;
    QTemporaryDir m_out;
};
} // namespace

TEST_F(BackgroundRemoverTest, WithoutAModelNothingIsOffered)
{
    BackgroundRemover::setModelFoldersForTesting({});
    const QStringList folders = BackgroundRemover::modelFolders();
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tessvane/models");
    EXPECT_EQ(folders[1], QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/karvo/models"));
    EXPECT_FALSE(BackgroundRemover::isAvailable());

    const auto error = BackgroundRemover::removeBackground(ImageFixtures::quadrants(), out("x.png"), {});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure, ImageIOFailure::cannotWrite);
    EXPECT_EQ(error->format, ImageFormat::png);

    // A file that is not a model does not count either.
    BackgroundRemover::setModelFoldersForTesting({m_models.path()});
    QFile junk(m_models.path() + "/junk.onnx");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a model");
    junk.close();
    EXPECT_FALSE(BackgroundRemover::isAvailable());
    install(ImageFixtures::segmentationModel(40, 24, gain, 0, false), "zz-red");
    EXPECT_TRUE(BackgroundRemover::isAvailable());
}

TEST_F(BackgroundRemoverTest, CutsOutTheSubjectAtFullSizeWithTheModelsDeclaredInput)
{
    // The model only runs at the 40x24 it declares, so success shows the declared size was read.
    install(ImageFixtures::segmentationModel(40, 24, gain, 0, false), "red");
    const QString input = bands("odd.png", 301, 203);
    ASSERT_EQ(BackgroundRemover::removeBackground(input, out("cut.png"), {}), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("cut.png")), QSize(301, 203));
    ASSERT_EQ(ImageFixtures::bands(out("cut.png")), 4);

    const auto left = ImageFixtures::pixel(out("cut.png"), 40, 100);
    const auto middle = ImageFixtures::pixel(out("cut.png"), 150, 100);
    const auto right = ImageFixtures::pixel(out("cut.png"), 260, 100);
    EXPECT_NEAR(left[3], 255, 2);
    EXPECT_NEAR(middle[3], expectedAlpha(128, 0, 255, imageNetRed), 4);
    EXPECT_NEAR(right[3], 0, 2);
    // The colours are the source's, untouched.
    EXPECT_EQ(std::vector<double>(middle.begin(), middle.begin() + 3), (std::vector<double>{128, 90, 255}));
}

TEST_F(BackgroundRemoverTest, SidecarSetsInputSizeAndNormalisation)
{
    const Normalisation half{0.5, 0.5};
    install(ImageFixtures::segmentationModel(64, 48, gain, 0, true), "dynamic",
            R"({"inputSize": [64, 48], "mean": [0.5, 0.5, 0.5], "std": [0.5, 0.5, 0.5]})");
    const QString input = bands("b.png", 300, 200);
    ASSERT_EQ(BackgroundRemover::removeBackground(input, out("cut.png"), {}), std::nullopt);
    const double alpha = ImageFixtures::pixel(out("cut.png"), 150, 100)[3];
    EXPECT_NEAR(alpha, expectedAlpha(128, 0, 255, half), 4);
    ASSERT_GT(std::abs(expectedAlpha(128, 0, 255, half) - expectedAlpha(128, 0, 255, imageNetRed)), 12)
        << "the two normalisations must be told apart by this check";

    // Without its sidecar the model's size is unknown (320 is tried) and it cannot run.
    QFile::remove(m_models.path() + "/dynamic.json");
    EXPECT_EQ(failureOf(BackgroundRemover::removeBackground(input, out("nosidecar.png"), {})),
              ImageIOFailure::writeFailed);

    // An invalid sidecar makes the model unusable rather than guessed at.
    QFile bad(m_models.path() + "/dynamic.json");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(R"({"inputSize": [64, 48], "std": [0.5, 0, 0.5]})");
    bad.close();
    EXPECT_FALSE(BackgroundRemover::isAvailable());
}

TEST_F(BackgroundRemoverTest, ResultIsUprightWithoutMetadata)
{
    install(ImageFixtures::segmentationModel(40, 24, gain, 0, false), "red");
    ASSERT_EQ(BackgroundRemover::removeBackground(ImageFixtures::portrait(), out("p.png"), {}), std::nullopt);
    EXPECT_EQ(ImageFixtures::size(out("p.png")), QSize(400, 600));
    const auto topLeft = ImageFixtures::pixel(out("p.png"), 30, 30);
    EXPECT_TRUE(ImageFixtures::isRed(topLeft));
    EXPECT_GT(topLeft[3], 240);
    EXPECT_LT(ImageFixtures::pixel(out("p.png"), 370, 570)[3], 15) << "the blue corner is background";
    const QJsonObject meta = ImageFixtures::metadata(out("p.png"));
    for (const char* group : {"IFD0", "ExifIFD", "GPS", "IPTC", "XMP"})
        EXPECT_FALSE(ImageFixtures::hasGroup(meta, group)) << group;
}

TEST_F(BackgroundRemoverTest, TransparentPartsOfTheSourceStayTransparent)
{
    install(ImageFixtures::segmentationModel(40, 24, gain, 0, false), "red");
    vips::VImage rgb = vips::VImage::black(200, 100, vips::VImage::option()->set("bands", 3)).copy_memory();
    rgb.draw_rect({255, 0, 0}, 0, 0, 150, 100, vips::VImage::option()->set("fill", true));
    vips::VImage alpha = (vips::VImage::black(200, 100) + 255).cast(VIPS_FORMAT_UCHAR).copy_memory();
    alpha.draw_rect({0}, 0, 0, 50, 100, vips::VImage::option()->set("fill", true));
    const QString input = m_out.path() + "/in-alpha.png";
    rgb.bandjoin(alpha)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB))
        .pngsave(QFile::encodeName(input).constData());

    ASSERT_EQ(BackgroundRemover::removeBackground(input, out("a.png"), {}), std::nullopt);
    EXPECT_EQ(ImageFixtures::pixel(out("a.png"), 20, 50)[3], 0);
    EXPECT_GT(ImageFixtures::pixel(out("a.png"), 100, 50)[3], 240);
    EXPECT_LT(ImageFixtures::pixel(out("a.png"), 185, 50)[3], 15);
}

TEST_F(BackgroundRemoverTest, FailuresLeaveNothingBehind)
{
    install(ImageFixtures::segmentationModel(40, 24, gain, 0, false), "red");

    // Nowhere does the mask reach one half: no subject.
    vips::VImage dim = (vips::VImage::xyz(200, 100)[0] * (60.0 / 200)).cast(VIPS_FORMAT_UCHAR);
    dim = dim.bandjoin(dim).bandjoin(dim).copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    const QString dark = m_out.path() + "/in-dark.png";
    dim.pngsave(QFile::encodeName(dark).constData());
    EXPECT_EQ(failureOf(BackgroundRemover::removeBackground(dark, out("dark.png"), {})), ImageIOFailure::writeFailed);

    EXPECT_EQ(failureOf(BackgroundRemover::removeBackground(ImageFixtures::corruptJpeg(), out("c.png"), {})),
              ImageIOFailure::unreadable);
    EXPECT_EQ(failureOf(BackgroundRemover::removeBackground(ImageFixtures::truncatedJpeg(), out("t.png"), {})),
              ImageIOFailure::unreadable);

    const QString input = bands("c.png", 300, 200);
    for (int allowed : {0, 1, 2, 3, 4, 5}) {
        std::atomic<int> asked{0};
        const CancelCheck cancel = [&] {
            return asked.fetch_add(1) >= allowed;
        };
        EXPECT_EQ(failureOf(BackgroundRemover::removeBackground(input, out("x.png"), cancel)),
                  ImageIOFailure::cancelled)
            << "after " << allowed << " checks";
    }
    QStringList left = leftovers();
    left.removeIf([](const QString& name) { return name.startsWith("in-"); });
    EXPECT_EQ(left, QStringList{});
}

// The declared input size is read straight from the model file; a damaged file must give nothing, never a
// read past its end or a made-up size.
TEST(OnnxInputShapeTest, ReadsTheDeclaredSizeAndSurvivesEveryTruncation)
{
    const QString model = ImageFixtures::segmentationModel(40, 24, gain, 0, false);
    EXPECT_EQ(OnnxInputShape::read(model), QSize(40, 24));
    EXPECT_EQ(OnnxInputShape::read(ImageFixtures::segmentationModel(64, 48, gain, 0, true)), std::nullopt);
    EXPECT_EQ(OnnxInputShape::read(QStringLiteral("/nonexistent/model.onnx")), std::nullopt);

    QFile file(model);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    int sized = 0;
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        // A copy of exactly n bytes, so that AddressSanitizer sees any read beyond them.
        std::vector<unsigned char> prefix(data, data + n);
        const auto size = OnnxInputShape::parse(prefix.data(), n);
        if (size) {
            EXPECT_EQ(*size, QSize(40, 24)) << "at " << n << " bytes";
            ++sized;
        }
    }
    EXPECT_LT(sized, bytes.size()); // short prefixes cannot hold the declaration

    QByteArray flipped = bytes;
    for (qsizetype i = 0; i < flipped.size(); i += 7)
        flipped[i] = static_cast<char>(~flipped[i]);
    const auto damaged =
        OnnxInputShape::parse(reinterpret_cast<const unsigned char*>(flipped.constData()), flipped.size());
    if (damaged) {
        EXPECT_TRUE(damaged->width() > 0 && damaged->height() > 0);
    }
}
