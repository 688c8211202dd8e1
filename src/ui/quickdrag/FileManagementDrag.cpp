// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileManagementDrag.h"

namespace karvo {

const QSet<QString>& FileManagementDrag::fileTypeStrings()
{
    static const QSet<QString> types{
        QStringLiteral("text/uri-list"),
        QStringLiteral("x-special/gnome-icon-list"),
        QStringLiteral("x-special/mate-icon-list"),
        QStringLiteral("application/x-kde4-urilist"),
        QStringLiteral("application/x-fmlist-ptr"),
        QStringLiteral("libfm/files"),
        QStringLiteral("XdndDirectSave0"), // a promise: makes a file drag, yields no file
    };
    return types;
}

const QSet<QString>& FileManagementDrag::fileManagerTypes()
{
    static const QSet<QString> types{
        QStringLiteral("x-special/gnome-icon-list"),
        QStringLiteral("x-special/mate-icon-list"),
        QStringLiteral("application/x-fmlist-ptr"),
        QStringLiteral("libfm/files"),
    };
    return types;
}

const QSet<QString>& FileManagementDrag::fileManagerClasses()
{
    static const QSet<QString> classes{
        QStringLiteral("org.gnome.nautilus"),
        QStringLiteral("nautilus"),
        QStringLiteral("nemo"),
        QStringLiteral("caja"),
        QStringLiteral("thunar"),
        QStringLiteral("pcmanfm"),
        QStringLiteral("pcmanfm-qt"),
        QStringLiteral("dolphin"),
        QStringLiteral("krusader"),
        QStringLiteral("doublecmd"),
        QStringLiteral("io.elementary.files"),
        QStringLiteral("peony"),
        QStringLiteral("spacefm"),
        QStringLiteral("xfdesktop"),
        QStringLiteral("desktop"),
    };
    return classes;
}

bool FileManagementDrag::isFileManager(const QStringList& wmClass)
{
    for (const QString& name : wmClass) {
        if (fileManagerClasses().contains(name.toLower()))
            return true;
    }
    return false;
}

bool FileManagementDrag::isFileDrag(const DragPasteboard& pasteboard, qint64 epoch)
{
    if (pasteboard.changeCount == epoch || !pasteboard.types || pasteboard.types->isEmpty())
        return false;
    const QSet<QString> offered(pasteboard.types->begin(), pasteboard.types->end());
    if (!offered.intersects(fileTypeStrings()))
        return false;
    return offered.intersects(fileManagerTypes()) || isFileManager(pasteboard.frontmost);
}

QList<QUrl> FileManagementDrag::draggedFileURLs(const DragPasteboard& pasteboard)
{
    return fileUrlsIn(pasteboard.uriList);
}

QList<QUrl> FileManagementDrag::fileUrlsIn(const QByteArray& uriList)
{
    QList<QUrl> files;
    for (QByteArray line : uriList.split('\n')) {
        line = line.trimmed(); // lines end in CR LF
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QUrl url = QUrl::fromEncoded(line, QUrl::StrictMode);
        // A file on another host ("file://server/…") is not a file here.
        const bool here = url.host().isEmpty() || url.host() == u"localhost";
        if (url.isValid() && url.isLocalFile() && here && !url.path().isEmpty())
            files.append(url);
    }
    return files;
}

} // namespace karvo
