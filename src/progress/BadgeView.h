// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TaskCardContent.h"

#include <QColor>
#include <QWidget>

namespace karvo {

class ProgressRingView;

// The round badge at a card's leading edge: a status symbol, or the progress ring while the task runs.
class BadgeView : public QWidget {
public:
    explicit BadgeView(QWidget* parent = nullptr);

    // `symbol` none shows the ring instead of a symbol.
    void setSymbol(BadgeSymbol symbol, CardTint tint);
    BadgeSymbol symbol() const { return m_symbol; }
    ProgressRingView* ring() const { return m_ring; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BadgeSymbol m_symbol = BadgeSymbol::clock;
    CardTint m_tint = CardTint::secondary;
    ProgressRingView* m_ring;
};

} // namespace karvo
