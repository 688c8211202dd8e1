// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"
#include "FileSystem.h"
#include "ToolLocator.h"

#include <memory>

namespace karvo {

// Everything a task run takes from the outside world, handed to the task manager when it is made.
struct TaskEnvironment {
    std::shared_ptr<FileSystem> files = FileSystem::local();
    std::shared_ptr<ToolLocator> tools = ToolLocator::system();
    std::shared_ptr<Clock> clock = Clock::system();
};

} // namespace karvo
