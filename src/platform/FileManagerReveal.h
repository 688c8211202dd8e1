// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QUrl>
#include <functional>

namespace karvo {

// Shows files selected in the user's file manager through the freedesktop interface
// (org.freedesktop.FileManager1.ShowItems on the session bus); where no file manager answers there,
// the folders holding the files are opened instead.
class FileManagerReveal {
public:
    using OpenUrl = std::function<bool(const QUrl&)>;

    // `openUrl` opens a folder when no file manager answers on the bus (QDesktopServices by default).
    explicit FileManagerReveal(OpenUrl openUrl = {});

    // `paths` are absolute. Returns at once: the bus call is asynchronous, so a file manager that is
    // slow to start never blocks the caller. `done` (optional) runs on the calling thread's event loop
    // with whether anything was shown.
    void reveal(const QStringList& paths, std::function<void(bool shown)> done = {}) const;

    // The file:// URIs handed to ShowItems, in the given order.
    static QStringList fileUris(const QStringList& paths);
    // The distinct folders holding `paths`, in order of first appearance.
    static QStringList containingFolders(const QStringList& paths);

private:
    bool openFolders(const QStringList& paths) const;

    OpenUrl m_openUrl;
};

} // namespace karvo
