// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// What a probe reports about one media file. Width and height are the displayed size.
struct MediaInfo {
    double duration = 0;
    int width = 0;
    int height = 0;
    bool hasVideo = false;
    bool hasAudio = false;
    QString formatName;

    bool operator==(const MediaInfo&) const = default;
};

} // namespace karvo
