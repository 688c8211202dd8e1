// SPDX-License-Identifier: GPL-3.0-or-later
#include "StagedFile.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace karvo {

namespace {
QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QString::fromUtf8(what), QString::fromLocal8Bit(std::strerror(errno)));
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

StagedFile::StagedFile(const QString& destination) : m_destination(destination)
{
    const QFileInfo info(destination);
    m_staged = info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
               QUuid::createUuid().toString(QUuid::Id128).left(12) + QStringLiteral(".part");
    m_fd = ::open(QFile::encodeName(m_staged).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (m_fd < 0)
        m_error = systemError("cannot create the output file");
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
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, bytes, static_cast<size_t>(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = systemError("cannot write the output file");
            return false;
        }
        bytes += n;
        size -= n;
    }
    return true;
}

bool StagedFile::commit()
{
    if (m_fd < 0)
        return false;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        m_error = systemError("cannot complete the output file");
        return false;
    }
    if (!moveWithoutReplacing(QFile::encodeName(m_staged), QFile::encodeName(m_destination))) {
        m_error = systemError("cannot move the output file into place");
        return false;
    }
    m_committed = true;
    return true;
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
