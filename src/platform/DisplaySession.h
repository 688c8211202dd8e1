// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// The kind of display session Karvo runs in. Watching other programs' drags is possible only on X11;
// the drag monitor's backend is chosen from this, in one place.
class DisplaySession {
public:
    enum class Kind { x11, wayland, other };

    // From the Qt platform plugin in use ("xcb", "wayland", ...), which is what the windows really use.
    static Kind current();
    static Kind fromPlatformName(const QString& platformName);
};

} // namespace karvo
