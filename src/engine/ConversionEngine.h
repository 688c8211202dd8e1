// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"
#include "MediaInfo.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace karvo {

// The H.264 encoders Karvo knows how to drive. The choice for the running system is made in
// ConversionEngine::platformEncoder() and nowhere else.
enum class H264Encoder {
    videoToolbox, // macOS hardware encoder, software fallback allowed
    x264,         // libx264, yuv420p
};

// One ffmpeg run of an operation. Most operations are one run; a GIF of a long input takes two (see passes()).
struct FFmpegPass {
    // Complete like the lists of arguments(): ends with "-n" and this run's output.
    QStringList arguments;
    // The part of the task's progress this run covers; the parts of one operation add up to 1. Within a run,
    // progress is its out_time over the operation's expected duration, as for a single run.
    double progressShare = 1;
    // The output is the operation's result, staged and published as usual. Otherwise it is an intermediate
    // file inside the work folder, read by a later run and never published.
    bool producesResult = true;
    bool operator==(const FFmpegPass&) const = default;
};

// Builds the exact ffmpeg argument lists. Pure: only splitOutputPath() asks the disk whether a name is taken.
// Every non-empty list ends with "-n" and the output path; the runner relies on the output being last.
class ConversionEngine {
public:
    // The single-run list. For a GIF that run holds every frame until the palette exists; passes() bounds it.
    static QStringList arguments(const ConversionOp& op, const QString& input, const QString& output,
                                 const std::optional<MediaInfo>& info);
    static QStringList arguments(const ConversionOp& op, const QString& input, const QString& output,
                                 const std::optional<MediaInfo>& info, H264Encoder encoder);

    // The runs of an operation, in order. Intermediate files go into `workFolder`: absolute, private to the
    // task, created by the caller before the first run and removed after the last. Empty for operations that
    // never run through ffmpeg. A single run has exactly the list of arguments().
    static std::vector<FFmpegPass> passes(const ConversionOp& op, const QString& input, const QString& output,
                                          const std::optional<MediaInfo>& info, const QString& workFolder);
    static std::vector<FFmpegPass> passes(const ConversionOp& op, const QString& input, const QString& output,
                                          const std::optional<MediaInfo>& info, const QString& workFolder,
                                          H264Encoder encoder);
    // A GIF is made in one run (the palette computed in the same filter graph) only when the frames that run
    // holds until its palette exists stay within gifOnePassBytes; otherwise, and when the length or size is
    // unknown, the palette is made by a first run into the work folder.
    static constexpr double gifOnePassBytes = 256.0 * 1024 * 1024;
    static bool gifFitsOnePass(const std::optional<MediaInfo>& info);
    static QString gifPalettePath(const QString& workFolder);

    static H264Encoder platformEncoder();
    static QStringList h264VideoArgs(int crf);
    static QStringList h264VideoArgs(int crf, H264Encoder encoder);
    // The libx264 speed preset on Linux.
    static QString x264Preset();

    static QString trimZeros(double x);
    static QString atempoChain(double factor);

    // `info` lets the encoder avoid frame sizes it refuses; absent means the size is unknown.
    static QStringList splitSegmentArguments(const QString& input, const QString& output, double start, double end,
                                             const std::optional<MediaInfo>& info = std::nullopt);
    static QStringList splitSegmentArguments(const QString& input, const QString& output, double start, double end,
                                             const std::optional<MediaInfo>& info, H264Encoder encoder);

    // Output of segment `index` (0-based): "<base> Part NN.mp4" in `folder` (the input's folder when empty),
    // with " (n)" added while a file of that name exists.
    static QString splitOutputPath(const QString& input, int index, const QString& folder = QString());

    static QString timeArg(double seconds);      // "%.3f"
    static QString snapshotTime(double seconds); // "%.6f" of the time truncated to whole microseconds

    // The time a snapshot is taken at: the requested time, but never past the last decodable frame, where
    // a seek finds no picture at all. `lastFrameTime` is MediaProbe::lastVideoFrameTime(); without it the
    // time is only kept within the duration.
    static double snapshotSeekTime(double requested, const MediaInfo& info, std::optional<double> lastFrameTime);
    // Containers whose seeking lands near the target rather than on a key frame before it (MPEG transport
    // and program streams): a snapshot decodes from well ahead of the time instead.
    static bool seeksInexactly(const QString& formatName);
};

} // namespace karvo
