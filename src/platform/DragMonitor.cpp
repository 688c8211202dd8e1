// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragMonitor.h"

#include "DisplaySession.h"
#include "Localization.h"
#include "X11DragMonitor.h"

namespace karvo {

namespace {

// Wayland lets no program watch another's drags: Quick Drag says so, and the window still takes drops.
class WaylandDragMonitor : public DragMonitor {
public:
    bool start(Events) override { return false; }
    void stop() override {}
    DragPasteboard pasteboard() const override { return {}; }
    QString failureSummary() const override
    {
        return L("Quick Drag needs an X11 session — drag files into the window instead.");
    }
};

// A session that is neither X11 nor Wayland (offscreen, say): starting fails with the generic text.
class UnavailableDragMonitor : public DragMonitor {
public:
    bool start(Events) override { return false; }
    void stop() override {}
    DragPasteboard pasteboard() const override { return {}; }
};

} // namespace

std::unique_ptr<DragMonitor> DragMonitor::create()
{
    return create(DisplaySession::current());
}

std::unique_ptr<DragMonitor> DragMonitor::create(DisplaySession::Kind session)
{
    if (session == DisplaySession::Kind::wayland)
        return std::make_unique<WaylandDragMonitor>();
    if (session == DisplaySession::Kind::x11)
        return std::make_unique<X11DragMonitor>();
    return std::make_unique<UnavailableDragMonitor>();
}

} // namespace karvo
