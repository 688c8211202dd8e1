// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversionEngine.h"

#include "FileNameLimit.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
const QString kGifChain = QStringLiteral(
    "fps=12,scale=480:-1:flags=lanczos,split[s0][s1];[s0]palettegen=max_colors=128[p];[s1][p]paletteuse=dither=bayer");

// libx264 in yuv420p refuses odd frame sizes; dropping the odd last row or column is the smallest change.
const QString kEvenSize = QStringLiteral("crop=trunc(iw/2)*2:trunc(ih/2)*2");

bool needsEvenSize(const std::optional<MediaInfo>& info, H264Encoder encoder)
{
    if (encoder != H264Encoder::x264)
        return false;
    if (!info || info->width <= 0 || info->height <= 0)
        return true; // unknown size: the filter is harmless on even frames
    return info->width % 2 != 0 || info->height % 2 != 0;
}

// A "-vf" group carrying the even-size filter when needed, appended to an existing chain when given.
QStringList videoFilter(const QString& chain, const std::optional<MediaInfo>& info, H264Encoder encoder)
{
    QString vf = chain;
    if (needsEvenSize(info, encoder))
        vf = vf.isEmpty() ? kEvenSize : vf + u',' + kEvenSize;
    if (vf.isEmpty())
        return {};
    return {"-vf", vf};
}

QString formatFixed(double x, int decimals)
{
    return QString::asprintf("%.*f", decimals, x);
}
} // namespace

H264Encoder ConversionEngine::platformEncoder()
{
#if defined(Q_OS_MACOS)
    return H264Encoder::videoToolbox;
#else
    return H264Encoder::x264;
#endif
}

QString ConversionEngine::x264Preset()
{
    return QStringLiteral("veryfast");
}

QStringList ConversionEngine::h264VideoArgs(int crf)
{
    return h264VideoArgs(crf, platformEncoder());
}

QStringList ConversionEngine::h264VideoArgs(int crf, H264Encoder encoder)
{
    switch (encoder) {
    case H264Encoder::videoToolbox: {
        const int q = std::clamp(110 - 2 * crf, 20, 100);
        return {"-c:v", "h264_videotoolbox", "-allow_sw", "1", "-q:v", QString::number(q)};
    }
    case H264Encoder::x264:
        return {"-c:v", "libx264", "-preset", x264Preset(), "-crf", QString::number(crf), "-pix_fmt", "yuv420p"};
    }
    return {};
}

QString ConversionEngine::trimZeros(double x)
{
    QString s = formatFixed(x, 4);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    if (s == u"-0")
        s = QStringLiteral("0");
    return s;
}

QString ConversionEngine::atempoChain(double factor)
{
    QStringList filters;
    double r = factor;
    // Guard against values that would never reach the 0.5...2 band.
    if (!(r > 0) || !std::isfinite(r))
        r = 1;
    while (r > 2) {
        filters << QStringLiteral("atempo=2.0");
        r /= 2;
    }
    while (r < 0.5) {
        filters << QStringLiteral("atempo=0.5");
        r *= 2;
    }
    filters << QStringLiteral("atempo=") + trimZeros(r);
    return filters.join(u',');
}

QString ConversionEngine::timeArg(double seconds)
{
    return formatFixed(seconds, 3);
}

QString ConversionEngine::snapshotTime(double seconds)
{
    const double truncated = std::floor(seconds * 1000000.0) / 1000000.0;
    return formatFixed(truncated, 6);
}

QStringList ConversionEngine::arguments(const ConversionOp& op, const QString& input, const QString& output,
                                        const std::optional<MediaInfo>& info)
{
    return arguments(op, input, output, info, platformEncoder());
}

