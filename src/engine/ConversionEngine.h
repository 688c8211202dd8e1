// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"
#include "MediaInfo.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// The H.264 encoders Karvo knows how to drive. The choice for the running system is made in
// ConversionEngine::platformEncoder() and nowhere else.
enum class H264Encoder {
    videoToolbox, // macOS hardware encoder, software fallback allowed
    x264,         // libx264, yuv420p
};

// Builds the exact ffmpeg argument lists. Pure: only splitOutputPath() asks the disk whether a name is taken.
// Every non-empty list ends with "-n" and the output path; the runner relies on the output being last.
class ConversionEngine {
public:
    static QStringList arguments(const ConversionOp& op, const QString& input, const QString& output,
                                 const std::optional<MediaInfo>& info);
    static QStringList arguments(const ConversionOp& op, const QString& input, const QString& output,
                                 const std::optional<MediaInfo>& info, H264Encoder encoder);

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
};

} // namespace karvo
