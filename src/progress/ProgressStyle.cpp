// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressStyle.h"

#include <QApplication>
#include <algorithm>

namespace karvo::ProgressStyle {

namespace {
constexpr double kBodySize = 13;

struct NamedColour {
    QRgb light;
    QRgb dark;
};
// Green, red and orange as the system palette names them, for light and dark appearances.
constexpr NamedColour kGreen{0xff34c759, 0xff30d158};
constexpr NamedColour kRed{0xffff3b30, 0xffff453a};
constexpr NamedColour kOrange{0xffff9500, 0xffff9f0a};

QColor pick(const NamedColour& c, const QPalette& palette)
{
    return QColor::fromRgba(isDark(palette) ? c.dark : c.light);
}
} // namespace

QFont font(double size, QFont::Weight weight)
{
    QFont f = QApplication::font();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * size / kBodySize);
    else
        f.setPixelSize(std::max(1, qRound(f.pixelSize() * size / kBodySize)));
    f.setWeight(weight);
    return f;
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor accent(const QPalette& palette)
{
    return palette.color(QPalette::Highlight);
}

QColor withAlpha(QColor colour, double alpha)
{
    colour.setAlphaF(static_cast<float>(colour.alphaF() * alpha));
    return colour;
}

QColor secondaryText(const QPalette& palette)
{
    return withAlpha(palette.color(QPalette::WindowText), 0.55);
}

QColor tint(CardTint tint, const QPalette& palette)
{
    switch (tint) {
    case CardTint::secondary:
        return secondaryText(palette);
    case CardTint::accent:
        return accent(palette);
    case CardTint::green:
        return pick(kGreen, palette);
    case CardTint::red:
        return pick(kRed, palette);
    case CardTint::orange:
        return pick(kOrange, palette);
    }
    return secondaryText(palette);
}

QColor panelBackground(const QPalette& palette, bool translucent)
{
    QColor c = palette.color(QPalette::Window);
    c.setAlpha(255);
    return translucent ? withAlpha(c, 0.92) : c;
}

QColor cardBackground(const QPalette& palette)
{
    return withAlpha(palette.color(QPalette::WindowText), 0.055);
}

} // namespace karvo::ProgressStyle
