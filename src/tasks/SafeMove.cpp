// SPDX-License-Identifier: GPL-3.0-or-later
#include "SafeMove.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karvo {

namespace {
// Links `from` to `to` when the file system lacks RENAME_NOREPLACE; link() itself never replaces.
int linkThenUnlink(const QByteArray& from, const QByteArray& to)
{
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

int renameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    const int err = errno;
    if (err == EINVAL || err == ENOSYS || err == ENOTSUP)
        return linkThenUnlink(from, to);
    return err;
}

int copyFile(const QByteArray& from, int outFd)
{
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return errno;
    char buffer[1 << 16];
    int result = 0;
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result = errno;
            break;
        }
        ssize_t written = 0;
        while (written < n) {
            const ssize_t w = ::write(outFd, buffer + written, static_cast<size_t>(n - written));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                result = errno;
                break;
            }
            written += w;
        }
        if (result != 0)
            break;
    }
    ::close(in);
    if (result == 0 && ::fsync(outFd) != 0)
        result = errno;
    return result;
}

} // namespace

int SafeMove::moveAcrossFileSystems(const QString& source, const QString& destination)
{
    const QByteArray from = QFile::encodeName(source);
    const QString folder = QFileInfo(destination).absolutePath();
    const QByteArray temp =
        QFile::encodeName(folder + QStringLiteral("/.karvo-") + QUuid::createUuid().toString(QUuid::WithoutBraces) +
                          QStringLiteral(".part"));
    const int out = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0)
        return errno;
    int result = copyFile(from, out);
    if (::close(out) != 0 && result == 0)
        result = errno;
    if (result == 0)
        result = renameNoReplace(temp, QFile::encodeName(destination));
    if (result != 0) {
        ::unlink(temp.constData());
        return result;
    }
    ::unlink(from.constData());
    return 0;
}

int SafeMove::moveNoReplace(const QString& source, const QString& destination)
{
    const int result = renameNoReplace(QFile::encodeName(source), QFile::encodeName(destination));
    if (result != EXDEV)
        return result;
    return moveAcrossFileSystems(source, destination);
}

} // namespace karvo
