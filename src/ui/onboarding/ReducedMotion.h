// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace karvo {

// Whether the desktop asks for reduced motion: GNOME's "enable-animations" switched off (read through
// GSettings when the schema is installed) or KDE's animation speed set to instant in kdeglobals.
// Read afresh on every call, so a change is seen the next time a demonstration is shown.
class ReducedMotion {
public:
    static bool enabled();

    // Replaces the desktop's answer (tests); nullopt goes back to reading the desktop.
    static void setOverride(std::optional<bool> reduced);

    // GNOME's setting; nullopt where the schema or the key is not installed.
    static std::optional<bool> gnomeAnimationsEnabled();
    // kdeglobals in the user's config folder.
    static QString kdeGlobalsPath();
    // True when the [KDE] group of a kdeglobals text sets AnimationDurationFactor to 0.
    static bool kdeAnimationsOff(const QString& kdeGlobals);
};

} // namespace karvo
