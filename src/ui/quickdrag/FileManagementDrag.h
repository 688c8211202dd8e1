// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DragMonitor.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

namespace karvo {

// What tells a file manager's drag apart from any other drag, and the files it carries.
class FileManagementDrag {
public:
    // Offered types that mark a drag as carrying files (a drag sharing none of them never is one).
    static const QSet<QString>& fileTypeStrings();
    // Types only a file manager offers: with one of them the drag is a file manager's wherever it
    // comes from.
    static const QSet<QString>& fileManagerTypes();
    // WM_CLASS names (instance or class, compared without case) of file managers and desktop-icon views.
    static const QSet<QString>& fileManagerClasses();

    static bool isFileManager(const QStringList& wmClass);

    // A drag that began after `epoch`, offers file types, and comes from a file manager (by its types,
    // or by the active window's class).
    static bool isFileDrag(const DragPasteboard& pasteboard, qint64 epoch);

    // The local files of a text/uri-list, in order: comments and other schemes skipped, percent-decoded.
    static QList<QUrl> draggedFileURLs(const DragPasteboard& pasteboard);
    static QList<QUrl> fileUrlsIn(const QByteArray& uriList);
};

} // namespace karvo
