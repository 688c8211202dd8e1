// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

namespace karvo {

// The rounded, faintly tinted and outlined background of Karvo's cards (the Quick Drag card, the action
// picker, the catalogue's groups): `colour` at `fillOpacity` inside, at `strokeOpacity` on the 1 px edge.
void paintCardBackground(QWidget& widget, qreal radius, QColor colour, qreal fillOpacity, qreal strokeOpacity);

} // namespace karvo
