// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace karvo {

class ChildProcess;
class FileSystem;

// One unit of queued work: one input, one operation, one planned output (for split, the folder that
// receives the parts). Read by the progress display on the main thread while the worker changes it,
// so every mutable field sits behind the task's own lock.
class ConversionTask {
public:
    enum class Status { queued, running, done, failed, cancelled };

    ConversionTask(QString input, ConversionOp op, QString output);

    const QUuid& id() const { return m_id; }
    const QString& input() const { return m_input; }
    const ConversionOp& op() const { return m_op; }
    const QString& output() const { return m_output; }

    Status status() const;
    double progress() const;
    std::optional<QString> error() const;
    QStringList outputs() const;
    std::optional<QDateTime> finishedAt() const;
    bool isActive() const;
    bool isCancelled() const { return status() == Status::cancelled; }

    void setStatus(Status status);
    void setProgress(double progress);
    void setError(const std::optional<QString>& error);
    void setFinishedAt(const QDateTime& at);

    // The worker's claim on a queued task, in one hold of the lock: queued becomes running and true is
    // returned; any other status (a cancel() that came first) is left alone and false is returned.
    bool claim();

    // The worker's last word on the task: the status (unless it was cancelled meanwhile), the error and
    // the finish time, and the process is let go.
    void finish(Status status, const std::optional<QString>& error, const QDateTime& at);

    // Cancels a queued or running task and asks its running process to stop. Final tasks stay as they are.
    void cancel();

    struct PublishResult {
        bool published = false;
        int error = 0;       // errno of a failed move; 0 otherwise
        QString destination; // where the file went (may differ from the planned name, see below)
    };
    // Moves the staged file into place and, when `final`, marks the task done, in one hold of the lock,
    // so a task is never published after it was cancelled nor reported cancelled after publishing.
    // A cancelled task publishes nothing. When another program created a file under the planned name
    // meanwhile, the file is published under `nextFreeName(taken)` instead of failing the finished work.
    PublishResult publish(FileSystem& files, const QString& staged, const QString& destination, bool final,
                          const std::function<QString(const QString&)>& nextFreeName = {});

    // Under the task's lock: launches through `start` unless the task is cancelled, and keeps the process
    // so that cancel() can stop it. Returns false (without calling `start`) for a cancelled task.
    bool attachProcess(const std::shared_ptr<ChildProcess>& process, const std::function<void()>& start);
    void detachProcess();

    static QString statusName(Status status);

private:
    const QUuid m_id;
    const QString m_input;
    const ConversionOp m_op;
    const QString m_output;

    mutable std::mutex m_stateLock;
    Status m_status = Status::queued;
    double m_progress = 0;
    std::optional<QString> m_error;
    QStringList m_outputs;
    std::optional<QDateTime> m_finishedAt;
    std::shared_ptr<ChildProcess> m_process;
};

using TaskPtr = std::shared_ptr<ConversionTask>;

} // namespace karvo
