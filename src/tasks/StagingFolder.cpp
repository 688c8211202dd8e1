// SPDX-License-Identifier: GPL-3.0-or-later
#include "StagingFolder.h"

#include "FileSystemFaults.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace karvo {

namespace {
QMutex g_fallbackMutex;
QString g_fallback;

QString fallbackFolder()
{
    QMutexLocker lock(&g_fallbackMutex);
    return g_fallback.isEmpty() ? QDir::tempPath() : g_fallback;
}

// mkdir without intermediate folders: a missing output folder is an error, not something to create.
int makeFolder(const QString& path)
{
    if (const int injected = FileSystemFaults::stagingError(QFileInfo(path).absolutePath()))
        return injected;
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 ? 0 : errno;
}

QString newName()
{
    return QStringLiteral(".tessvane-") + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}
} // namespace

void StagingFolder::setFallbackFolderForTesting(const QString& folder)
{
    QMutexLocker lock(&g_fallbackMutex);
    g_fallback = folder;
}

StagingFolder::StagingFolder(const QString& besideFolder)
{
    const QString first = QDir(besideFolder).filePath(newName());
    if (makeFolder(first) == 0) {
        m_path = first;
        return;
    }
    const QString second = QDir(fallbackFolder()).filePath(newName());
    const int err = makeFolder(second);
    if (err == 0) {
        m_path = second;
        return;
    }
    m_error = QString::fromLocal8Bit(std::strerror(err));
}

StagingFolder::~StagingFolder()
{
    if (!m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

} // namespace karvo
