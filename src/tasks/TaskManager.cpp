// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskManager.h"

#include "BackgroundRemover.h"
#include "ChildProcess.h"
#include "ConversionEngine.h"
#include "FFmpegLocator.h"
#include "ImageIOEngine.h"
#include "InstallHint.h"
#include "Localization.h"
#include "MediaExtensions.h"
#include "MediaProbe.h"
#include "SafeMove.h"
#include "SettingsDefaults.h"
#include "StagingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>

namespace karvo {

namespace {
constexpr qsizetype kStderrTail = 16384;

QString errorText(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

// The last three non-empty lines of ffmpeg's standard error, joined by spaces.
QString lastLines(const QByteArray& tail)
{
    const QString text = QString::fromUtf8(tail);
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts)) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines.mid(std::max<qsizetype>(0, lines.size() - 3)).join(u' ');
}

// "a Trimmed.mp4" -> "a Trimmed 2.mp4", "a Trimmed 2.mp4" -> "a Trimmed 3.mp4": the naming rule's next
// name, first free on disk.
QString nextNumberedName(const QString& taken)
{
    const QFileInfo info(taken);
    const QString ext = info.suffix();
    QString stem = info.completeBaseName();
    int n = 2;
    static const QRegularExpression numbered(QStringLiteral("^(.*) (\\d+)$"));
    if (const auto m = numbered.match(stem); m.hasMatch()) {
        stem = m.captured(1);
        n = m.captured(2).toInt() + 1;
    }
    const QDir dir = info.dir();
    for (;; ++n) {
        const QString name = stem + u' ' + QString::number(n) + (ext.isEmpty() ? QString() : u'.' + ext);
        const QString candidate = dir.filePath(name);
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

// Split parts use "Clip Part 01 (2).mp4" for taken names.
QString nextSplitName(const QString& taken)
{
    const QFileInfo info(taken);
    QString stem = info.completeBaseName();
    static const QRegularExpression numbered(QStringLiteral("^(.*) \\((\\d+)\\)$"));
    int n = 2;
    if (const auto m = numbered.match(stem); m.hasMatch()) {
        stem = m.captured(1);
        n = m.captured(2).toInt() + 1;
    }
    for (;; ++n) {
        const QString candidate = info.dir().filePath(QStringLiteral("%1 (%2).mp4").arg(stem).arg(n));
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

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

private:
    std::thread m_thread;
};
} // namespace

TaskManager::TaskManager(QObject* parent) : QObject(parent)
{
    qRegisterMetaType<TaskPtr>();
    m_worker = std::thread([this] { workerLoop(); });
}

TaskManager::~TaskManager()
{
    m_destroying = true;
    {
        std::lock_guard lock(m_lock);
        m_isShuttingDown = true;
        m_stop = true;
        for (const TaskPtr& task : m_storedTasks)
            task->cancel();
    }
    m_wake.notify_all();
    m_worker.join();
}

TaskManager& TaskManager::shared()
{
    // Lives until the process ends; the worker may still be waiting for work then.
    static TaskManager* instance = new TaskManager;
    return *instance;
}

QList<TaskPtr> TaskManager::tasks() const
{
    std::lock_guard lock(m_lock);
    return m_storedTasks;
}

void TaskManager::setOnChange(std::function<void()> onChange)
{
    m_onChange = std::move(onChange);
}

void TaskManager::setFolderPrompt(std::shared_ptr<OutputFolderPrompt> prompt)
{
    std::lock_guard lock(m_lock);
    m_prompt = std::move(prompt);
}

void TaskManager::setOutputDirectoryOverride(const QString& folder)
{
    std::lock_guard lock(m_lock);
    m_outputOverride = folder.isEmpty() ? QString() : QFileInfo(folder).absoluteFilePath();
}

void TaskManager::setRotateAngleOverride(int angle)
{
    std::lock_guard lock(m_lock);
    m_rotateOverride = SettingsDefaults::normalizedRotateAngle(angle);
}

bool TaskManager::isBusy() const
{
    std::lock_guard lock(m_lock);
    return m_isRunning;
}

bool TaskManager::isShuttingDown() const
{
    std::lock_guard lock(m_lock);
    return m_isShuttingDown;
}

std::optional<QString> TaskManager::preferredOutputDirectory(const QString& /*input*/) const
{
    {
        std::lock_guard lock(m_lock);
        if (!m_outputOverride.isEmpty())
            return m_outputOverride;
    }
    if (SettingsDefaults::outputLocationMode() == SettingsDefaults::OutputLocationMode::custom)
        return OutputLocation::bookmarkedDirectory();
    return std::nullopt;
}

void TaskManager::onMainThread(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void TaskManager::notify()
{
    onMainThread([this] {
        if (m_onChange)
            m_onChange();
    });
}

TaskPtr TaskManager::enqueue(const QString& input, const ConversionOp& op, const std::optional<MediaInfo>& /*info*/)
{
    const QString absoluteInput = QFileInfo(input).absoluteFilePath();
    const QString folder = preferredOutputDirectory(absoluteInput).value_or(QFileInfo(absoluteInput).absolutePath());
    TaskPtr task;
    {
        std::lock_guard lock(m_lock);
        if (m_isShuttingDown)
            return nullptr;
        QStringList reserved;
        for (const TaskPtr& t : m_storedTasks) {
            if (t->isActive())
                reserved << QDir::cleanPath(t->output());
        }
        const QString output = OutputLocation::plannedOutput(
            absoluteInput, op, folder, [&reserved](const QString& path) { return reserved.contains(path); });
        task = std::make_shared<ConversionTask>(absoluteInput, op, output);
        m_storedTasks.append(task);
    }
    notify();
    m_wake.notify_all();
    return task;
}

void TaskManager::dismiss(const TaskPtr& task)
{
    {
        std::lock_guard lock(m_lock);
        if (task->isActive())
            return;
        m_storedTasks.removeIf([&](const TaskPtr& t) { return t->id() == task->id(); });
    }
    notify();
}

void TaskManager::purgeFinished()
{
    {
        std::lock_guard lock(m_lock);
        m_storedTasks.removeIf([](const TaskPtr& t) { return !t->isActive(); });
    }
    notify();
}

void TaskManager::shutdown(std::function<void()> completion)
{
    bool runNow = false;
    {
        std::lock_guard lock(m_lock);
        m_isShuttingDown = true;
        for (const TaskPtr& task : m_storedTasks)
            task->cancel();
        if (m_isRunning)
            m_shutdownCompletion = std::move(completion);
        else
            runNow = true;
    }
    if (runNow && completion)
        onMainThread(std::move(completion));
    notify();
}

void TaskManager::workerLoop()
{
    for (;;) {
        TaskPtr task;
        {
            std::unique_lock lock(m_lock);
            m_wake.wait(lock, [this] {
                if (m_stop)
                    return true;
                if (m_isShuttingDown || m_isRunning)
                    return false;
                return std::any_of(m_storedTasks.cbegin(), m_storedTasks.cend(),
                                   [](const TaskPtr& t) { return t->status() == ConversionTask::Status::queued; });
            });
            if (m_stop)
                return;
            for (const TaskPtr& t : m_storedTasks) {
                if (t->status() == ConversionTask::Status::queued) {
                    task = t;
                    break;
                }
            }
            m_isRunning = true;
            if (!task->isCancelled())
                task->setStatus(ConversionTask::Status::running);
        }
        notify();
        runTask(task);
    }
}

void TaskManager::finish(const TaskPtr& task, ConversionTask::Status status, const std::optional<QString>& error)
{
    task->finish(status, error);
    std::function<void()> completion;
    {
        std::lock_guard lock(m_lock);
        m_isRunning = false;
        completion = std::move(m_shutdownCompletion);
        m_shutdownCompletion = nullptr;
    }
    if (completion)
        onMainThread(std::move(completion));
    notify();
    if (task->status() == ConversionTask::Status::done)
        emit conversionFinished(task);
    m_wake.notify_all();
}

QString TaskManager::ffmpegNotFoundText()
{
    return L("ffmpeg not found. Install with: %@", InstallHint::ffmpegInstallCommand());
}

QString TaskManager::backgroundModelMissingText()
{
    return L("Background removal needs a segmentation model. Put an ONNX model (.onnx) in %@.",
             BackgroundRemover::modelFolders().value(0));
}

void TaskManager::runTask(const TaskPtr& task)
{
    const ConversionOp& op = task->op();
    const QString inputExt = MediaExtensions::of(task->input());
    if (op.runsInImageEngine(inputExt)) {
        runImage(task);
        return;
    }
    if (FFmpegLocator::path(QStringLiteral("ffmpeg")).isEmpty()) {
        finish(task, ConversionTask::Status::failed, ffmpegNotFoundText());
        return;
    }
    const auto info =
        MediaProbe::probe(task->input(), MediaProbe::defaultTimeout, [task] { return task->isCancelled(); });
    if (!info) {
        if (task->isCancelled())
            finish(task, ConversionTask::Status::cancelled);
        else
            finish(task, ConversionTask::Status::failed, L("Cannot read media. Check file access and try again."));
        return;
    }
    if (const auto* split = op.as<ops::Split>()) {
        runSplit(task, split->segmentSeconds, info->duration, info);
        return;
    }

    double expected = info->duration;
    if (const auto* s = op.as<ops::Speed>())
        expected = s->factor > 0 ? info->duration / s->factor : 0;
    else if (op.is<ops::Snapshot>())
        expected = 0;
    else if (const auto* t = op.as<ops::Trim>())
        expected = std::max(std::min(info->duration, t->end) - t->start, 0.0);

    const QStringList args = ConversionEngine::arguments(op, task->input(), task->output(), info);
    const RunResult result = runFFmpeg(args, expected, task, true, [this, task](double fraction) {
        task->setProgress(fraction);
        notify();
    });
    switch (result.outcome) {
    case RunOutcome::success:
        finish(task, ConversionTask::Status::done);
        break;
    case RunOutcome::cancelled:
        finish(task, ConversionTask::Status::cancelled);
        break;
    case RunOutcome::failed:
        finish(task, ConversionTask::Status::failed, result.message);
        break;
    }
}

void TaskManager::runSplit(const TaskPtr& task, double segmentSeconds, double duration,
                           const std::optional<MediaInfo>& info)
{
    if (!(duration > 0 && segmentSeconds > 0)) {
        finish(task, ConversionTask::Status::failed, L("Cannot determine media duration"));
        return;
    }
    const int parts = static_cast<int>(std::ceil(duration / segmentSeconds));
    const int last = parts >= 2 ? parts - 1 : 0;
    const QString folder = preferredOutputDirectory(task->input()).value_or(QString());
    for (int i = 0; i <= last; ++i) {
        if (task->isCancelled())
            break;
        const QString output = ConversionEngine::splitOutputPath(task->input(), i, folder);
        const double start = segmentSeconds * i;
        const double end = std::min(start + segmentSeconds, duration);
        const QStringList args = ConversionEngine::splitSegmentArguments(task->input(), output, start, end, info);
        const RunResult result = runFFmpeg(args, end - start, task, i == last, [this, task, i, last](double f) {
            task->setProgress((f + i) / (last + 1));
            notify();
        });
        if (result.outcome == RunOutcome::cancelled) {
            finish(task, ConversionTask::Status::cancelled);
            return;
        }
        if (result.outcome == RunOutcome::failed) {
            finish(task, ConversionTask::Status::failed, L("Segment %d/%d: %@", i + 1, last + 1, result.message));
            return;
        }
    }
    if (task->isCancelled()) {
        finish(task, ConversionTask::Status::cancelled);
        return;
    }
    task->setProgress(1.0);
    finish(task, ConversionTask::Status::done);
}

TaskManager::RunResult TaskManager::runFFmpeg(const QStringList& argsIn, double duration, const TaskPtr& task,
                                              bool final, const std::function<void(double)>& onProgress)
{
    const QString ffmpeg = FFmpegLocator::path(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty())
        return {RunOutcome::failed, ffmpegNotFoundText()};
    if (argsIn.isEmpty())
        return {RunOutcome::failed, L("Missing output path")};

    const QString finalPath = argsIn.last();
    const QFileInfo finalInfo(finalPath);
    StagingFolder staging(finalInfo.absolutePath());
    if (!staging.isValid())
        return {RunOutcome::failed, L("Cannot create output: %@", staging.error())};
    QStringList args = argsIn;
    const QString staged = staging.path() + u'/' + finalInfo.fileName();
    args.last() = staged;

    auto process = std::make_shared<ChildProcess>();
    QString launchError;
    const bool launched = task->attachProcess(process, [&] {
        launchError = process->start(ffmpeg, QStringList{"-hide_banner", "-nostats", "-progress", "pipe:1"} + args);
    });
    if (!launched)
        return {RunOutcome::cancelled, {}};
    if (!launchError.isEmpty()) {
        task->detachProcess();
        return {RunOutcome::failed, L("Failed to launch ffmpeg: %@", launchError)};
    }

    ChildProcess::Exit exit;
    {
        ProgressReader reader(process->stdoutFd(), duration, onProgress);
        const QByteArray tail = ChildProcess::readTail(process->stderrFd(), kStderrTail);
        exit = process->waitForExit();
        process->closeStderr();
        // The reader ends at end of file on standard output, which the exit brings.
        if (!exit.success()) {
            task->detachProcess();
            if (task->isCancelled())
                return {RunOutcome::cancelled, {}};
            const QString text = lastLines(tail);
            if (!text.isEmpty())
                return {RunOutcome::failed, text};
            return {RunOutcome::failed, L("ffmpeg exited with %d", exit.normal ? exit.code : exit.signal)};
        }
    }
    task->detachProcess();
    if (task->isCancelled())
        return {RunOutcome::cancelled, {}};

    const auto next = task->op().is<ops::Split>() ? nextSplitName : nextNumberedName;
    const Published published = publishStaged(task, staged, finalPath, final, next);
    if (published.error)
        return {RunOutcome::failed, *published.error};
    return {published.published ? RunOutcome::success : RunOutcome::cancelled, {}};
}

TaskManager::Published TaskManager::publishStaged(const TaskPtr& task, const QString& staged,
                                                  const QString& destination, bool final,
                                                  const std::function<QString(const QString&)>& nextFreeName)
{
    if (!QFileInfo::exists(staged)) {
        // The tool reported success without writing anything: that is not a finished conversion.
        return {false, L("Cannot save %@: %@", QFileInfo(destination).fileName(), L("no output was produced"))};
    }
    auto result = task->publish(staged, destination, final, nextFreeName);
    if (!result.published && result.error != 0 && OutputLocation::isPermissionDenied(result.error)) {
        if (const auto relocated = relocateOutput(destination))
            result = task->publish(staged, *relocated, final, nextFreeName);
    }
    if (result.published)
        return {true, std::nullopt};
    if (result.error == 0)
        return {false, std::nullopt}; // declined: the task was cancelled
    return {false, L("Cannot save %@: %@", QFileInfo(destination).fileName(), errorText(result.error))};
}

std::optional<QString> TaskManager::relocateOutput(const QString& refused)
{
    const QString name = QFileInfo(refused).fileName();
    if (const auto folder = OutputLocation::bookmarkedDirectory())
        return OutputLocation::uniqueFile(*folder, name);

    std::shared_ptr<OutputFolderPrompt> prompt;
    {
        std::lock_guard lock(m_lock);
        prompt = m_prompt;
    }
    if (!prompt)
        return std::nullopt;
    const QString title = L("Choose a folder for converted files");
    const QString message = L("Karvo couldn't save next to the original. Choose a folder for the converted files.");
    std::optional<QString> chosen;
    if (QThread::currentThread() == thread()) {
        chosen = prompt->chooseFolder(title, message);
    } else {
        // Ask on the main thread and wait, but give up when the manager is going away.
        auto promise = std::make_shared<std::promise<std::optional<QString>>>();
        auto future = promise->get_future();
        onMainThread([promise, prompt, title, message] { promise->set_value(prompt->chooseFolder(title, message)); });
        while (future.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
            if (m_destroying)
                return std::nullopt;
        }
        chosen = future.get();
    }
    if (!chosen)
        return std::nullopt;
    return OutputLocation::uniqueFile(*chosen, name);
}

void TaskManager::runImage(const TaskPtr& task)
{
    const ConversionOp& op = task->op();
    StagingFolder staging(QFileInfo(task->output()).absolutePath());
    if (!staging.isValid()) {
        finish(task, ConversionTask::Status::failed, L("Cannot create output: %@", staging.error()));
        return;
    }
    const QString staged = staging.path() + u'/' + QFileInfo(task->output()).fileName();
    task->setProgress(0.2);
    notify();

    const CancelCheck isCancelled = [task] {
        return task->isCancelled();
    };
    std::optional<ImageIOError> failure;
    if (op.is<ops::RemoveBackground>()) {
        if (task->isCancelled())
            failure = ImageIOError{ImageIOFailure::cancelled, ImageFormat::png, {}};
        else if (!BackgroundRemover::isAvailable())
            failure = ImageIOError{ImageIOFailure::cannotWrite, ImageFormat::png, {}};
        else
            failure = BackgroundRemover::removeBackground(task->input(), staged, isCancelled);
    } else {
        int angle = 0;
        {
            std::lock_guard lock(m_lock);
            angle = m_rotateOverride;
        }
        if (angle == 0)
            angle = SettingsDefaults::imageRotateAngle();
        const auto params = ImageIOEngine::parameters(op, MediaExtensions::of(task->input()), angle);
        if (!params)
            failure = ImageIOError{ImageIOFailure::writeFailed, ImageFormat::png, {}};
        else
            failure = ImageIOEngine::write(task->input(), staged, *params, isCancelled);
    }

    if (failure) {
        switch (failure->failure) {
        case ImageIOFailure::cancelled:
            finish(task, ConversionTask::Status::cancelled);
            return;
        case ImageIOFailure::unreadable:
            finish(task, ConversionTask::Status::failed, L("Cannot read image"));
            return;
        case ImageIOFailure::writeFailed:
            finish(task, ConversionTask::Status::failed, L("Cannot save image"));
            return;
        case ImageIOFailure::cannotWrite:
            finish(task, ConversionTask::Status::failed,
                   op.is<ops::RemoveBackground>() ? backgroundModelMissingText()
                                                  : L("This computer cannot write %@.", rawValue(failure->format)));
            return;
        }
    }
    if (task->isCancelled()) {
        finish(task, ConversionTask::Status::cancelled);
        return;
    }
    const Published published = publishStaged(task, staged, task->output(), true, nextNumberedName);
    if (published.error)
        finish(task, ConversionTask::Status::failed, *published.error);
    else
        finish(task, published.published ? ConversionTask::Status::done : ConversionTask::Status::cancelled);
}

} // namespace karvo
