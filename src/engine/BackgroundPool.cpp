// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundPool.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <mutex>

namespace karvo {

namespace {
std::mutex poolMutex;
QThreadPool* pool = nullptr;

void finish()
{
    QThreadPool* ending = nullptr;
    {
        std::lock_guard lock(poolMutex);
        std::swap(ending, pool);
    }
    if (!ending)
        return;
    ending->clear();
    ending->waitForDone();
    delete ending;
}
} // namespace

QThreadPool& BackgroundPool::shared()
{
    std::lock_guard lock(poolMutex);
    if (!pool) {
        pool = new QThreadPool;
        // Probes mostly wait for ffprobe: a couple of them side by side even on one core.
        pool->setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
        pool->setObjectName(QStringLiteral("karvo-background"));
        if (QCoreApplication::instance())
            qAddPostRoutine(finish);
    }
    return *pool;
}

} // namespace karvo
