// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QSize>
#include <QString>
#include <optional>

namespace karvo {

// What the preview needs to know about a file beyond what the player reports: how to turn the picture
// upright, and where the file's clock starts. Read with ffprobe, off the main thread.
struct PreviewSource {
    bool hasVideo = false;
    QSize storedSize;     // the coded picture, before rotation
    int rotation = 0;     // clockwise degrees that turn the stored picture upright: 0, 90, 180 or 270
    double startTime = 0; // the container's start time in seconds (MPEG-TS files rarely start at 0)
    double duration = 0;  // seconds, 0 when unknown

    // The picture as shown: the stored size with width and height swapped for a quarter turn.
    QSize displaySize() const;

    // Runs ffprobe (blocking, bounded by `timeout` seconds); none when it cannot read the file.
    static std::optional<PreviewSource> probe(const QString& path, double timeout = 15.0);
    // Reads ffprobe's "-show_format -show_streams" object.
    static PreviewSource parse(const QJsonObject& root);
    // The clockwise turn for a display matrix rotation as ffprobe prints it (counter-clockwise degrees),
    // snapped to a quarter turn.
    static int clockwiseFromDisplayMatrix(double counterClockwise);
};

} // namespace karvo
