// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionTask.h"
#include "FFmpegRun.h"
#include "MediaInfo.h"
#include "OutputLocation.h"
#include "OutputNaming.h"
#include "TaskEnvironment.h"
#include "TaskPlanner.h"

#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace karvo {

// The single queue every conversion runs through. Tasks run strictly one at a time, in enqueue order,
// on a worker thread; ffmpeg operations as child processes (FFmpegRun), image operations in the image
// engine (ImageRun). Results are written into a staging folder and moved into place only when complete.
// The manager must be created on the main thread: change notifications and the shutdown completion
// are delivered there.
class TaskManager : public QObject {
    Q_OBJECT

public:
    explicit TaskManager(TaskEnvironment env = {}, QObject* parent = nullptr);
    ~TaskManager() override;

    // The program's instance, created on first use.
    static TaskManager& shared();

    QList<TaskPtr> tasks() const;

    // Called on the main thread after any change. Replaced, not chained.
    void setOnChange(std::function<void()> onChange);

    // Names the output (never an existing file, never a name another active task holds), appends the
    // task and wakes the worker. `info` is not used: the worker probes the input itself. Returns no
    // task after shutdown has begun.
    TaskPtr enqueue(const QString& input, const ConversionOp& op, const std::optional<MediaInfo>& info = {});
    // Removes a finished task; an active one stays.
    void dismiss(const TaskPtr& task);
    void purgeFinished();
    // Cancels everything; `completion` runs on the main thread once nothing runs any more.
    void shutdown(std::function<void()> completion);
    bool isShuttingDown() const;
    // A task is being worked on. A task cancelled while it runs reads cancelled at once, but its
    // process and staging folder are gone only once the worker is no longer busy.
    bool isBusy() const;

    // The front end's way of asking for a folder when writing beside the source is refused.
    void setFolderPrompt(std::shared_ptr<OutputFolderPrompt> prompt);
    // Sends outputs to `folder` for this run of the program without touching the stored preference.
    void setOutputDirectoryOverride(const QString& folder);
    // Rotates images by `angle` for this run of the program instead of the stored preference.
    void setRotateAngleOverride(int angle);
    // The planner this manager names and runs tasks with.
    TaskPlanner planner() const;
    // A new place for an output whose publication was refused, or none.
    std::optional<QString> relocateOutput(const QString& refused);

signals:
    // Emitted from the worker thread each time a task ends done.
    void conversionFinished(karvo::TaskPtr task);

private:
    void workerLoop();
    TaskPtr claimNext(); // under m_lock
    void runTask(const TaskPtr& task);
    void runFFmpegTask(const TaskPtr& task);
    std::optional<FFmpegRun::Result> retrySnapshotAtLastFrame(const TaskPtr& task, const MediaInfo& info,
                                                              const FFmpegStep& step, FFmpegRun& runner,
                                                              const OutputPublisher::NextFreeName& nextFree,
                                                              const std::function<void(double)>& onProgress);
    void finish(const TaskPtr& task, ConversionTask::Status status, const std::optional<QString>& error = {});
    OutputNaming::IsReserved reservedNames() const;
    void notify();
    void onMainThread(std::function<void()> work);

    const TaskEnvironment m_env;

    mutable std::mutex m_lock; // guards the fields below up to m_wake; taken before any task's lock
    QList<TaskPtr> m_storedTasks;
    bool m_isRunning = false;
    bool m_isShuttingDown = false;
    std::function<void()> m_shutdownCompletion;
    bool m_stop = false;
    QString m_outputOverride;
    int m_rotateOverride = 0;
    std::shared_ptr<OutputFolderPrompt> m_prompt;
    std::condition_variable m_wake;

    std::function<void()> m_onChange; // main thread only
    std::atomic<bool> m_destroying{false};
    std::thread m_worker;
};

} // namespace karvo

Q_DECLARE_METATYPE(karvo::TaskPtr)
