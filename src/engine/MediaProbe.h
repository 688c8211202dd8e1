// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "MediaInfo.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace karvo {

// Runs ffprobe under a hard time limit, and only on files MediaFileCheck accepts (a regular, readable,
// non-empty file). Every failure (such a file problem, no ffprobe, launch error, time-out, cancellation,
// non-zero exit, bad JSON) is an absent result; callers word it with MediaFileCheck::probeFailure().
class MediaProbe {
public:
    static constexpr double defaultTimeout = 30.0;

    // `ffprobe` is the program to run; none searches for it (FFmpegLocator), an empty path means there is none.
    static std::optional<MediaInfo> probe(const QString& path, double timeout = defaultTimeout,
                                          const CancelCheck& isCancelled = {},
                                          const std::optional<QString>& ffprobe = std::nullopt);
    // Time of the last video frame in seconds (relative to the file's start time), for the snapshot tool.
    static std::optional<double> lastVideoFrameTime(const QString& path, double duration,
                                                    const CancelCheck& isCancelled = {},
                                                    const std::optional<QString>& ffprobe = std::nullopt);

    // Runs ffprobe with "-v quiet -print_format json" and `arguments`. A watchdog thread ticks every
    // 100 ms: at the limit or on cancellation it asks the process to stop, and kills it 2 s later.
    // `isCancelled` is called on the watchdog thread.
    static std::optional<QJsonObject> json(const QStringList& arguments, double timeout,
                                           const CancelCheck& isCancelled = {},
                                           const std::optional<QString>& ffprobe = std::nullopt);

    // Parses ffprobe's "-show_format -show_streams" object.
    static MediaInfo parse(const QJsonObject& root);
    // "50.0", "0.0", "12.5": the shortest form that keeps a fractional part.
    static QString intervalStart(double seconds);
};

} // namespace karvo
