// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputLocation.h"

#include "FileNameLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>

namespace karvo {

QString OutputLocation::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tessvane");
}

QString OutputLocation::bookmarkPath()
{
    return dataFolder() + QStringLiteral("/output-folder.bookmark");
}

std::optional<QString> OutputLocation::bookmarkedDirectory()
{
    QFile file(bookmarkPath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString path = QString::fromUtf8(file.readAll()).trimmed();
    if (path.isEmpty() || !QFileInfo(path).isAbsolute() || !QFileInfo(path).isDir())
        return std::nullopt;
    return QDir::cleanPath(path);
}

void OutputLocation::saveBookmark(const QString& folder)
{
    QDir().mkpath(dataFolder());
    QSaveFile file(bookmarkPath());
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QFileInfo(folder).absoluteFilePath().toUtf8());
    file.commit();
}

void OutputLocation::clearBookmark()
{
    QFile::remove(bookmarkPath());
}

QString OutputLocation::uniqueFile(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    QString candidate = dir.filePath(name);
    if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
        return candidate;
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    for (int n = 2;; ++n) {
        candidate = dir.filePath(FileNameLimit::fit(stem, u' ' + QString::number(n) + ext));
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

bool OutputLocation::isPermissionDenied(int error)
{
    // A read-only file system is the same "not writable here" as a permission refusal.
    return error == EPERM || error == EACCES || error == EROFS;
}

} // namespace karvo
