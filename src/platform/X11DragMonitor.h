// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DragMonitor.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace karvo {

// Watches XDND drags on an X11 display. A listener thread with its own X connection learns of every
// drag from XFixes (each new owner of XdndSelection is a new drag), asks the source for its
// text/uri-list and type list, and while the drag runs polls the pointer every 16 ms for the button
// and the Shift and Alt keys. Events are posted to the main thread; with no drag in progress the
// thread sleeps in poll() without a timeout.
class X11DragMonitor : public DragMonitor {
public:
    // `display`: as for XOpenDisplay; empty means $DISPLAY.
    explicit X11DragMonitor(QByteArray display = {});
    ~X11DragMonitor() override;

    bool start(Events events) override;
    void stop() override;
    DragPasteboard pasteboard() const override;

    // How long a drag source may take to answer before the drag counts as "not yet a file drag"
    // (it is asked again).
    static constexpr int answerTimeoutMs = 100;
    static constexpr int pollIntervalMs = 16;

private:
    struct Listener;
    friend struct Listener;

    QByteArray m_display;
    std::unique_ptr<Listener> m_listener;
    std::thread m_thread;
    QPointer<QObject> m_receiver; // lives on the main thread; posted events run through it
    Events m_events;
    std::shared_ptr<std::atomic<quint64>> m_generation = std::make_shared<std::atomic<quint64>>(0);

    mutable std::mutex m_mutex;
    DragPasteboard m_pasteboard;
};

} // namespace karvo
