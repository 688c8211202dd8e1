// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemColors.h"

namespace karvo {

namespace {

struct NamedColor {
    SystemColor color;
    QRgb light;
    QRgb dark;
};

// The dark values are a little lighter, so each colour keeps its weight against a dark window.
constexpr NamedColor kColors[] = {
    {SystemColor::green, 0xff34c759, 0xff30d158},  {SystemColor::red, 0xffff3b30, 0xffff453a},
    {SystemColor::orange, 0xffff9500, 0xffff9f0a}, {SystemColor::blue, 0xff007aff, 0xff0a84ff},
    {SystemColor::purple, 0xffaf52de, 0xffbf5af2}, {SystemColor::indigo, 0xff5856d6, 0xff5e5ce6},
    {SystemColor::teal, 0xff30b0c7, 0xff40c8e0},   {SystemColor::gray, 0xff8e8e93, 0xff98989d},
};

} // namespace

QList<SystemColor> SystemColors::all()
{
    QList<SystemColor> colors;
    for (const NamedColor& row : kColors)
        colors.append(row.color);
    return colors;
}

bool SystemColors::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor SystemColors::color(SystemColor color, const QPalette& palette)
{
    return SystemColors::color(color, isDark(palette));
}

QColor SystemColors::color(SystemColor color, bool dark)
{
    for (const NamedColor& row : kColors) {
        if (row.color == color)
            return QColor::fromRgba(dark ? row.dark : row.light);
    }
    return {};
}

} // namespace karvo
