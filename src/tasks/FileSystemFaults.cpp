// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSystemFaults.h"

#include <QDir>
#include <QHash>
#include <QMutex>

namespace karvo {

namespace {
QMutex g_mutex;
QHash<QString, int> g_staging;
QHash<QString, int> g_writes;
bool g_any = false; // lets the common case skip the lock

int lookUp(const QHash<QString, int>& table, const QString& folder)
{
    if (!g_any)
        return 0;
    QMutexLocker lock(&g_mutex);
    return table.value(QDir::cleanPath(folder), 0);
}
} // namespace

void FileSystemFaults::refuseStaging(const QString& folder, int error)
{
    QMutexLocker lock(&g_mutex);
    g_staging.insert(QDir::cleanPath(folder), error);
    g_any = true;
}

void FileSystemFaults::refuseWrites(const QString& folder, int error)
{
    QMutexLocker lock(&g_mutex);
    g_writes.insert(QDir::cleanPath(folder), error);
    g_any = true;
}

void FileSystemFaults::clear()
{
    QMutexLocker lock(&g_mutex);
    g_staging.clear();
    g_writes.clear();
    g_any = false;
}

int FileSystemFaults::stagingError(const QString& folder)
{
    return lookUp(g_staging, folder);
}

int FileSystemFaults::writeError(const QString& folder)
{
    return lookUp(g_writes, folder);
}

} // namespace karvo
