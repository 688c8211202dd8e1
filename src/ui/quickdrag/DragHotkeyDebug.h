// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace karvo {

// Quick Drag's diagnostic lines: "KV: " + message on standard error when KV_DEBUG is set (any value),
// nothing otherwise.
class DragHotkeyDebug {
public:
    static bool enabled();
    static void log(const QString& message);

    // Tests collect the lines instead of reading standard error; an empty sink restores it.
    using Sink = std::function<void(const QString& line)>;
    static void setSink(Sink sink);
};

} // namespace karvo
