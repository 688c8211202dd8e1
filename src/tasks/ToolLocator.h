// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

namespace karvo {

// Where the external tools are. The task manager receives one, so a test can stand in a tool that hangs,
// crashes or lies, or a machine without ffmpeg.
class ToolLocator {
public:
    virtual ~ToolLocator() = default;
    // The absolute path of the executable `name` ("ffmpeg", "ffprobe"), or an empty string.
    virtual QString path(const QString& name) const = 0;

    // The search of FFmpegLocator, done afresh on every call.
    static std::shared_ptr<ToolLocator> system();
};

} // namespace karvo
