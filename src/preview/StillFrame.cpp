// SPDX-License-Identifier: GPL-3.0-or-later
#include "StillFrame.h"

#include "ChildProcess.h"
#include "FFmpegLocator.h"

#include <QFileInfo>
#include <algorithm>

namespace karvo {

QStringList StillFrame::arguments(const QString& absolutePath, double seconds, const QSize& size, double margin,
                                  Precision precision)
{
    const double t = std::max(seconds, 0.0);
    const bool keyframe = precision == Precision::nearestKeyframe;
    const double early = keyframe ? t : std::max(t - std::max(margin, 0.0), 0.0);
    QStringList args{"-nostdin", "-hide_banner", "-loglevel", "error"};
    // The key frame at or before t, decoded alone: no frames between it and t to decode first.
    if (keyframe)
        args << "-skip_frame"
             << "nokey"
             << "-noaccurate_seek";
    args << "-ss" << QString::number(early, 'f', 6) << "-i" << absolutePath;
    if (early < t)
        args << "-ss" << QString::number(t - early, 'f', 6);
    args << "-map"
         << "0:v:0";
    // The key frame lies before the point asked for, so its time is negative: kept, not dropped.
    if (keyframe)
        args << "-fps_mode"
             << "passthrough";
    args << "-an"
         << "-sn"
         << "-dn"
         << "-frames:v"
         << "1"
         << "-vf" << QStringLiteral("scale=%1:%2:flags=bilinear").arg(size.width()).arg(size.height())
         << "-pix_fmt"
         // The byte order of QImage::Format_RGB32 pixels in memory.
         << (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "bgra" : "argb") << "-f"
         << "rawvideo"
         << "pipe:1";
    return args;
}

QImage StillFrame::grab(const QString& path, double seconds, const QSize& size, double margin, Precision precision)
{
    const QString ffmpeg = FFmpegLocator::path(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty() || size.isEmpty())
        return {};
    ChildProcess process;
    // An absolute path keeps a name such as "-x.mp4" from being read as an option.
    const QStringList args = arguments(QFileInfo(path).absoluteFilePath(), seconds, size, margin, precision);
    if (!process.start(ffmpeg, args, ChildProcess::Output::pipe, ChildProcess::Output::discard).isEmpty())
        return {};
    const QByteArray data = ChildProcess::readAll(process.stdoutFd());
    if (!process.waitForExit().success())
        return {};
    const qsizetype expected = qsizetype(size.width()) * size.height() * 4;
    if (data.size() != expected)
        return {};
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        std::copy_n(data.constData() + qsizetype(y) * size.width() * 4, size.width() * 4,
                    reinterpret_cast<char*>(image.scanLine(y)));
    return image;
}

} // namespace karvo
