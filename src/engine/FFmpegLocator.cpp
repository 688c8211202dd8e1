// SPDX-License-Identifier: GPL-3.0-or-later
#include "FFmpegLocator.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>

namespace karvo {

namespace {
QMutex g_testMutex;
QStringList g_testFolders;
bool g_testExclusive = false;

bool isExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}
} // namespace

QStringList FFmpegLocator::candidates()
{
#if defined(Q_OS_MACOS)
    return {"/opt/homebrew/bin", "/usr/local/bin", "/usr/bin"};
#else
    return {"/usr/local/bin", "/usr/bin"};
#endif
}

QString FFmpegLocator::helpersFolder()
{
    return QDir::cleanPath(programFolder() + QStringLiteral("/../libexec/karvo"));
}

void FFmpegLocator::setTestFolders(const QStringList& folders, bool exclusive)
{
    QMutexLocker lock(&g_testMutex);
    g_testFolders = folders;
    g_testExclusive = exclusive && !folders.isEmpty();
}

QStringList FFmpegLocator::searchOrder(const QString& name)
{
    QStringList folders;
    bool exclusive = false;
    {
        QMutexLocker lock(&g_testMutex);
        folders = g_testFolders;
        exclusive = g_testExclusive;
    }
    if (!exclusive) {
        folders << helpersFolder();
        folders << candidates();
        const QString pathVar = qEnvironmentVariable("PATH");
        for (const QString& part : pathVar.split(u':', Qt::SkipEmptyParts))
            folders << part;
    }
    QStringList order;
    for (const QString& folder : folders)
        order << folder + u'/' + name;
    return order;
}

QString FFmpegLocator::path(const QString& name)
{
    for (const QString& candidate : searchOrder(name)) {
        if (isExecutableFile(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    }
    return {};
}

} // namespace karvo
