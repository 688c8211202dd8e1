// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stand-ins for what a test cannot have on demand: a disk that refuses or is full, a tool that hangs or
// lies, a machine without ffmpeg. Everything not overridden is the real thing.
#include "FileSystem.h"
#include "SafeMove.h"
#include "TaskEnvironment.h"
#include "ToolLocator.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <atomic>

namespace karvo::test {

class FaultyFileSystem final : public FileSystem {
public:
    // Creating a staging folder inside `folder` fails with `error`.
    void refuseStaging(const QString& folder, int error)
    {
        QMutexLocker lock(&m_mutex);
        m_staging.insert(QDir::cleanPath(folder), error);
    }
    // Moving a file into `folder` fails with `error`.
    void refuseWrites(const QString& folder, int error)
    {
        QMutexLocker lock(&m_mutex);
        m_writes.insert(QDir::cleanPath(folder), error);
    }
    void setTemporaryFolder(const QString& folder)
    {
        QMutexLocker lock(&m_mutex);
        m_temporary = folder;
    }
    // Every move takes the copying path, as between two file systems.
    void forceCrossDevice(bool force) { m_crossDevice = force; }

    int makeFolder(const QString& path) override
    {
        {
            QMutexLocker lock(&m_mutex);
            if (const int e = m_staging.value(QFileInfo(path).absolutePath()))
                return e;
        }
        return FileSystem::local()->makeFolder(path);
    }
    int moveNoReplace(const QString& source, const QString& destination) override
    {
        {
            QMutexLocker lock(&m_mutex);
            if (const int e = m_writes.value(QFileInfo(destination).absolutePath()))
                return e;
        }
        if (m_crossDevice)
            return SafeMove::moveAcrossFileSystems(source, destination);
        return FileSystem::local()->moveNoReplace(source, destination);
    }
    QString temporaryFolder() const override
    {
        QMutexLocker lock(&m_mutex);
        return m_temporary.isEmpty() ? FileSystem::local()->temporaryFolder() : m_temporary;
    }

private:
    mutable QMutex m_mutex;
    QHash<QString, int> m_staging;
    QHash<QString, int> m_writes;
    QString m_temporary;
    std::atomic<bool> m_crossDevice{false};
};

// The real search, except for the tools given here: a path (a fake script) or an empty string (missing).
class TestToolLocator final : public ToolLocator {
public:
    void set(const QString& name, const QString& path)
    {
        QMutexLocker lock(&m_mutex);
        m_paths.insert(name, path);
    }
    QString path(const QString& name) const override
    {
        {
            QMutexLocker lock(&m_mutex);
            if (m_paths.contains(name))
                return m_paths.value(name);
        }
        return ToolLocator::system()->path(name);
    }

private:
    mutable QMutex m_mutex;
    QHash<QString, QString> m_paths;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime at) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }

private:
    QDateTime m_at;
};

} // namespace karvo::test
