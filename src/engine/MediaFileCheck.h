// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace karvo {

// Whether a path can be read as a media file at all, decided before any tool is started on it. Only
// regular files (after following links) qualify: ffprobe or ffmpeg on a FIFO waits for a writer, and on a
// device reads forever. The check never opens anything but a regular file, and opens it non-blocking.
class MediaFileCheck {
public:
    enum class Problem {
        missing,
        brokenLink,      // a symbolic link whose target is gone
        unreadable,      // permission denied
        empty,           // 0 bytes
        folder,          // a directory
        pipe,            // a FIFO
        device,          // a character or block device
        socket,          // a socket, or anything else that is not a regular file
        undecodableName, // a name that is not valid UTF-8, so it cannot be passed on as text
    };

    static std::optional<Problem> check(const QString& path);

    // The localized reason, naming the file; none when the file can be handed to ffprobe or ffmpeg.
    static std::optional<QString> problem(const QString& path);
    static QString describe(Problem problem, const QString& path);

    // A readable regular file that ffprobe could not make sense of.
    static QString notMedia(const QString& path);
    // Why a probe gave nothing: the file's own problem, else a missing ffprobe, else not media.
    static QString probeFailure(const QString& path);

    // True when Qt gives back the same bytes for a name it decoded; false for names that are not UTF-8.
    static bool roundTrips(const QByteArray& nativeName);
};

} // namespace karvo
