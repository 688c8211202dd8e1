// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

namespace karvo {

enum class SystemColor { green, red, orange, blue, purple, indigo, teal, gray };

// The named colours the views tint with, each with a value for light and one for dark surroundings,
// chosen by the darkness of the palette they are drawn on.
class SystemColors {
public:
    static QList<SystemColor> all();
    // A palette is dark when its window colour is.
    static bool isDark(const QPalette& palette);
    static QColor color(SystemColor color, const QPalette& palette);
    static QColor color(SystemColor color, bool dark);
};

} // namespace karvo
