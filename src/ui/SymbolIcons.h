// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace karvo {

// Symbol names used across the views ("film", "photo", ...) as icons of the desktop's icon theme.
class SymbolIcons {
public:
    // The freedesktop icon name standing for `symbol`; empty for an unknown symbol.
    static QString themeName(const QString& symbol);
    // The theme's icon, or a null icon where the theme has none.
    static QIcon icon(const QString& symbol);
};

} // namespace karvo
