// SPDX-License-Identifier: GPL-3.0-or-later
#include "Typography.h"

#include <QApplication>

namespace karvo {

QFont Typography::font(double size, QFont::Weight weight)
{
    QFont font = QApplication::font();
    const double base = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    font.setPointSizeF(base * size / 13.0);
    font.setWeight(weight);
    return font;
}

QColor Typography::secondaryText(const QPalette& palette)
{
    QColor color = palette.color(QPalette::WindowText);
    color.setAlphaF(0.55f);
    return color;
}

QColor Typography::accent(const QPalette& palette)
{
    return palette.color(QPalette::Highlight);
}

} // namespace karvo
