// SPDX-License-Identifier: GPL-3.0-or-later
#include "StagingFolder.h"

#include "FileSystem.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace karvo {

namespace {
// A folder without an owner file is only abandoned once it is this old: a live run writes its owner file
// right after creating the folder, and older versions of Karvo wrote none.
constexpr qint64 kOwnerlessAgeSeconds = 3600;

QString newName()
{
    return QString::fromLatin1(StagingFolder::namePrefix) +
           QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

// Takes the lock under a temporary name and only then gives the file its final name, so that nobody can
// see an owner file that is not yet locked.
int lockOwnerFile(const QString& folder)
{
    const QByteArray temp = QFile::encodeName(folder + QStringLiteral("/.owner-new"));
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    [[maybe_unused]] const ssize_t n = ::write(fd, pid.constData(), static_cast<size_t>(pid.size()));
    const QByteArray final = QFile::encodeName(folder + u'/' + QString::fromLatin1(StagingFolder::ownerFileName));
    if (::rename(temp.constData(), final.constData()) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool isAbandoned(const QString& folder)
{
    const QByteArray owner = QFile::encodeName(folder + u'/' + QString::fromLatin1(StagingFolder::ownerFileName));
    const int fd = ::open(owner.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        const QDateTime modified = QFileInfo(folder).lastModified();
        return errno == ENOENT && modified.isValid() &&
               modified.secsTo(QDateTime::currentDateTime()) > kOwnerlessAgeSeconds;
    }
    // The lock is released by the kernel when its process ends, however it ended.
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}
} // namespace

StagingFolder::StagingFolder(const QString& besideFolder, FileSystem& files)
{
    removeAbandoned(besideFolder);
    int err = 0;
    if (create(besideFolder, files, &err))
        return;
    const QString fallback = files.temporaryFolder();
    removeAbandoned(fallback);
    if (create(fallback, files, &err))
        return;
    m_error = QString::fromLocal8Bit(std::strerror(err));
}

bool StagingFolder::create(const QString& folder, FileSystem& files, int* error)
{
    const QString path = QDir(folder).filePath(newName());
    *error = files.makeFolder(path);
    if (*error != 0)
        return false;
    m_path = path;
    // Without a lock the folder is still removed by this object; only a killed run would leave it behind.
    m_ownerFd = lockOwnerFile(path);
    return true;
}

StagingFolder::~StagingFolder()
{
    if (!m_path.isEmpty())
        QDir(m_path).removeRecursively();
    if (m_ownerFd >= 0)
        ::close(m_ownerFd);
}

int StagingFolder::removeAbandoned(const QString& folder)
{
    const QDir dir(folder);
    const QStringList candidates =
        dir.entryList({QString::fromLatin1(namePrefix) + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    int removed = 0;
    for (const QString& name : candidates) {
        const QString path = dir.filePath(name);
        if (isAbandoned(path) && QDir(path).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace karvo
