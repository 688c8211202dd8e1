// SPDX-License-Identifier: GPL-3.0-or-later
#include "PreviewWorker.h"

#include "BackgroundPool.h"

#include <QThreadPool>
#include <map>
#include <mutex>

namespace karvo {

struct PreviewWorker::State {
    struct Lane {
        Work waiting;
        bool running = false;
    };
    std::mutex mutex;
    QObject* receiver = nullptr; // cleared under the mutex before the receiver goes away
    std::map<int, Lane> lanes;
};

PreviewWorker::PreviewWorker(QObject* receiver) : m_state(std::make_shared<State>())
{
    m_state->receiver = receiver;
}

PreviewWorker::~PreviewWorker()
{
    std::lock_guard lock(m_state->mutex);
    m_state->receiver = nullptr;
    for (auto& [lane, state] : m_state->lanes)
        state.waiting = nullptr;
}

void PreviewWorker::submit(int lane, Work work)
{
    std::lock_guard lock(m_state->mutex);
    if (!m_state->receiver)
        return;
    State::Lane& slot = m_state->lanes[lane];
    slot.waiting = std::move(work);
    if (slot.running)
        return;
    slot.running = true;
    BackgroundPool::shared().start([state = m_state, lane] { drain(state, lane); });
}

void PreviewWorker::drain(const std::shared_ptr<State>& state, int lane)
{
    for (;;) {
        Work work;
        {
            std::lock_guard lock(state->mutex);
            State::Lane& slot = state->lanes[lane];
            if (!slot.waiting || !state->receiver) {
                slot.running = false;
                return;
            }
            work = std::move(slot.waiting);
            slot.waiting = nullptr;
        }
        Continuation then = work();
        std::lock_guard lock(state->mutex);
        // Posting under the lock: the receiver cannot be destroyed in between, and a posted call is
        // discarded by Qt if it is destroyed before the call runs.
        if (then && state->receiver)
            QMetaObject::invokeMethod(state->receiver, std::move(then), Qt::QueuedConnection);
    }
}

} // namespace karvo
