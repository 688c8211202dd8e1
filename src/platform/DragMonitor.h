// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DisplaySession.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace karvo {

// The pointer during a drag: the keys held and where it is, in global coordinates.
struct DragPointer {
    bool shift = false;
    bool alt = false;
    QPoint position;
};

// What is known about the drag in progress (or the last one), as the drag source offers it.
struct DragPasteboard {
    // Changes with every new drag, including two drags from the same window.
    qint64 changeCount = 0;
    // The types the source offers; none until they could be read.
    std::optional<QStringList> types;
    // The source's text/uri-list as it sent it; empty until it answered.
    QByteArray uriList;
    // WM_CLASS (instance, class) of the active window; empty when unknown.
    QStringList frontmost;
};

// Watches other programs' drags so Quick Drag can open its ring: the two event streams (the pointer
// moving or its keys changing during a drag, the button let go) and what the drag carries. Which
// backend runs is decided once, from the display session, by `create`.
class DragMonitor {
public:
    struct Events {
        std::function<void(const DragPointer&)> dragged;
        std::function<void()> released;
    };

    virtual ~DragMonitor() = default;

    // Starts delivering events, on the main thread. False when drags cannot be watched here;
    // `failureSummary` then says why, in the current language, or is empty when the generic
    // "could not start" text fits.
    virtual bool start(Events events) = 0;
    virtual void stop() = 0;
    virtual QString failureSummary() const { return {}; }
    // The latest state of the drag source; never waits for it.
    virtual DragPasteboard pasteboard() const = 0;

    static std::unique_ptr<DragMonitor> create();
    static std::unique_ptr<DragMonitor> create(DisplaySession::Kind session);
};

} // namespace karvo
