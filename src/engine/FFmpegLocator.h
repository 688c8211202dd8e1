// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace karvo {

// Finds the ffmpeg and ffprobe executables. Nothing is cached: every call searches again, so a tool
// installed while Karvo runs is found on the next task.
class FFmpegLocator {
public:
    // Fixed system folders searched after the helpers folder shipped with Karvo.
    static QStringList candidates();
    // <prefix>/libexec/karvo, found relative to the running executable.
    static QString helpersFolder();

    // The absolute path of an executable file named `name`, or an empty string.
    static QString path(const QString& name);

    // Test seam: folders searched before everything else. With `exclusive` only they are searched, so a
    // test can also simulate a machine without the tools. An empty list restores the real search.
    static void setTestFolders(const QStringList& folders, bool exclusive = false);

    // The full search order for `name`, first candidate first.
    static QStringList searchOrder(const QString& name);
};

} // namespace karvo
