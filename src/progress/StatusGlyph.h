// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TaskCardContent.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace karvo {

// The small status symbols of the progress cards, drawn as vectors in one tint so they stay sharp
// at any scale and take any colour (icon themes ship them in fixed colours, when at all).
namespace StatusGlyph {

// `symbol` fitted into `box`; `weight` is the stroke width relative to a 14-pixel symbol.
void paint(QPainter& painter, const QRectF& box, BadgeSymbol symbol, const QColor& colour, double weight = 1.6);
// The cross of the close button.
void paintCross(QPainter& painter, const QRectF& box, const QColor& colour, double width);

} // namespace StatusGlyph

} // namespace karvo
