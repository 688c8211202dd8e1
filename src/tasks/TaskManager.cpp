// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskManager.h"

#include "ConversionEngine.h"
#include "FFmpegRun.h"
#include "ImageRun.h"
#include "Localization.h"
#include "MediaFileCheck.h"
#include "MediaProbe.h"
#include "OutputNaming.h"
#include "SettingsDefaults.h"
#include "StagingFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <future>

namespace karvo {

using Status = ConversionTask::Status;

TaskManager::TaskManager(TaskEnvironment env, QObject* parent) : QObject(parent), m_env(std::move(env))
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
    m_outputOverride = folder;
}

void TaskManager::setRotateAngleOverride(int angle)
{
    std::lock_guard lock(m_lock);
    m_rotateOverride = SettingsDefaults::normalizedRotateAngle(angle);
}

TaskPlanner TaskManager::planner() const
{
    std::lock_guard lock(m_lock);
    return TaskPlanner(m_outputOverride);
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

OutputNaming::IsReserved TaskManager::reservedNames() const
{
    // A snapshot: the check runs inside a task's publish, under that task's lock, where the manager's
    // lock must not be taken.
    QSet<QString> reserved;
    {
        std::lock_guard lock(m_lock);
        for (const TaskPtr& t : m_storedTasks) {
            if (t->isActive())
                reserved.insert(QDir::cleanPath(t->output()));
        }
    }
    return [reserved](const QString& path) {
        return reserved.contains(QDir::cleanPath(path));
    };
}

TaskPtr TaskManager::enqueue(const QString& input, const ConversionOp& op, const std::optional<MediaInfo>& /*info*/)
{
    const QString absoluteInput = QFileInfo(input).absoluteFilePath();
    const TaskPlanner plan = planner();
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
        const QString output =
            plan.plannedOutput(absoluteInput, op, [&reserved](const QString& path) { return reserved.contains(path); });
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

TaskPtr TaskManager::claimNext()
{
    // The claim is the task's own queued -> running step, so a cancel() that lands between finding a
    // queued task and starting it leaves it cancelled and unclaimed.
    for (const TaskPtr& t : m_storedTasks) {
        if (t->claim())
            return t;
    }
    return nullptr;
}

void TaskManager::workerLoop()
{
    for (;;) {
        TaskPtr task;
        {
            std::unique_lock lock(m_lock);
            m_wake.wait(lock, [&] {
                if (m_stop)
                    return true;
                if (m_isShuttingDown || m_isRunning)
                    return false;
                task = claimNext();
                return task != nullptr;
            });
            if (m_stop)
                return;
            m_isRunning = true;
        }
        notify();
        runTask(task);
    }
}

void TaskManager::finish(const TaskPtr& task, Status status, const std::optional<QString>& error)
{
    task->finish(status, error, m_env.clock->now());
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
    if (task->status() == Status::done)
        emit conversionFinished(task);
    m_wake.notify_all();
}

void TaskManager::runTask(const TaskPtr& task)
{
    // Checked again when the task runs: the file may have gone or changed since it was dropped.
    if (const auto problem = MediaFileCheck::problem(task->input())) {
        finish(task, Status::failed, *problem);
        return;
    }
    if (!TaskPlanner::runsInImageEngine(task->op(), task->input())) {
        runFFmpegTask(task);
        return;
    }
    OutputPublisher publisher(*m_env.files, [this](const QString& refused) { return relocateOutput(refused); });
    int angle = 0;
    {
        std::lock_guard lock(m_lock);
        angle = m_rotateOverride;
    }
    if (angle == 0)
        angle = SettingsDefaults::imageRotateAngle();
    const auto nextFree = [task, reserved = reservedNames()](const QString& taken) {
        return OutputNaming::nextFree(task->input(), task->op(), taken, reserved);
    };
    const ImageRun::Result result = ImageRun(m_env, publisher).run(task, angle, nextFree, [this] { notify(); });
    finish(task, result.status, result.error);
}

void TaskManager::runFFmpegTask(const TaskPtr& task)
{
    if (m_env.tools->path(QStringLiteral("ffmpeg")).isEmpty()) {
        finish(task, Status::failed, FFmpegRun::ffmpegNotFoundText());
        return;
    }
    const QString ffprobe = m_env.tools->path(QStringLiteral("ffprobe"));
    const auto info = MediaProbe::probe(
        task->input(), MediaProbe::defaultTimeout, [task] { return task->isCancelled(); }, ffprobe);
    if (!info) {
        if (task->isCancelled())
            finish(task, Status::cancelled);
        else if (ffprobe.isEmpty())
            finish(task, Status::failed, FFmpegRun::ffmpegNotFoundText());
        else
            finish(task, Status::failed, MediaFileCheck::probeFailure(task->input()));
        return;
    }
    TaskPlanner::Steps plan = TaskPlanner::ffmpegSteps(task->op(), task->input(), task->output(), *info);
    if (plan.error) {
        finish(task, Status::failed, *plan.error);
        return;
    }
    // Intermediate files (a long GIF's palette) live in a private folder beside the output for the task's run.
    std::optional<StagingFolder> work;
    if (plan.needsWorkFolder()) {
        work.emplace(QFileInfo(task->output()).absolutePath(), *m_env.files);
        if (!work->isValid()) {
            finish(task, Status::failed, L("Cannot create output: %@", work->error()));
            return;
        }
        plan = TaskPlanner::ffmpegSteps(task->op(), task->input(), task->output(), *info, work->path());
    }

    OutputPublisher publisher(*m_env.files, [this](const QString& refused) { return relocateOutput(refused); });
    FFmpegRun runner(m_env, publisher);
    const bool isSplit = task->op().is<ops::Split>();
    const auto steps = static_cast<int>(plan.steps.size());
    double done = 0; // the progress of the steps before this one
    for (int i = 0; i < steps; ++i) {
        if (task->isCancelled())
            break;
        const FFmpegStep& step = plan.steps.at(i);
        const auto nextFree = [task, isSplit, i, reserved = reservedNames()](const QString& taken) {
            if (isSplit)
                return ConversionEngine::splitOutputPath(task->input(), i, QFileInfo(taken).absolutePath());
            return OutputNaming::nextFree(task->input(), task->op(), taken, reserved);
        };
        const auto onProgress = [this, task, done, share = step.progressShare](double fraction) {
            task->setProgress(std::min(done + fraction * share, 1.0));
            notify();
        };
        FFmpegRun::Result result = runner.run(step, task, nextFree, onProgress);
        if (result.noOutput && task->op().is<ops::Snapshot>())
            result = retrySnapshotAtLastFrame(task, *info, step, runner, nextFree, onProgress).value_or(result);
        if (result.outcome == FFmpegRun::Outcome::cancelled) {
            finish(task, Status::cancelled);
            return;
        }
        if (result.outcome == FFmpegRun::Outcome::failed) {
            finish(task, Status::failed,
                   isSplit ? L("Segment %d/%d: %@", i + 1, steps, result.message) : result.message);
            return;
        }
        done += step.progressShare;
    }
    if (task->isCancelled()) {
        finish(task, Status::cancelled);
        return;
    }
    task->setProgress(1.0);
    finish(task, Status::done);
}

std::optional<FFmpegRun::Result> TaskManager::retrySnapshotAtLastFrame(const TaskPtr& task, const MediaInfo& info,
                                                                       const FFmpegStep& step, FFmpegRun& runner,
                                                                       const OutputPublisher::NextFreeName& nextFree,
                                                                       const std::function<void(double)>& onProgress)
{
    // A time at or past the last frame gives ffmpeg nothing to decode: take the last frame there is. Looking
    // it up costs a scan of the file's end, so it is done only when the plain seek came back empty.
    const auto last = MediaProbe::lastVideoFrameTime(
        task->input(), info.duration, [task] { return task->isCancelled(); },
        m_env.tools->path(QStringLiteral("ffprobe")));
    if (!last || task->isCancelled())
        return std::nullopt;
    const double at = ConversionEngine::snapshotSeekTime(task->op().as<ops::Snapshot>()->time, info, last);
    FFmpegStep retry = step;
    retry.arguments =
        ConversionEngine::arguments(ConversionOp::snapshot(at), task->input(), step.arguments.last(), info);
    return runner.run(retry, task, nextFree, onProgress);
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

} // namespace karvo
