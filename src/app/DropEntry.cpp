// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropEntry.h"

#include "BackgroundPool.h"
#include "DropAlerts.h"
#include "MediaExtensions.h"
#include "MediaProbe.h"
#include "ProgressHook.h"
#include "TaskManager.h"
#include "ToolWindows.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace karvo {

DropEntry::DropEntry(DropIntake::Prober probe, QObject* parent) : QObject(parent), m_probe(std::move(probe))
{
    if (!m_probe) {
        m_probe = [cancelled = m_cancelled](const QString& path) {
            return MediaProbe::probe(path, MediaProbe::defaultTimeout, [cancelled] { return cancelled->load(); });
        };
    }
    setSink({});
}

DropEntry::~DropEntry()
{
    // Running probes stop at their next watchdog tick; their results are dropped.
    m_cancelled->store(true);
}

void DropEntry::setSink(Sink sink)
{
    if (!sink.alert)
        sink.alert = [](const DropError& e) {
            DropAlerts::present(e.title, e.message);
        };
    if (!sink.enqueue) {
        sink.enqueue = [](const DropEnqueue& e) {
            TaskManager::shared().enqueue(e.path, e.op, e.info);
            ProgressHook::reload();
        };
    }
    if (!sink.request)
        sink.request = [](const ToolRequest& r) {
            ToolWindows::shared().present(r);
        };
    m_sink = std::move(sink);
}

void DropEntry::routeDrop(const QStringList& paths, const RadialAction& action)
{
    const QStringList supported = DropIntake::supportedFiles(paths);
    if (supported.isEmpty()) {
        // The intake's single "Unsupported file" plan; nothing is probed.
        for (const DropPlan& plan : DropIntake::plan(paths, action, m_probe))
            apply(plan);
        return;
    }
    QStringList media;
    for (const QString& path : supported) {
        if (!MediaExtensions::isImage(path))
            media << path;
    }
    if (DropIntake::opensToolWindow(action)) {
        if (media.isEmpty()) {
            for (const DropPlan& plan : DropIntake::plan(supported, action, m_probe))
                apply(plan);
        } else {
            planOffMain(supported, action);
        }
        return;
    }
    for (const QString& path : supported) {
        if (MediaExtensions::isImage(path)) {
            for (const DropPlan& plan : DropIntake::plan({path}, action, m_probe))
                apply(plan);
        }
    }
    for (const QString& path : media)
        planOffMain({path}, action);
}

void DropEntry::planOffMain(const QStringList& paths, const RadialAction& action)
{
    ++m_inFlight;
    QPointer<DropEntry> self(this);
    BackgroundPool::shared().start([self, paths, action, probe = m_probe, cancelled = m_cancelled] {
        QList<DropPlan> plans;
        if (!cancelled->load())
            plans = DropIntake::plan(paths, action, probe);
        // qApp outlives every entry; `self` is checked on the main thread, where entries are destroyed.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, plans, cancelled] {
                if (!self || cancelled->load())
                    return;
                --self->m_inFlight;
                for (const DropPlan& plan : plans)
                    self->apply(plan);
            },
            Qt::QueuedConnection);
    });
}

void DropEntry::apply(const DropPlan& plan)
{
    for (const DropError& error : plan.errors)
        m_sink.alert(error);
    for (const DropEnqueue& enqueue : plan.enqueues)
        m_sink.enqueue(enqueue);
    for (const ToolRequest& request : plan.requests)
        m_sink.request(request);
}

} // namespace karvo
