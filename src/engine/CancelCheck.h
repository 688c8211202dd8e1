// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace karvo {

// Asked by long-running engine work whether its task has been cancelled. May be called from any thread.
using CancelCheck = std::function<bool()>;

} // namespace karvo
