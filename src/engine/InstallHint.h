// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// The command that installs ffmpeg on the running distribution, for "ffmpeg not found" messages.
class InstallHint {
public:
    static QString ffmpegInstallCommand();
    // Chooses the package manager from the ID and ID_LIKE fields of an os-release file's text.
    static QString ffmpegInstallCommand(const QString& osReleaseText);
};

} // namespace karvo
