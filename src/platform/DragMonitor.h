// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DisplaySession.h"

#include <QString>
#include <memory>

namespace karvo {

// Watches other programs' file drags so Quick Drag can open its ring. Which backend runs is decided once,
// from the display session, by `create`.
class DragMonitor {
public:
    virtual ~DragMonitor() = default;

    // False when the monitor cannot watch drags here; `failureSummary` then says why, in the current
    // language, or is empty when the generic "could not start" text fits.
    virtual bool start() = 0;
    virtual void stop() = 0;
    virtual QString failureSummary() const { return {}; }

    static std::unique_ptr<DragMonitor> create();
    static std::unique_ptr<DragMonitor> create(DisplaySession::Kind session);
};

} // namespace karvo
