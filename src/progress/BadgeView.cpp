// SPDX-License-Identifier: GPL-3.0-or-later
#include "BadgeView.h"

#include "ProgressRingView.h"
#include "ProgressStyle.h"
#include "StatusGlyph.h"

#include <QPainter>

namespace karvo {

namespace {
constexpr int kSide = 26;
constexpr int kIconSide = 14;
constexpr int kRingSide = 18;
constexpr double kBackgroundAlpha = 0.14;
} // namespace

BadgeView::BadgeView(QWidget* parent) : QWidget(parent), m_ring(new ProgressRingView(this))
{
    setFixedSize(kSide, kSide);
    m_ring->setGeometry((kSide - kRingSide) / 2, (kSide - kRingSide) / 2, kRingSide, kRingSide);
    m_ring->hide();
}

void BadgeView::setSymbol(BadgeSymbol symbol, CardTint tint)
{
    if (symbol == m_symbol && tint == m_tint)
        return;
    m_symbol = symbol;
    m_tint = tint;
    m_ring->setVisible(symbol == BadgeSymbol::none);
    update();
}

void BadgeView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = ProgressStyle::tint(m_tint, palette());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ProgressStyle::withAlpha(colour, kBackgroundAlpha));
    painter.drawEllipse(QRectF(rect()));
    if (m_symbol != BadgeSymbol::none) {
        const double offset = (kSide - kIconSide) / 2.0;
        // Semibold symbols: a slightly heavier stroke than the regular 1.6.
        StatusGlyph::paint(painter, QRectF(offset, offset, kIconSide, kIconSide), m_symbol, colour, 1.8);
    }
}

} // namespace karvo
