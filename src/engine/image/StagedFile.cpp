// SPDX-License-Identifier: GPL-3.0-or-later
#include "StagedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace karvo {

namespace {
std::mutex testDeviceLock;
QByteArray testDevice;

QByteArray writeDevice()
{
    std::lock_guard guard(testDeviceLock);
    return testDevice;
}

// A name longer than the file system takes would only fail at the final move, after all the work.
bool nameFits(const QFileInfo& destination)
{
    const long limit = ::pathconf(QFile::encodeName(destination.absolutePath()).constData(), _PC_NAME_MAX);
    return QFile::encodeName(destination.fileName()).size() <= (limit > 0 ? limit : NAME_MAX);
}

// rename() would silently replace a file that appeared meanwhile; RENAME_NOREPLACE refuses, and where the file
// system lacks it a hard link does the same.
bool moveWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}
} // namespace

StagedFile::StagedFile(const QString& destination, const QString& suffix) : m_destination(destination)
{
    const QFileInfo info(destination);
    // The private name is short whatever the destination's name, so that any name that fits fits staged too.
    m_staged =
        info.absolutePath() + QStringLiteral("/.karvo-") + QUuid::createUuid().toString(QUuid::Id128).left(16) + suffix;
    if (!nameFits(info)) {
        errno = ENAMETOOLONG;
        fail("cannot create the output file");
        return;
    }
    m_fd = ::open(QFile::encodeName(m_staged).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (m_fd < 0)
        fail("cannot create the output file");
}

StagedFile::~StagedFile()
{
    if (!m_committed)
        abandon();
}

bool StagedFile::write(const void* data, qint64 size)
{
    if (m_fd < 0)
        return false;
    int fd = m_fd;
    const QByteArray device = writeDevice();
    if (!device.isEmpty() && (fd = ::open(device.constData(), O_WRONLY | O_CLOEXEC)) < 0)
        return fail("cannot write the output file");
    const char* bytes = static_cast<const char*>(data);
    bool written = true;
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            written = fail("cannot write the output file");
            break;
        }
        bytes += n;
        size -= n;
    }
    if (fd != m_fd)
        ::close(fd);
    return written;
}

bool StagedFile::commit()
{
    if (m_fd < 0)
        return false;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail("cannot complete the output file");
    if (!moveWithoutReplacing(QFile::encodeName(m_staged), QFile::encodeName(m_destination)))
        return fail("cannot move the output file into place");
    m_committed = true;
    return true;
}

void StagedFile::setWriteDeviceForTesting(const QString& device)
{
    std::lock_guard guard(testDeviceLock);
    testDevice = QFile::encodeName(device);
}

bool StagedFile::fail(const char* what)
{
    m_errno = errno;
    m_error = QStringLiteral("%1: %2").arg(QString::fromUtf8(what), QString::fromLocal8Bit(std::strerror(m_errno)));
    return false;
}

void StagedFile::abandon()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_staged.isEmpty())
        ::unlink(QFile::encodeName(m_staged).constData());
}

} // namespace karvo
