// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TaskCardContent.h"

#include <QColor>
#include <QFont>
#include <QPalette>

namespace karvo {

// Fonts and colours of the progress panel, derived from the desktop's font and the palette so a
// larger font setting or a dark palette carries through.
namespace ProgressStyle {

// A font of size `size` on the text's scale, where 13 is the body size of the application font.
QFont font(double size, QFont::Weight weight = QFont::Normal);

bool isDark(const QPalette& palette);
QColor accent(const QPalette& palette);
QColor secondaryText(const QPalette& palette);
QColor tint(CardTint tint, const QPalette& palette);
QColor withAlpha(QColor colour, double alpha);
// The panel's background: the window colour, slightly translucent where a compositor can blend it.
QColor panelBackground(const QPalette& palette, bool translucent);
// A card's background: a faint wash of the text colour.
QColor cardBackground(const QPalette& palette);

} // namespace ProgressStyle

} // namespace karvo
