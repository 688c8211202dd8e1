// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace karvo {

// Symbol names used across the views ("film", "photo", ...). Each has a small monochrome glyph shipped
// with Karvo (":/symbols/<name>.svg"), and many also have a freedesktop icon-theme name.
class SymbolIcons {
public:
    // The freedesktop icon name standing for `symbol`; empty where the theme vocabulary has none.
    static QString themeName(const QString& symbol);
    // Every symbol with a theme name.
    static QStringList themedSymbols();
    // Every symbol the views use; each has a shipped glyph.
    static QStringList knownSymbols();
    // The shipped glyph's resource path; the file may not exist for an unknown symbol.
    static QString glyphPath(const QString& symbol);
    static bool hasGlyph(const QString& symbol);

    // The theme's icon where the theme has one, otherwise the shipped glyph in the palette's text colour.
    // Null only for a symbol that is neither.
    static QIcon icon(const QString& symbol);
    // Always the shipped glyph, in `tint` (disabled: faded), so it looks the same on every desktop.
    static QIcon icon(const QString& symbol, const QColor& tint);
    // The shipped glyph, `size` device-independent pixels square, in `tint`. Null for an unknown symbol.
    static QPixmap pixmap(const QString& symbol, int size, const QColor& tint, qreal devicePixelRatio = 1.0);
};

} // namespace karvo
