// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeifEncoderProcess.h"

#include "ChildProcess.h"
#include "FFmpegLocator.h"
#include "StagedFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>
#include <vector>

namespace karvo {

namespace {
// How often the cancellation test is asked while the encoder runs.
constexpr int kCancelPollMs = 100;
constexpr qsizetype kErrorTail = 4096;

ImageIOError failure(ImageIOFailure kind, const QString& detail = {}, int systemError = 0)
{
    return ImageIOError{kind, ImageFormat::heic, detail, systemError};
}

// The tool's last words: its final non-empty lines.
QString lastLines(const QByteArray& text)
{
    QStringList lines = QString::fromUtf8(text).split(u'\n', Qt::SkipEmptyParts);
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.mid(std::max<qsizetype>(0, lines.size() - 3)).join(u' ');
}
} // namespace

QString HeifEncoderProcess::tool()
{
    return FFmpegLocator::path(QStringLiteral("vips"));
}

std::optional<ImageIOError> HeifEncoderProcess::encode(const QString& scratch, StagedFile& output,
                                                       std::optional<int> quality, bool strip,
                                                       const CancelCheck& isCancelled)
{
    const auto cancelled = [&] {
        return isCancelled && isCancelled();
    };
    const QString vips = tool();
    if (vips.isEmpty())
        return ImageIOError{ImageIOFailure::cannotWrite, ImageFormat::heic, QStringLiteral("vips is not installed")};
    if (cancelled())
        return failure(ImageIOFailure::cancelled);

    // The scratch file's name is absolute and ends in ".v", so the tool reads neither an option nor load
    // options into it.
    QStringList args{"heifsave", scratch, "/dev/stdout", "--compression", "hevc"};
    if (quality)
        args << "--Q" << QString::number(*quality);
    if (strip)
        args << "--strip";
    ChildProcess child;
    if (const QString error = child.start(vips, args); !error.isEmpty())
        return failure(ImageIOFailure::writeFailed, QStringLiteral("cannot start the HEIF encoder: ") + error);

    std::optional<ImageIOError> stop;
    QByteArray errors;
    std::vector<char> buffer(65536);
    std::array<int, 2> open{child.stdoutFd(), child.stderrFd()};
    while (!stop && (open[0] >= 0 || open[1] >= 0)) {
        if (cancelled()) {
            stop = failure(ImageIOFailure::cancelled);
            break;
        }
        std::array<pollfd, 2> fds{};
        nfds_t count = 0;
        for (int fd : open) {
            if (fd >= 0)
                fds[count++] = pollfd{fd, POLLIN, 0};
        }
        const int ready = ::poll(fds.data(), count, kCancelPollMs);
        if (ready < 0 && errno != EINTR) {
            const int error = errno;
            stop = failure(ImageIOFailure::writeFailed, QString::fromLocal8Bit(std::strerror(error)), error);
            break;
        }
        for (nfds_t i = 0; ready > 0 && i < count && !stop; ++i) {
            if (fds[i].revents == 0)
                continue;
            const ssize_t n = ::read(fds[i].fd, buffer.data(), buffer.size());
            if (n < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            const bool isOutput = fds[i].fd == open[0];
            if (n <= 0) {
                (isOutput ? open[0] : open[1]) = -1;
            } else if (isOutput) {
                if (!output.write(buffer.data(), n))
                    stop = failure(ImageIOFailure::writeFailed, output.error(), output.errorCode());
            } else {
                errors.append(buffer.data(), n);
                if (errors.size() > kErrorTail)
                    errors.remove(0, errors.size() - kErrorTail);
            }
        }
    }
    if (stop) {
        child.kill();
        child.waitForExit();
        return stop;
    }
    const ChildProcess::Exit exit = child.waitForExit();
    if (cancelled())
        return failure(ImageIOFailure::cancelled);
    if (exit.success())
        return std::nullopt;
    QString text = lastLines(errors);
    if (text.isEmpty()) {
        text = exit.normal ? QStringLiteral("the HEIF encoder exited with %1").arg(exit.code)
                           : QStringLiteral("the HEIF encoder ended by signal %1").arg(exit.signal);
    }
    return failure(ImageIOFailure::writeFailed, text);
}

} // namespace karvo
