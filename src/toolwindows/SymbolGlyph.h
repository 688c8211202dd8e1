// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace karvo {

// A shipped symbol shown as a small glyph in the window's text colour, beside a control it explains (the
// start and end marks of a time slider). It re-tints itself when the palette changes.
class SymbolGlyph : public QLabel {
public:
    SymbolGlyph(const QString& symbol, int size, QWidget* parent = nullptr);

    QString symbol() const { return m_symbol; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void render();

    QString m_symbol;
    int m_size;
};

} // namespace karvo
