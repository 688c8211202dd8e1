// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "DropIntake.h"
#include "DropPlan.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

namespace karvo {

// The one entry through which every drop reaches the engine: the main window's chips and chooser,
// files opened with Karvo, and later the ring's wedges. Keeps the supported files, probes media on the
// global thread pool (never on the main thread), asks the router for plans and carries them out:
// errors become alerts, enqueues become tasks, tool requests go to the tool windows.
class DropEntry : public QObject {
    Q_OBJECT

public:
    // Where a plan's parts go. The defaults: DropAlerts, TaskManager::shared() (then the progress
    // panel's reload) and ToolWindows::shared().
    struct Sink {
        std::function<void(const DropError& error)> alert;
        std::function<void(const DropEnqueue& enqueue)> enqueue;
        std::function<void(const ToolRequest& request)> request;
    };

    // `probe` runs on pool threads; by default ffprobe with its 30-second limit, given up when this
    // entry is destroyed.
    explicit DropEntry(DropIntake::Prober probe = {}, QObject* parent = nullptr);
    ~DropEntry() override;

    void setSink(Sink sink);

    // Main thread. Images are planned and applied at once; each video or audio file after its own
    // probe, so they follow in the order their probes finish. A batch tool waits for every probe and
    // is planned once.
    void routeDrop(const QStringList& paths, const RadialAction& action);
    // Errors first, then enqueues in order, then tool requests. Main thread.
    void apply(const DropPlan& plan);

    // Probes started and not yet applied.
    int inFlight() const { return m_inFlight; }

private:
    // Runs `plan` on a pool thread and applies its result here, unless this entry is gone by then.
    void planOffMain(const QStringList& paths, const RadialAction& action);

    DropIntake::Prober m_probe;
    std::shared_ptr<std::atomic<bool>> m_cancelled = std::make_shared<std::atomic<bool>>(false);
    Sink m_sink;
    int m_inFlight = 0;
};

} // namespace karvo
