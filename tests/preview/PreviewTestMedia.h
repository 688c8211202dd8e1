// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace karvo::test {

// Clips for the preview, 320 × 240 at 25 frames per second, 3 s long, whose every frame differs strongly
// from the next (the test pattern with its hue turned by 75° per frame), so a frame off by one is told
// apart from the right one.
namespace PreviewTestMedia {
struct Clip {
    QString name;
    QString path;
};
QString h264();
QString hevc10();
QString vp9();
QString mjpeg();
QString mpegts();
// The H.264 clip remuxed with a "rotate" tag of `degrees`.
QString rotated(int degrees);
QList<Clip> allCodecs();

// The first frame at or after `seconds`, as ffmpeg decodes it from the start ("-ss" after "-i": exact
// in every container, where a seek before the input lands late in MPEG-TS).
QImage ffmpegFrame(const QString& path, double seconds);
// Peak signal-to-noise ratio of two pictures in dB; `reference` is scaled to `image`'s size first.
double psnr(const QImage& image, const QImage& reference);
} // namespace PreviewTestMedia

} // namespace karvo::test
