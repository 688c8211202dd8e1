// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolIcons.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <algorithm>
#include <optional>
#include <utility>

// The glyphs are compiled into this static library; nothing else references them, so they are
// registered by hand before the first lookup.
static void registerSymbolGlyphs()
{
    Q_INIT_RESOURCE(symbols);
}

namespace karvo {

namespace {

struct ThemeRow {
    const char* symbol;
    const char* themeName;
};

// Only names from the freedesktop icon naming vocabulary, so every theme that follows it can answer.
constexpr ThemeRow kThemeNames[] = {
    {"arrow.clockwise", "view-refresh"},
    {"arrow.down.doc", "document-open"},
    {"arrow.down.right.and.arrow.up.left", "zoom-out"},
    {"arrow.right", "go-next"},
    {"arrow.up.left.and.arrow.down.right", "zoom-fit-best"},
    {"backward.end", "media-skip-backward"},
    {"camera", "camera-photo"},
    {"checkerboard.square", "edit-select-all"},
    {"chevron.down", "go-down"},
    {"chevron.left", "go-previous"},
    {"crop", "transform-crop"},
    {"doc.fill", "text-x-generic"},
    {"doc.on.doc", "edit-copy"},
    {"doc.text.fill", "text-x-generic"},
    {"exclamationmark.triangle", "dialog-warning"},
    {"exclamationmark.triangle.fill", "dialog-warning"},
    {"film", "video-x-generic"},
    {"film.fill", "video-x-generic"},
    {"film.stack", "video-x-generic"},
    {"folder", "folder"},
    {"folder.fill", "folder"},
    {"forward.end", "media-skip-forward"},
    {"gauge.with.dots.needle.67percent", "media-seek-forward"},
    {"gearshape", "preferences-system"},
    {"house", "go-home"},
    {"info.circle", "dialog-information"},
    {"keyboard", "input-keyboard"},
    {"music.note", "audio-x-generic"},
    {"pause.fill", "media-playback-pause"},
    {"photo", "image-x-generic"},
    {"photo.circle.fill", "image-x-generic"},
    {"photo.fill", "image-x-generic"},
    {"photo.on.rectangle", "image-x-generic"},
    {"photo.stack", "image-x-generic"},
    {"play.fill", "media-playback-start"},
    {"rotate.right", "object-rotate-right"},
    {"scissors", "edit-cut"},
    {"speaker.slash", "audio-volume-muted"},
    {"tag.slash", "edit-clear"},
    {"xmark", "window-close"},
};

// Symbols without a fitting theme name; they always show the shipped glyph.
constexpr const char* kGlyphOnly[] = {
    "bolt.fill",
    "checkmark",
    "checkmark.circle.fill",
    "circle.lefthalf.filled",
    "cursorarrow",
    "hand.raised",
    "lock.shield",
    "moon",
    "play.rectangle.fill",
    "shift",
    "slider.horizontal.3",
    "square.grid.2x2",
    "sun.max",
    "waveform",
    "xmark.circle",
};

void ensureGlyphsRegistered()
{
    static const bool registered = [] {
        registerSymbolGlyphs();
        return true;
    }();
    Q_UNUSED(registered);
}

// The glyph rendered `side` device pixels square, with every drawn pixel recoloured to `tint` and its
// coverage kept as alpha, so antialiased edges stay smooth in any colour.
QPixmap renderGlyph(const QString& symbol, int side, const QColor& tint, qreal ratio = 1.0)
{
    if (side <= 0 || !SymbolIcons::hasGlyph(symbol))
        return {};
    const QString key =
        QStringLiteral("karvo-symbol:%1:%2:%3:%4").arg(symbol).arg(side).arg(tint.rgba(), 8, 16).arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    QSvgRenderer renderer(SymbolIcons::glyphPath(symbol));
    if (!renderer.isValid())
        return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), tint);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Draws the shipped glyph at whatever size a view asks for. Without a fixed tint the colour comes from
// the application palette when painted, so the icon follows a change of appearance.
class GlyphIconEngine final : public QIconEngine {
public:
    GlyphIconEngine(QString symbol, std::optional<QColor> tint) : m_symbol(std::move(symbol)), m_tint(tint) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(state);
        const int side = std::min(rect.width(), rect.height());
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap glyph = SymbolIcons::pixmap(m_symbol, side, colourFor(mode), ratio);
        if (glyph.isNull())
            return;
        const QRect target(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side, side);
        painter->drawPixmap(target, glyph);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        return renderGlyph(m_symbol, std::min(size.width(), size.height()), colourFor(mode));
    }

    // `size` is in device pixels here; QIcon sets the ratio on the result.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        return pixmap(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(*this); }
    QString key() const override { return QStringLiteral("KarvoSymbolGlyph"); }
    QString iconName() override { return m_symbol; }
    bool isNull() override { return !SymbolIcons::hasGlyph(m_symbol); }

private:
    QColor colourFor(QIcon::Mode mode) const
    {
        const QPalette palette = QGuiApplication::palette();
        if (m_tint) {
            QColor colour = *m_tint;
            if (mode == QIcon::Disabled)
                colour.setAlphaF(colour.alphaF() * 0.4f);
            return colour;
        }
        switch (mode) {
        case QIcon::Disabled:
            return palette.color(QPalette::Disabled, QPalette::WindowText);
        case QIcon::Selected:
            return palette.color(QPalette::Active, QPalette::HighlightedText);
        case QIcon::Normal:
        case QIcon::Active:
            break;
        }
        return palette.color(QPalette::Active, QPalette::WindowText);
    }

    QString m_symbol;
    std::optional<QColor> m_tint;
};

} // namespace

QString SymbolIcons::themeName(const QString& symbol)
{
    for (const ThemeRow& row : kThemeNames) {
        if (symbol == QLatin1String(row.symbol))
            return QString::fromLatin1(row.themeName);
    }
    return {};
}

QStringList SymbolIcons::themedSymbols()
{
    QStringList symbols;
    for (const ThemeRow& row : kThemeNames)
        symbols.append(QString::fromLatin1(row.symbol));
    return symbols;
}

QStringList SymbolIcons::knownSymbols()
{
    QStringList symbols = themedSymbols();
    for (const char* symbol : kGlyphOnly)
        symbols.append(QString::fromLatin1(symbol));
    symbols.sort();
    return symbols;
}

QString SymbolIcons::glyphPath(const QString& symbol)
{
    return QStringLiteral(":/symbols/%1.svg").arg(symbol);
}

bool SymbolIcons::hasGlyph(const QString& symbol)
{
    ensureGlyphsRegistered();
    // A name is a file name inside the resource folder, never a path.
    if (symbol.isEmpty() || symbol.contains(u'/'))
        return false;
    return QFile::exists(glyphPath(symbol));
}

QIcon SymbolIcons::icon(const QString& symbol)
{
    const QString name = themeName(symbol);
    if (!name.isEmpty() && QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    if (!hasGlyph(symbol))
        return {};
    return QIcon(new GlyphIconEngine(symbol, std::nullopt));
}

QIcon SymbolIcons::icon(const QString& symbol, const QColor& tint)
{
    if (!hasGlyph(symbol))
        return {};
    return QIcon(new GlyphIconEngine(symbol, tint));
}

QPixmap SymbolIcons::pixmap(const QString& symbol, int size, const QColor& tint, qreal devicePixelRatio)
{
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    return renderGlyph(symbol, qRound(size * ratio), tint, ratio);
}

} // namespace karvo
