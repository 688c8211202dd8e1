// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageFixtures.h"

#include "ImagingEntry.h"
#include "TestMedia.h"
#include "Vips.h"
#include "VipsRuntime.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

// x265, under libheif, keeps a few allocations of its own for the life of the process; they are not ours to free.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libx265.so\n";
}

namespace {
// These tests link the image code: they test it in-process, without loading the image module.
[[maybe_unused]] const bool imagingLinked = (karvo::ImagingModule::install(&karvo::linkedImagingFunctions()), true);
} // namespace

namespace karvo::test {

namespace {
// Images are made with libvips, which reports failures by exception.
QString cached(const QString& name, const std::function<bool(const QString&)>& make)
{
    VipsRuntime::ensureStarted();
    return TestMedia::cached(QStringLiteral("image-v1-") + name, [&](const QString& out) {
        try {
            return make(out);
        } catch (const vips::VError& e) {
            ADD_FAILURE() << e.what();
            return false;
        }
    });
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// A photo-like picture: smooth colour gradients with grain, so that JPEG quality matters.
vips::VImage photoPixels(int w, int h)
{
    const vips::VImage xy = vips::VImage::xyz(w, h);
    const vips::VImage r = xy[0] * (255.0 / w);
    const vips::VImage g = xy[1] * (255.0 / h);
    const vips::VImage b = (xy[0] + xy[1]) * (255.0 / (w + h));
    const vips::VImage grain = vips::VImage::gaussnoise(w, h, vips::VImage::option()->set("sigma", 12.0));
    return (r.bandjoin(g).bandjoin(b) + grain)
        .cast(VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

vips::VImage solid(int w, int h, std::vector<double> rgb)
{
    return (vips::VImage::black(w, h, vips::VImage::option()->set("bands", 3)) + rgb)
        .cast(VIPS_FORMAT_UCHAR)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
}

bool exiftool(const QStringList& args)
{
    int code = -1;
    TestMedia::run(QStringLiteral("exiftool"), QStringList{"-q", "-q", "-overwrite_original"} + args, &code);
    return code == 0;
}

const QStringList photoTags{"-Make=KarvoCam",       "-DateTimeOriginal=2024:05:01 10:00:00",
                            "-GPSLatitude=48.137",  "-GPSLatitudeRef=N",
                            "-GPSLongitude=11.575", "-GPSLongitudeRef=E",
                            "-IPTC:Keywords=karvo", "-XMP-dc:Title=private title"};

bool taggedPhoto(const QString& out, int orientation)
{
    photoPixels(4000, 3000).jpegsave(native(out).constData(), vips::VImage::option()->set("Q", 90));
    return exiftool(photoTags + QStringList{QStringLiteral("-Orientation#=%1").arg(orientation), out});
}
} // namespace

QString ImageFixtures::photo4000()
{
    return cached("photo4000.jpg", [](const QString& out) { return taggedPhoto(out, 1); });
}

QString ImageFixtures::photo4000Turned()
{
    return cached("photo4000-turned.jpg", [](const QString& out) { return taggedPhoto(out, 6); });
}

QString ImageFixtures::portrait()
{
    return cached("portrait.jpg", [](const QString& out) {
        // Orientation 6 displays the stored picture turned a quarter clockwise, so the stored bottom-left
        // corner becomes the displayed top-left, and the stored top-right the displayed bottom-right.
        vips::VImage stored = solid(600, 400, {128, 128, 128}).copy_memory();
        stored.draw_rect({255, 0, 0}, 0, 300, 100, 100, vips::VImage::option()->set("fill", true));
        stored.draw_rect({0, 0, 255}, 500, 0, 100, 100, vips::VImage::option()->set("fill", true));
        stored.jpegsave(native(out).constData(), vips::VImage::option()->set("Q", 95));
        return exiftool({"-Make=KarvoCam", "-Orientation#=6", out});
    });
}

QString ImageFixtures::taggedWithProfile()
{
    return cached("tagged-profile.jpg", [](const QString& out) {
        const vips::VImage withProfile =
            photoPixels(640, 480).icc_transform("srgb", vips::VImage::option()->set("input_profile", "srgb"));
        withProfile.jpegsave(native(out).constData(), vips::VImage::option()->set("Q", 90));
        return exiftool(photoTags + QStringList{out});
    });
}

QString ImageFixtures::pngWithAlpha()
{
    return cached("alpha.png", [](const QString& out) {
        vips::VImage rgb = solid(800, 600, {0, 255, 0}).copy_memory();
        rgb.draw_rect({0, 0, 255}, 0, 0, 400, 600, vips::VImage::option()->set("fill", true));
        vips::VImage alpha = (vips::VImage::black(800, 600) + 255).cast(VIPS_FORMAT_UCHAR).copy_memory();
        alpha.draw_rect({0}, 0, 0, 400, 600, vips::VImage::option()->set("fill", true));
        rgb.bandjoin(alpha).pngsave(native(out).constData());
        return true;
    });
}

QString ImageFixtures::quadrants()
{
    return cached("quadrants.png", [](const QString& out) {
        vips::VImage image = solid(600, 400, {255, 255, 255}).copy_memory();
        image.draw_rect({255, 0, 0}, 0, 0, 300, 200, vips::VImage::option()->set("fill", true));
        image.draw_rect({0, 255, 0}, 300, 0, 300, 200, vips::VImage::option()->set("fill", true));
        image.draw_rect({0, 0, 255}, 0, 200, 300, 200, vips::VImage::option()->set("fill", true));
        image.pngsave(native(out).constData());
        return true;
    });
}

QString ImageFixtures::heic()
{
    return cached("photo.heic", [](const QString& out) {
        photoPixels(640, 480).heifsave(native(out).constData(),
                                       vips::VImage::option()->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_HEVC));
        return true;
    });
}

QString ImageFixtures::webp()
{
    return cached("photo.webp", [](const QString& out) {
        photoPixels(320, 200).webpsave(native(out).constData());
        return true;
    });
}

QString ImageFixtures::tiff()
{
    return cached("photo.tiff", [](const QString& out) {
        photoPixels(320, 200).tiffsave(native(out).constData());
        return true;
    });
}

QString ImageFixtures::bmp()
{
    return cached("photo.bmp", [](const QString& out) {
        photoPixels(160, 90).magicksave(native(out).constData(), vips::VImage::option()->set("format", "bmp"));
        return true;
    });
}

QString ImageFixtures::ico()
{
    return cached("icon.ico", [](const QString& out) {
        photoPixels(64, 48).magicksave(native(out).constData(), vips::VImage::option()->set("format", "ico"));
        return true;
    });
}

QString ImageFixtures::svg()
{
    return cached("drawing.svg", [](const QString& out) {
        QFile file(out);
        return file.open(QIODevice::WriteOnly) &&
               file.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"80\">"
                          "<rect width=\"120\" height=\"80\" fill=\"#00ff00\"/></svg>\n") > 0;
    });
}

QString ImageFixtures::tinyOdd()
{
    return cached("tiny.jpg", [](const QString& out) {
        photoPixels(5, 3).jpegsave(native(out).constData());
        return true;
    });
}

QString ImageFixtures::corruptJpeg()
{
    return cached("corrupt.jpg", [](const QString& out) {
        QFile file(out);
        QByteArray bytes("\xFF\xD8\xFF\xE0", 4);
        for (int i = 0; i < 4096; ++i)
            bytes.append(static_cast<char>((i * 7919) % 251));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    });
}

QString ImageFixtures::truncatedJpeg()
{
    return cached("truncated.jpg", [](const QString& out) {
        const QString whole = out + QStringLiteral(".whole.jpg");
        photoPixels(1200, 900).jpegsave(native(whole).constData());
        QFile source(whole);
        if (!source.open(QIODevice::ReadOnly))
            return false;
        const QByteArray head = source.read(source.size() / 3);
        source.close();
        QFile::remove(whole);
        QFile file(out);
        return file.open(QIODevice::WriteOnly) && file.write(head) == head.size();
    });
}

QString ImageFixtures::emptyFile()
{
    return cached("empty.png", [](const QString& out) {
        QFile file(out);
        return file.open(QIODevice::WriteOnly);
    });
}

QString ImageFixtures::largeQuadrants()
{
    return cached("large-quadrants.jpg", [](const QString& out) {
        vips::VImage image = solid(8000, 6000, {255, 255, 255}).copy_memory();
        image.draw_rect({255, 0, 0}, 0, 0, 4000, 3000, vips::VImage::option()->set("fill", true));
        image.draw_rect({0, 255, 0}, 4000, 0, 4000, 3000, vips::VImage::option()->set("fill", true));
        image.draw_rect({0, 0, 255}, 0, 3000, 4000, 3000, vips::VImage::option()->set("fill", true));
        image.jpegsave(native(out).constData(), vips::VImage::option()->set("Q", 90));
        return true;
    });
}

QString ImageFixtures::overHeicLimit()
{
    return cached("over-heic-limit.png", [](const QString& out) {
        solid(7072, 7072, {128, 128, 128}).pngsave(native(out).constData());
        return true;
    });
}

QString ImageFixtures::segmentationModel(int width, int height, double gain, double bias, bool dynamic)
{
    const QString name = QStringLiteral("model-%1x%2-g%3-b%4%5.onnx")
                             .arg(width)
                             .arg(height)
                             .arg(gain)
                             .arg(bias)
                             .arg(dynamic ? QStringLiteral("-dynamic") : QString());
    return cached(name, [=](const QString& out) {
        QStringList args{QStringLiteral(KARVO_SEGMENTATION_MODEL_SCRIPT), out,
                         QStringLiteral("--width=%1").arg(width),         QStringLiteral("--height=%1").arg(height),
                         QStringLiteral("--gain=%1").arg(gain),           QStringLiteral("--bias=%1").arg(bias)};
        if (dynamic)
            args << QStringLiteral("--dynamic");
        int code = -1;
        // Debian's own Python, which has the onnx package.
        TestMedia::run(QStringLiteral("/usr/bin/python3"), args, &code);
        return code == 0;
    });
}

QJsonObject ImageFixtures::metadata(const QString& path)
{
    const QByteArray json = TestMedia::run(QStringLiteral("exiftool"), {"-j", "-G1", "-a", "-n", path});
    return QJsonDocument::fromJson(json).array().at(0).toObject();
}

bool ImageFixtures::hasGroup(const QJsonObject& metadata, const QString& prefix)
{
    for (auto it = metadata.begin(); it != metadata.end(); ++it) {
        if (it.key().startsWith(prefix))
            return true;
    }
    return false;
}

QSize ImageFixtures::size(const QString& path)
{
    const vips::VImage image = vips::VImage::new_from_file(native(path).constData());
    return QSize(image.width(), image.height());
}

int ImageFixtures::bands(const QString& path)
{
    return vips::VImage::new_from_file(native(path).constData()).bands();
}

std::vector<double> ImageFixtures::pixel(const QString& path, int x, int y)
{
    return vips::VImage::new_from_file(native(path).constData()).getpoint(x, y);
}

bool ImageFixtures::isRed(const std::vector<double>& rgb)
{
    return rgb.size() >= 3 && rgb[0] > 200 && rgb[1] < 60 && rgb[2] < 60;
}

bool ImageFixtures::isGreen(const std::vector<double>& rgb)
{
    return rgb.size() >= 3 && rgb[0] < 60 && rgb[1] > 200 && rgb[2] < 60;
}

bool ImageFixtures::isBlue(const std::vector<double>& rgb)
{
    return rgb.size() >= 3 && rgb[0] < 60 && rgb[1] < 60 && rgb[2] > 200;
}

} // namespace karvo::test
