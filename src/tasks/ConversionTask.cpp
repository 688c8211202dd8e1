// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversionTask.h"

#include "ChildProcess.h"
#include "FileSystem.h"

#include <cerrno>

namespace karvo {

ConversionTask::ConversionTask(QString input, ConversionOp op, QString output)
    : m_id(QUuid::createUuid()), m_input(std::move(input)), m_op(std::move(op)), m_output(std::move(output))
{
}

ConversionTask::Status ConversionTask::status() const
{
    std::lock_guard lock(m_stateLock);
    return m_status;
}

double ConversionTask::progress() const
{
    std::lock_guard lock(m_stateLock);
    return m_progress;
}

std::optional<QString> ConversionTask::error() const
{
    std::lock_guard lock(m_stateLock);
    return m_error;
}

QStringList ConversionTask::outputs() const
{
    std::lock_guard lock(m_stateLock);
    return m_outputs;
}

std::optional<QDateTime> ConversionTask::finishedAt() const
{
    std::lock_guard lock(m_stateLock);
    return m_finishedAt;
}

bool ConversionTask::isActive() const
{
    const Status s = status();
    return s == Status::queued || s == Status::running;
}

void ConversionTask::setStatus(Status status)
{
    std::lock_guard lock(m_stateLock);
    m_status = status;
}

void ConversionTask::setProgress(double progress)
{
    std::lock_guard lock(m_stateLock);
    m_progress = progress;
}

void ConversionTask::setError(const std::optional<QString>& error)
{
    std::lock_guard lock(m_stateLock);
    m_error = error;
}

void ConversionTask::setFinishedAt(const QDateTime& at)
{
    std::lock_guard lock(m_stateLock);
    m_finishedAt = at;
}

bool ConversionTask::claim()
{
    std::lock_guard lock(m_stateLock);
    if (m_status != Status::queued)
        return false;
    m_status = Status::running;
    return true;
}

void ConversionTask::finish(Status status, const std::optional<QString>& error, const QDateTime& at)
{
    std::lock_guard lock(m_stateLock);
    if (m_status != Status::cancelled)
        m_status = status;
    m_error = error;
    m_finishedAt = at;
    m_process.reset();
}

void ConversionTask::cancel()
{
    std::lock_guard lock(m_stateLock);
    if (m_status != Status::queued && m_status != Status::running)
        return;
    m_status = Status::cancelled;
    if (m_process)
        m_process->terminate();
}

ConversionTask::PublishResult ConversionTask::publish(FileSystem& files, const QString& staged,
                                                      const QString& destination, bool final,
                                                      const std::function<QString(const QString&)>& nextFreeName)
{
    std::lock_guard lock(m_stateLock);
    PublishResult result;
    if (m_status == Status::cancelled)
        return result;
    QString target = destination;
    int err = files.moveNoReplace(staged, target);
    // Another program took the name after we planned it: keep the finished work under the next free name.
    for (int attempts = 0; err == EEXIST && nextFreeName && attempts < 1000; ++attempts) {
        target = nextFreeName(target);
        err = files.moveNoReplace(staged, target);
    }
    if (err != 0) {
        result.error = err;
        return result;
    }
    m_outputs.append(target);
    if (final) {
        m_status = Status::done;
        m_progress = 1.0;
    }
    result.published = true;
    result.destination = target;
    return result;
}

bool ConversionTask::attachProcess(const std::shared_ptr<ChildProcess>& process, const std::function<void()>& start)
{
    std::lock_guard lock(m_stateLock);
    if (m_status == Status::cancelled)
        return false;
    start();
    m_process = process;
    return true;
}

void ConversionTask::detachProcess()
{
    std::lock_guard lock(m_stateLock);
    m_process.reset();
}

QString ConversionTask::statusName(Status status)
{
    switch (status) {
    case Status::queued:
        return QStringLiteral("queued");
    case Status::running:
        return QStringLiteral("running");
    case Status::done:
        return QStringLiteral("done");
    case Status::failed:
        return QStringLiteral("failed");
    case Status::cancelled:
        return QStringLiteral("cancelled");
    }
    return {};
}

} // namespace karvo
