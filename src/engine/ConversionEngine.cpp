// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversionEngine.h"

#include "FileNameLimit.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
const QString kGifFrames = QStringLiteral("fps=12,scale=480:-1:flags=lanczos");
const QString kGifPalette = QStringLiteral("palettegen=max_colors=128");
const QString kGifDither = QStringLiteral("paletteuse=dither=bayer");
const QString kGifChain =
    kGifFrames + QStringLiteral(",split[s0][s1];[s0]") + kGifPalette + QStringLiteral("[p];[s1][p]") + kGifDither;
// Those frames are 480 pixels wide, 12 a second, 4 bytes a pixel (the palette filters work on BGRA).
constexpr int kGifWidth = 480;
constexpr double kGifFps = 12;
constexpr double kGifPixelBytes = 4;
// Measured: the palette run takes about 60 % of the two runs' time on detailed footage (the palette filter
// counts every distinct colour), less on flat pictures.
constexpr double kGifPaletteShare = 0.6;

// Run 1: the palette of the whole input into the work folder. ffmpeg reports no progress until every output
// has started, and the palette comes only at the end; the blank first frame (tpad) starts the palette output
// at once, and a stream copy into the null muxer carries the input position into out_time. The image muxer
// rewrites the file with the real palette (-update 1 also keeps "%" in the name literal).
QStringList gifPaletteArguments(const QString& input, const QString& palette)
{
    return {"-i",
            input,
            "-filter_complex",
            QStringLiteral("[0:V:0]") + kGifFrames + u',' + kGifPalette + QStringLiteral(",tpad=start=1[p]"),
            "-map",
            "0:V:0",
            "-c",
            "copy",
            "-f",
            "null",
            "-",
            "-map",
            "[p]",
            "-update",
            "1",
            "-n",
            palette};
}

// Run 2: the same frames mapped onto that palette. The palette is read as a PNG stream, never as a pattern.
QStringList gifDitherArguments(const QString& input, const QString& palette, const QString& output)
{
    return {"-i",
            input,
            "-f",
            "png_pipe",
            "-i",
            palette,
            "-filter_complex",
            QStringLiteral("[0:V:0]") + kGifFrames + QStringLiteral("[f];[f][1:v:0]") + kGifDither +
                QStringLiteral("[g]"),
            "-map",
            "[g]",
            "-loop",
            "0",
            "-n",
            output};
}

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

// Whole microseconds as "%.6f" would print them, without a round trip through floating point.
QString microseconds(qint64 us)
{
    return QString::asprintf("%lld.%06lld", static_cast<long long>(us / 1000000), static_cast<long long>(us % 1000000));
}

// Half a millisecond: less than the gap between two frames at up to 2000 frames per second.
constexpr double kLastFrameLead = 0.0005;
// In microseconds: a key frame lies within this distance ahead of the time in all but unusual encodes.
constexpr qint64 kInexactSeekPreroll = 10'000'000;

// The input from `start` to `end` (seconds). Where seeking lands a key frame late (transport and program
// streams), ffmpeg seeks well ahead and then drops frames up to the start, as for a snapshot; elsewhere it
// seeks straight to the start.
QStringList seekedInput(const QString& input, double start, double end, const std::optional<MediaInfo>& info)
{
    const qint64 from = start > 0 && start < 1e9 ? static_cast<qint64>(std::floor(start * 1e6)) : 0;
    if (info && ConversionEngine::seeksInexactly(info->formatName) && from > 0 && end > start && end < 1e9) {
        const qint64 ahead = std::max<qint64>(from - kInexactSeekPreroll, 1);
        const qint64 to = static_cast<qint64>(std::floor(end * 1e6));
        return QStringList{"-ss", microseconds(ahead),        "-i",  input,
                           "-ss", microseconds(from - ahead), "-to", microseconds(to - ahead)};
    }
    return QStringList{"-ss", ConversionEngine::timeArg(start), "-to", ConversionEngine::timeArg(end), "-i", input};
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

double ConversionEngine::snapshotSeekTime(double requested, const MediaInfo& info, std::optional<double> lastFrameTime)
{
    double t = std::isnan(requested) ? 0.0 : std::max(requested, 0.0);
    if (lastFrameTime && *lastFrameTime >= 0) {
        // Aim a little before the last frame: its printed time may be rounded up by up to a microsecond.
        const double last = std::max(*lastFrameTime - kLastFrameLead, 0.0);
        return std::min(t, last);
    }
    if (info.duration > 0)
        t = std::min(t, info.duration);
    return std::isfinite(t) ? t : 0.0;
}

bool ConversionEngine::seeksInexactly(const QString& formatName)
{
    const QStringList names = formatName.split(u',');
    return names.contains(u"mpegts") || names.contains(u"mpeg") || names.contains(u"mpegvideo");
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
        return seekedInput(input, t->start, t->end, info) + avMaps + videoFilter({}, info, encoder) +
               h264VideoArgs(18, encoder) + QStringList{"-c:a", "aac", "-b:a", "192k"} + tail;
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
        const QStringList frame{"-map", "0:V:0", "-frames:v", "1", "-q:v", "2"};
        // Whole microseconds; the bounds keep the conversion defined.
        const qint64 at = s->time > 0 && s->time < 1e9 ? static_cast<qint64>(std::floor(s->time * 1e6)) : 0;
        if (info && seeksInexactly(info->formatName) && at > 0) {
            // Decode from well ahead, then drop frames up to the time. The first seek is never 0: ffmpeg would
            // then count from the first video frame instead of the file's start, which probe times refer to.
            const qint64 ahead = std::max<qint64>(at - kInexactSeekPreroll, 1);
            return QStringList{"-ss", microseconds(ahead), "-i", input, "-ss", microseconds(at - ahead)} + frame + tail;
        }
        return QStringList{"-ss", snapshotTime(s->time), "-i", input} + frame + tail;
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

std::vector<FFmpegPass> ConversionEngine::passes(const ConversionOp& op, const QString& input, const QString& output,
                                                 const std::optional<MediaInfo>& info, const QString& workFolder)
{
    return passes(op, input, output, info, workFolder, platformEncoder());
}

std::vector<FFmpegPass> ConversionEngine::passes(const ConversionOp& op, const QString& input, const QString& output,
                                                 const std::optional<MediaInfo>& info, const QString& workFolder,
                                                 H264Encoder encoder)
{
    const auto* convert = op.as<ops::Convert>();
    if (convert && convert->format == OutputFormat::gif && !gifFitsOnePass(info)) {
        const QString palette = gifPalettePath(workFolder);
        return {{gifPaletteArguments(input, palette), kGifPaletteShare, false},
                {gifDitherArguments(input, palette, output), 1 - kGifPaletteShare, true}};
    }
    QStringList args = arguments(op, input, output, info, encoder);
    if (args.isEmpty())
        return {};
    return {{std::move(args), 1, true}};
}

bool ConversionEngine::gifFitsOnePass(const std::optional<MediaInfo>& info)
{
    if (!info || !std::isfinite(info->duration) || info->duration <= 0 || info->width <= 0 || info->height <= 0)
        return false;
    const double height = std::ceil(static_cast<double>(kGifWidth) * info->height / info->width);
    const double frames = std::ceil(info->duration * kGifFps) + 1;
    return frames * kGifWidth * height * kGifPixelBytes <= gifOnePassBytes;
}

QString ConversionEngine::gifPalettePath(const QString& workFolder)
{
    return QDir(workFolder).absoluteFilePath(QStringLiteral("palette.png"));
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
    return seekedInput(input, start, end, info) + QStringList{"-map", "0:V:0?", "-map", "0:a:0?"} +
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
