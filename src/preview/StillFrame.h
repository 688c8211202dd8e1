// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace karvo {

// One upright frame read by ffmpeg, for files whose exact seeking the player cannot do (see PlayerView):
// the first frame at or after `seconds` from the file's start.
class StillFrame {
public:
    // ffmpeg 5.1's seek before the input lands up to a keyframe interval late in MPEG-TS files. With a
    // margin it seeks that much earlier and decodes forward to the exact time.
    static constexpr double transportStreamMargin = 5.0;

    // Blocking. `size` is the upright picture size wanted, in pixels. Null when ffmpeg is missing, fails,
    // or there is no frame at or after `seconds`.
    // exact: the frame shown at that time; nearestKeyframe: the key frame at or before it, much sooner on
    // long groups of pictures (for pictures while a slider moves).
    enum class Precision { exact, nearestKeyframe };
    static QImage grab(const QString& path, double seconds, const QSize& size, double margin = 0,
                       Precision precision = Precision::exact);
    // The arguments after the program name.
    static QStringList arguments(const QString& absolutePath, double seconds, const QSize& size, double margin = 0,
                                 Precision precision = Precision::exact);
};

} // namespace karvo
