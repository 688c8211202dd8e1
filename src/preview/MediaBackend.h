// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace karvo {

// Qt Multimedia picks its backend once, when the first player is made. Karvo previews through the FFmpeg
// backend, which opens the same files the conversions read (the GStreamer one depends on whichever
// plugins happen to be installed).
class MediaBackend {
public:
    // Sets QT_MEDIA_BACKEND=ffmpeg unless the user has chosen a backend. Call before the first
    // QMediaPlayer exists, best as the first line of main().
    static void selectDefault();
};

} // namespace karvo
