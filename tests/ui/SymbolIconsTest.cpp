// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolIcons.h"

#include "ActionChips.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

struct Ink {
    int solid = 0;       // pixels (nearly) fully covered
    int opaque = 0;      // fully covered pixels
    int transparent = 0; // untouched pixels
    int total = 0;
};

Ink inkOf(const QImage& image)
{
    Ink ink;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(argb.pixel(x, y));
            ink.solid += alpha >= 192;
            ink.opaque += alpha == 255;
            ink.transparent += alpha == 0;
            ++ink.total;
        }
    }
    return ink;
}

// Every symbol a view can ask for: the table's, the shipped list, and what the action chips name.
QStringList symbolsInUse()
{
    QSet<QString> names;
    for (const QString& s : SymbolIcons::themedSymbols() + SymbolIcons::knownSymbols())
        names.insert(s);
    for (const DropKind kind : {DropKind::video, DropKind::audio, DropKind::image, DropKind::mixed}) {
        names.insert(ActionChips::kindSymbol(kind));
        for (const ActionChip& chip : ActionChips::formats(kind) + ActionChips::tools(kind, true))
            names.insert(chip.symbol);
    }
    QStringList sorted = names.values();
    sorted.sort();
    return sorted;
}

} // namespace

TEST(SymbolIcons, EverySymbolInUseShipsAGlyphAndEveryGlyphIsKnown)
{
    const QStringList known = SymbolIcons::knownSymbols();
    for (const QString& symbol : symbolsInUse()) {
        EXPECT_TRUE(SymbolIcons::hasGlyph(symbol)) << symbol.toStdString();
        EXPECT_TRUE(known.contains(symbol)) << symbol.toStdString();
    }
    for (const QString& file : QDir(QStringLiteral(":/symbols")).entryList({"*.svg"}, QDir::Files))
        EXPECT_TRUE(known.contains(file.chopped(4))) << file.toStdString();
    EXPECT_EQ(known.size(), QSet<QString>(known.begin(), known.end()).size()) << "listed twice";

    EXPECT_EQ(SymbolIcons::themeName("film"), "video-x-generic");
    EXPECT_EQ(SymbolIcons::themeName("house"), "go-home");
    EXPECT_EQ(SymbolIcons::themeName("waveform"), "");
    EXPECT_FALSE(SymbolIcons::hasGlyph("no.such.symbol"));
    EXPECT_FALSE(SymbolIcons::hasGlyph("../symbols/film"));
    EXPECT_FALSE(SymbolIcons::hasGlyph(""));
}

TEST(SymbolIcons, EveryGlyphDrawsSomethingAndLeavesBackground)
{
    for (const QString& symbol : SymbolIcons::knownSymbols()) {
        for (const int size : {16, 32}) {
            const QPixmap pixmap = SymbolIcons::pixmap(symbol, size, Qt::black);
            ASSERT_FALSE(pixmap.isNull()) << symbol.toStdString();
            EXPECT_EQ(pixmap.size(), QSize(size, size));
            const Ink ink = inkOf(pixmap.toImage());
            // Some of the area is solid ink (not only a blur of edges), a good part is left clear.
            EXPECT_GE(ink.solid, ink.total / 40) << symbol.toStdString() << " at " << size;
            EXPECT_GE(ink.transparent, ink.total / 5) << symbol.toStdString() << " at " << size;
        }
    }
}

TEST(SymbolIcons, GlyphsTakeTheTintAndTheDeviceRatio)
{
    const QColor tint(201, 79, 29);
    for (const QString& symbol : {QStringLiteral("film"), QStringLiteral("checkmark.circle.fill")}) {
        const QImage image = SymbolIcons::pixmap(symbol, 32, tint).toImage().convertToFormat(QImage::Format_ARGB32);
        int checked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                if (qAlpha(px) < 128)
                    continue;
                // Edges carry coverage as alpha only: the colour itself stays the tint.
                EXPECT_NEAR(qRed(px), tint.red(), 3) << symbol.toStdString();
                EXPECT_NEAR(qGreen(px), tint.green(), 3);
                EXPECT_NEAR(qBlue(px), tint.blue(), 3);
                ++checked;
            }
        }
        EXPECT_GT(checked, 40) << symbol.toStdString();
    }

    const QPixmap sharp = SymbolIcons::pixmap("house", 24, Qt::white, 2.0);
    EXPECT_EQ(sharp.size(), QSize(48, 48));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(24, 24));
    EXPECT_TRUE(SymbolIcons::pixmap("no.such.symbol", 24, Qt::white).isNull());
}

TEST(SymbolIcons, WithoutAnyIconThemeTheShippedGlyphStandsIn)
{
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
    for (const QString& symbol : SymbolIcons::knownSymbols()) {
        const QIcon icon = SymbolIcons::icon(symbol);
        ASSERT_FALSE(icon.isNull()) << symbol.toStdString();
        const QImage image = icon.pixmap(24).toImage();
        EXPECT_EQ(image.size(), QSize(24, 24)) << symbol.toStdString();
        EXPECT_GT(inkOf(image).opaque, 0) << symbol.toStdString();
    }
    EXPECT_TRUE(SymbolIcons::icon("no.such.symbol").isNull());

    // A tinted icon keeps its colour whatever the theme; disabled, it fades.
    const QIcon tinted = SymbolIcons::icon("bolt.fill", QColor(0, 122, 255));
    const QImage normal = tinted.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = tinted.pixmap(32, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb centre = normal.pixel(16, 16);
    EXPECT_EQ(qAlpha(centre), 255);
    EXPECT_EQ(QColor(centre).rgb(), QColor(0, 122, 255).rgb());
    EXPECT_LT(qAlpha(disabled.pixel(16, 16)), 128);
    EXPECT_TRUE(SymbolIcons::icon("no.such.symbol", Qt::red).isNull());
}