QStringList ConversionEngine::arguments(const ConversionOp& op, const QString& input, const QString& output,
                                        const std::optional<MediaInfo>& info, H264Encoder encoder)
{
    const QStringList tail{"-n", output};
    const QStringList avMaps{"-map", "0:V:0?", "-map", "0:a:0?"};

    if (const auto* c = op.as<ops::Convert>()) {
        switch (c->format) {
        case OutputFormat::mp4:
        case OutputFormat::mov:
            return QStringList{"-i", input} + avMaps + videoFilter({}, info, encoder) + h264VideoArgs(20, encoder) +
                   QStringList{"-c:a", "aac", "-b:a", "192k", "-movflags", "+faststart"} + tail;
        case OutputFormat::mkv:
            return QStringList{"-i", input, "-map", "0", "-c", "copy"} + tail;
        case OutputFormat::gif:
            return QStringList{"-i", input, "-map", "0:V:0", "-vf", kGifChain, "-loop", "0"} + tail;
        case OutputFormat::mp3:
            return QStringList{"-i", input, "-vn", "-c:a", "libmp3lame", "-q:a", "3"} + tail;
        case OutputFormat::m4a:
            return QStringList{"-i", input, "-vn", "-c:a", "aac", "-b:a", "192k"} + tail;
        }
    }
    if (const auto* c = op.as<ops::Compress>()) {
        return QStringList{"-i", input} + avMaps + videoFilter({}, info, encoder) + h264VideoArgs(c->crf, encoder) +
               QStringList{"-c:a", "aac", "-b:a", "128k", "-movflags", "+faststart"} + tail;
    }
    if (const auto* t = op.as<ops::Trim>()) {
        return QStringList{"-ss", timeArg(t->start), "-to", timeArg(t->end), "-i", input} + avMaps +
               videoFilter({}, info, encoder) + h264VideoArgs(18, encoder) +
               QStringList{"-c:a", "aac", "-b:a", "192k"} + tail;
    }
    if (const auto* c = op.as<ops::Crop>()) {
        const QString crop = QStringLiteral("crop=%1:%2:%3:%4").arg(c->w).arg(c->h).arg(c->x).arg(c->y);
        // The crop itself decides the frame size, so it only needs evening out when it is odd.
        const std::optional<MediaInfo> cropped = MediaInfo{0, c->w, c->h, true, false, {}};
        return QStringList{"-i", input, "-map", "0:V:0", "-map", "0:a:0?"} + videoFilter(crop, cropped, encoder) +
               h264VideoArgs(18, encoder) + QStringList{"-c:a", "copy"} + tail;
    }
    if (const auto* s = op.as<ops::Speed>()) {
        QStringList args = QStringList{"-i", input} + avMaps +
                           videoFilter(QStringLiteral("setpts=PTS/") + trimZeros(s->factor), info, encoder);
        if (s->factor > 0 && (!info || info->hasAudio))
            args << "-af" << atempoChain(s->factor) << "-c:a"
                 << "aac";
        return args + h264VideoArgs(18, encoder) + tail;
    }
    if (const auto* s = op.as<ops::Snapshot>()) {
        return QStringList{"-ss", snapshotTime(s->time), "-i", input, "-map", "0:V:0", "-frames:v", "1", "-q:v", "2"} +
               tail;
    }
    if (op.is<ops::Mute>())
        return QStringList{"-i", input, "-map", "0:V:0?", "-c", "copy", "-an"} + tail;
    if (op.is<ops::RemoveMetadata>()) {
        return QStringList{"-i", input,           "-map", "0",  "-map_metadata", "-1", "-map_metadata:s",
                           "-1", "-map_chapters", "-1",   "-c", "copy"} +
               tail;
    }
    // Image operations and split never run through this builder.
    return {};
}

QStringList ConversionEngine::splitSegmentArguments(const QString& input, const QString& output, double start,
                                                    double end, const std::optional<MediaInfo>& info)
{
    return splitSegmentArguments(input, output, start, end, info, platformEncoder());
}

QStringList ConversionEngine::splitSegmentArguments(const QString& input, const QString& output, double start,
                                                    double end, const std::optional<MediaInfo>& info,
                                                    H264Encoder encoder)
{
    return QStringList{"-ss", timeArg(start), "-to", timeArg(end), "-i", input, "-map", "0:V:0?", "-map", "0:a:0?"} +
           videoFilter({}, info, encoder) + h264VideoArgs(18, encoder) + QStringList{"-c:a", "aac", "-n", output};
}

QString ConversionEngine::splitOutputPath(const QString& input, int index, const QString& folder)
{
    const QFileInfo in(input);
    const QDir dir(folder.isEmpty() ? in.absolutePath() : folder);
    const QString base = in.completeBaseName();
    const QString part = QString::asprintf(" Part %02d", index + 1);
    QString candidate = dir.filePath(FileNameLimit::fit(base, part + QStringLiteral(".mp4")));
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = dir.filePath(FileNameLimit::fit(base, part + QStringLiteral(" (%1).mp4").arg(n)));
    return candidate;
}

} // namespace karvo
