// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "RadialSegments.h"

#include <QList>
#include <QUrl>
#include <functional>

namespace karvo {

// The ring that opens at the pointer during a Quick Drag, as the drag monitor drives it. The window
// implements it; tests drive the monitor with a recording stand-in.
//
// Lifetime: a menu frees itself after `close` (once its closing animation has run); whoever opened it
// must not touch it after calling `close`.
class RadialMenu {
public:
    virtual ~RadialMenu() = default;

    // Places the ring centred on the pointer (kept inside the screen) and shows it without taking focus.
    virtual void showAtCursor() = 0;
    // Switches between formats and tools in place; nothing when the mode is unchanged.
    virtual void setMode(RadialMenuMode mode) = 0;
    // Fades the ring out (slightly larger after a drop, slightly smaller when dismissed). Only the
    // first call counts.
    virtual void close(bool success) = 0;

    // A drop of files on an enabled wedge.
    std::function<void(const QList<QUrl>& files, RadialAction action)> onDrop = [](const QList<QUrl>&, RadialAction) {
    };
};

} // namespace karvo
