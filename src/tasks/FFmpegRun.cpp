// SPDX-License-Identifier: GPL-3.0-or-later
#include "FFmpegRun.h"

#include "ChildProcess.h"
#include "FFmpegErrorText.h"
#include "InstallHint.h"
#include "Localization.h"
#include "MediaProbe.h"
#include "StagingFolder.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <optional>
#include <thread>
#include <unistd.h>

namespace karvo {

namespace {
constexpr qsizetype kStderrTail = 16384;
// Reading back a finished file takes a fraction of a second; a file that takes longer is not trusted.
constexpr double kCheckTimeout = 10.0;

// Reads ffmpeg's "-progress pipe:1" report as it arrives, on its own thread.
class ProgressReader {
public:
    ProgressReader(int fd, double duration, std::function<void(double)> onProgress)
        : m_thread([fd, duration, onProgress = std::move(onProgress)] {
              QByteArray pending;
              char buffer[4096];
              for (;;) {
                  const ssize_t n = ::read(fd, buffer, sizeof buffer);
                  if (n < 0 && errno == EINTR)
                      continue;
                  if (n <= 0)
                      break;
                  pending.append(buffer, n);
                  qsizetype newline;
                  while ((newline = pending.indexOf('\n')) >= 0) {
                      const QByteArray line = pending.left(newline).trimmed();
                      pending.remove(0, newline + 1);
                      if (line.startsWith("out_time_us=")) {
                          if (duration > 0) {
                              bool ok = false;
                              double us = line.mid(12).toDouble(&ok);
                              if (!ok || !std::isfinite(us))
                                  us = 0;
                              onProgress(std::clamp(us / 1000000.0 / duration, 0.0, 1.0));
                          }
                      } else if (line == "progress=end") {
                          onProgress(1.0);
                      }
                  }
              }
          })
    {
    }
    ~ProgressReader() { m_thread.join(); }
    ProgressReader(const ProgressReader&) = delete;
    ProgressReader& operator=(const ProgressReader&) = delete;

private:
    std::thread m_thread;
};
} // namespace

FFmpegRun::FFmpegRun(const TaskEnvironment& env, OutputPublisher& publisher) : m_env(env), m_publisher(publisher) {}

QString FFmpegRun::ffmpegNotFoundText()
{
    return L("ffmpeg not found. Install with: %@", InstallHint::ffmpegInstallCommand());
}

FFmpegRun::Result FFmpegRun::run(const FFmpegStep& step, const TaskPtr& task,
                                 const OutputPublisher::NextFreeName& nextFreeName,
                                 const std::function<void(double)>& onProgress)
{
    const QString ffmpeg = m_env.tools->path(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        return {Outcome::failed, ffmpegNotFoundText()};
    if (step.arguments.isEmpty())
        return {Outcome::failed, L("Missing output path")};

    const QString finalPath = step.arguments.last();
    const QFileInfo finalInfo(finalPath);
    // A step that publishes writes into a staging folder of its own; an intermediate step writes straight
    // into the task's work folder, which the caller made and removes.
    std::optional<StagingFolder> staging;
    QStringList args = step.arguments;
    QString staged = finalPath;
    if (step.publishes) {
        staging.emplace(finalInfo.absolutePath(), *m_env.files);
        if (!staging->isValid())
            return {Outcome::failed, L("Cannot create output: %@", staging->error())};
        staged = staging->path() + u'/' + finalInfo.fileName();
        args.last() = staged;
    }

    auto process = std::make_shared<ChildProcess>();
    QString launchError;
    const bool launched = task->attachProcess(process, [&] {
        launchError = process->start(ffmpeg, QStringList{"-hide_banner", "-nostats", "-progress", "pipe:1"} + args);
    });
    if (!launched)
        return {Outcome::cancelled, {}};
    if (!launchError.isEmpty()) {
        task->detachProcess();
        return {Outcome::failed, L("Failed to launch ffmpeg: %@", launchError)};
    }

    ChildProcess::Exit exit;
    QByteArray tail;
    {
        ProgressReader reader(process->stdoutFd(), step.expectedDuration, onProgress);
        tail = ChildProcess::readTail(process->stderrFd(), kStderrTail);
        exit = process->waitForExit();
        process->closeStderr();
        // The reader ends at end of file on standard output, which the exit brings.
    }
    task->detachProcess();
    if (task->isCancelled())
        return {Outcome::cancelled, {}};
    const QString folder = finalInfo.absolutePath();
    if (!exit.success()) {
        const QString text = FFmpegErrorText::describe(tail, folder);
        if (!text.isEmpty())
            return {Outcome::failed, text};
        return {Outcome::failed, L("ffmpeg exited with %d", exit.normal ? exit.code : exit.signal)};
    }

    // ffmpeg exits 0 even when closing a file on a full disk failed: its word is not enough.
    if (FFmpegErrorText::reportsWriteFailure(tail))
        return {Outcome::failed, FFmpegErrorText::describe(tail, folder)};
    const QFileInfo written(staged);
    if (!written.exists() || written.size() == 0)
        return {Outcome::failed, L("Cannot save %@: %@", finalInfo.fileName(), L("no output was produced")), true};
    if (!step.publishes)
        return {Outcome::success, {}};
    // Read back with ffprobe where there is one; without it the standard-error check above has to do.
    const QString ffprobe = m_env.tools->path(QStringLiteral("ffprobe"));
    if (!ffprobe.isEmpty() && !MediaProbe::probe(
                                  staged, kCheckTimeout, [task] { return task->isCancelled(); }, ffprobe)) {
        if (task->isCancelled())
            return {Outcome::cancelled, {}};
        return {Outcome::failed, L("Cannot save %@: %@", finalInfo.fileName(), L("the written file is incomplete"))};
    }

    const OutputPublisher::Published published = m_publisher.publish(task, staged, finalPath, step.final, nextFreeName);
    if (published.error)
        return {Outcome::failed, *published.error};
    return {published.published ? Outcome::success : Outcome::cancelled, {}};
}

} // namespace karvo
