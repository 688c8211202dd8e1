// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaFileCheck.h"

#include "FFmpegLocator.h"
#include "InstallHint.h"
#include "Localization.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karvo {

namespace {
constexpr QChar kReplacement(0xFFFD);

std::optional<MediaFileCheck::Problem> classify(mode_t mode)
{
    using P = MediaFileCheck::Problem;
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return P::folder;
    if (S_ISFIFO(mode))
        return P::pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return P::device;
    return P::socket;
}

// Qt shows bytes that are not UTF-8 as U+FFFD, so such a name reaches us as a path that does not exist.
// It is that case when the folder holds an entry that decodes to the same text but is not those bytes.
bool isUndecodableName(const QString& path)
{
    if (!path.contains(kReplacement))
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!name.contains(kReplacement))
        return info.path().contains(kReplacement); // a folder on the way has such a name
    DIR* dir = ::opendir(QFile::encodeName(info.path()).constData());
    if (!dir)
        return info.path().contains(kReplacement);
    bool found = false;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (QFile::decodeName(bytes) == name && !MediaFileCheck::roundTrips(bytes)) {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}
} // namespace

bool MediaFileCheck::roundTrips(const QByteArray& nativeName)
{
    return QFile::encodeName(QFile::decodeName(nativeName)) == nativeName;
}

std::optional<MediaFileCheck::Problem> MediaFileCheck::check(const QString& path)
{
    if (path.isEmpty())
        return Problem::missing;
    const QByteArray native = QFile::encodeName(path);
    struct stat linkStat {};
    if (::lstat(native.constData(), &linkStat) != 0) {
        if (errno == EACCES)
            return Problem::unreadable; // a folder on the way may not be searched
        return isUndecodableName(path) ? Problem::undecodableName : Problem::missing;
    }
    struct stat targetStat {};
    if (::stat(native.constData(), &targetStat) != 0) {
        if (errno == EACCES)
            return Problem::unreadable;
        return S_ISLNK(linkStat.st_mode) ? Problem::brokenLink : Problem::missing;
    }
    if (const auto kind = classify(targetStat.st_mode))
        return kind;
    // Non-blocking, so a file swapped for a FIFO since the stat cannot hang the caller.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? Problem::missing : Problem::unreadable;
    struct stat openedStat {};
    const bool statted = ::fstat(fd, &openedStat) == 0;
    ::close(fd);
    if (!statted)
        return Problem::unreadable;
    if (const auto kind = classify(openedStat.st_mode))
        return kind;
    if (openedStat.st_size == 0)
        return Problem::empty;
    return std::nullopt;
}

QString MediaFileCheck::describe(Problem problem, const QString& path)
{
    QString name = QFileInfo(QDir::cleanPath(path)).fileName();
    if (name.isEmpty())
        name = path;
    switch (problem) {
    case Problem::missing:
        return L("%@ was not found. It may have been moved, renamed or deleted.", name);
    case Problem::brokenLink:
        return L("%@ is a link to a file that no longer exists.", name);
    case Problem::unreadable:
        return L("%@ cannot be read: permission denied. Check the file's permissions.", name);
    case Problem::empty:
        return L("%@ is empty (0 bytes).", name);
    case Problem::folder:
        return L("%@ is a folder, not a media file.", name);
    case Problem::pipe:
        return L("%@ is a named pipe, not a media file.", name);
    case Problem::device:
        return L("%@ is a device, not a media file.", name);
    case Problem::socket:
        return L("%@ is not a regular file.", name);
    case Problem::undecodableName:
        return L("The name of %@ is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.", name);
    }
    return {};
}

std::optional<QString> MediaFileCheck::problem(const QString& path)
{
    if (const auto p = check(path))
        return describe(*p, path);
    return std::nullopt;
}

QString MediaFileCheck::notMedia(const QString& path)
{
    return L("%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.",
             QFileInfo(QDir::cleanPath(path)).fileName());
}

QString MediaFileCheck::probeFailure(const QString& path)
{
    if (const auto p = problem(path))
        return *p;
    if (FFmpegLocator::path(QStringLiteral("ffprobe")).isEmpty())
        return L("%@ not found. Install with: %@", "ffprobe", InstallHint::ffmpegInstallCommand());
    return notMedia(path);
}

} // namespace karvo
