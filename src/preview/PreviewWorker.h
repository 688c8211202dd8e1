// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace karvo {

// Runs a view's slow work (frame conversion, still extraction, probing) on Qt's global thread pool,
// newest first: each lane runs one piece of work at a time, and a submission made while the lane is busy
// replaces the one still waiting, so work never queues up behind the decoder. Each piece of work returns
// a continuation that runs on the receiver's thread. Once the worker is destroyed no continuation runs;
// work already running finishes on its own and must therefore hold nothing of the receiver.
class PreviewWorker {
public:
    using Continuation = std::function<void()>;
    using Work = std::function<Continuation()>;

    explicit PreviewWorker(QObject* receiver);
    ~PreviewWorker();
    PreviewWorker(const PreviewWorker&) = delete;
    PreviewWorker& operator=(const PreviewWorker&) = delete;

    // Any thread.
    void submit(int lane, Work work);

private:
    struct State;
    static void drain(const std::shared_ptr<State>& state, int lane);
    std::shared_ptr<State> m_state;
};

} // namespace karvo
