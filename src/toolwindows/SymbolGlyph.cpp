// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolGlyph.h"

#include "SymbolIcons.h"

#include <QEvent>

namespace karvo {

SymbolGlyph::SymbolGlyph(const QString& symbol, int size, QWidget* parent)
    : QLabel(parent), m_symbol(symbol), m_size(size)
{
    setFixedSize(size, size);
    setAlignment(Qt::AlignCenter);
    render();
}

void SymbolGlyph::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange)
        render();
}

void SymbolGlyph::render()
{
    QColor tint = palette().color(QPalette::WindowText);
    if (!isEnabled())
        tint.setAlphaF(0.35f);
    setPixmap(SymbolIcons::pixmap(m_symbol, m_size, tint, devicePixelRatioF()));
}

} // namespace karvo
