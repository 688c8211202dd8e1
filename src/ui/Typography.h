// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace karvo {

// Text sizes relative to the desktop's own font (13 is the body size), so a larger font setting is
// honoured, and the shared colours taken from the palette.
class Typography {
public:
    static QFont font(double size, QFont::Weight weight = QFont::Normal);
    static QColor secondaryText(const QPalette& palette);
    static QColor accent(const QPalette& palette);
};

} // namespace karvo
