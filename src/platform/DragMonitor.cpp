// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragMonitor.h"

#include "DisplaySession.h"
#include "Localization.h"

namespace karvo {

namespace {

// Wayland lets no program watch another's drags: Quick Drag says so, and the window still takes drops.
class WaylandDragMonitor : public DragMonitor {
public:
    bool start() override { return false; }
    void stop() override {}
    QString failureSummary() const override
    {
        return L("Quick Drag needs an X11 session — drag files into the window instead.");
    }
};

// No backend for this session yet: starting fails with the generic text and "Try Again".
class UnavailableDragMonitor : public DragMonitor {
public:
    bool start() override { return false; }
    void stop() override {}
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
    return std::make_unique<UnavailableDragMonitor>();
}

} // namespace karvo
