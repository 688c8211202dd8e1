// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"

#include <functional>

namespace karvo {

// What an applied tool window does with its results. The program's shell passes its own alert
// presenter (which merges alerts arriving together); the tests pass recorders.
struct ToolServices {
    std::function<void(const DropEnqueue& enqueue)> enqueue; // default: TaskManager::shared()
    std::function<void(const DropError& error)> alert;       // default: a plain warning box per error
    std::function<void()> reload;                            // default: the progress panel's reload

    // The same services with every empty one replaced by its default.
    ToolServices withDefaults() const;
};

} // namespace karvo
