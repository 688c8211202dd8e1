// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewTestMedia.h"

#include "TestMedia.h"

#include <QTemporaryDir>
#include <cmath>

namespace karvo::test {

namespace {

QString pattern(const QString& name, const QStringList& encoding)
{
    return TestMedia::cached(name, [&encoding](const QString& out) {
        return TestMedia::ffmpeg(
            QStringList{"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=3,hue=H=n*1.3"} + encoding +
            QStringList{out});
    });
}

} // namespace

QString PreviewTestMedia::h264()
{
    return pattern("preview-h264.mp4",
                   {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25", "-f", "mp4"});
}

QString PreviewTestMedia::hevc10()
{
    return pattern("preview-hevc10.mp4", {"-c:v", "libx265", "-preset", "ultrafast", "-pix_fmt", "yuv420p10le",
                                          "-x265-params", "log-level=error:keyint=25", "-tag:v", "hvc1", "-f", "mp4"});
}

QString PreviewTestMedia::vp9()
{
    return pattern("preview-vp9.webm", {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8", "-b:v", "0",
                                        "-crf", "32", "-g", "25", "-f", "webm"});
}

QString PreviewTestMedia::mjpeg()
{
    return pattern("preview-mjpeg.avi", {"-c:v", "mjpeg", "-q:v", "2", "-f", "avi"});
}

QString PreviewTestMedia::mpegts()
{
    return pattern("preview-h264.ts",
                   {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25", "-f", "mpegts"});
}

QString PreviewTestMedia::rotated(int degrees)
{
    return TestMedia::cached(QStringLiteral("preview-rotate%1.mp4").arg(degrees), [degrees](const QString& out) {
        return TestMedia::ffmpeg({"-i", h264(), "-c", "copy", "-metadata:s:v:0",
                                  QStringLiteral("rotate=%1").arg(degrees), "-f", "mp4", out});
    });
}

QList<PreviewTestMedia::Clip> PreviewTestMedia::allCodecs()
{
    return {{"H264", h264()}, {"HEVC10", hevc10()}, {"VP9", vp9()}, {"MJPEG", mjpeg()}, {"MPEGTS", mpegts()}};
}

QImage PreviewTestMedia::ffmpegFrame(const QString& path, double seconds)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("frame.png");
    if (!TestMedia::ffmpeg({"-i", path, "-ss", QString::number(seconds, 'f', 6), "-frames:v", "1", png}))
        return {};
    return QImage(png);
}

double PreviewTestMedia::psnr(const QImage& image, const QImage& reference)
{
    if (image.isNull() || reference.isNull())
        return 0;
    const QImage a = image.convertToFormat(QImage::Format_RGB32);
    const QImage b = (reference.size() == image.size()
                          ? reference
                          : reference.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                         .convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int dr = qRed(pa[x]) - qRed(pb[x]);
            const int dg = qGreen(pa[x]) - qGreen(pb[x]);
            const int db = qBlue(pa[x]) - qBlue(pb[x]);
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * a.width() * a.height());
    return mse <= 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

} // namespace karvo::test
