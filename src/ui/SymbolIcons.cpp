// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolIcons.h"

#include <QHash>

namespace karvo {

QString SymbolIcons::themeName(const QString& symbol)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("film"), QStringLiteral("video-x-generic")},
        {QStringLiteral("film.stack"), QStringLiteral("video-x-generic")},
        {QStringLiteral("photo.on.rectangle"), QStringLiteral("image-x-generic")},
        {QStringLiteral("music.note"), QStringLiteral("audio-x-generic")},
        {QStringLiteral("waveform"), QStringLiteral("audio-x-generic")},
        {QStringLiteral("photo"), QStringLiteral("image-x-generic")},
        {QStringLiteral("photo.fill"), QStringLiteral("image-x-generic")},
        {QStringLiteral("photo.circle.fill"), QStringLiteral("image-x-generic")},
        {QStringLiteral("doc.on.doc"), QStringLiteral("edit-copy")},
        {QStringLiteral("arrow.down.doc"), QStringLiteral("document-open")},
        {QStringLiteral("arrow.down.right.and.arrow.up.left"), QStringLiteral("zoom-out")},
        {QStringLiteral("arrow.up.left.and.arrow.down.right"), QStringLiteral("zoom-fit-best")},
        {QStringLiteral("tag.slash"), QStringLiteral("edit-clear")},
        {QStringLiteral("speaker.slash"), QStringLiteral("audio-volume-muted")},
        {QStringLiteral("scissors"), QStringLiteral("edit-cut")},
        {QStringLiteral("crop"), QStringLiteral("transform-crop")},
        {QStringLiteral("gauge.with.dots.needle.67percent"), QStringLiteral("media-seek-forward")},
        {QStringLiteral("camera"), QStringLiteral("camera-photo")},
        {QStringLiteral("rotate.right"), QStringLiteral("object-rotate-right")},
        {QStringLiteral("checkerboard.square"), QStringLiteral("edit-select-all")},
    };
    return names.value(symbol);
}

QIcon SymbolIcons::icon(const QString& symbol)
{
    const QString name = themeName(symbol);
    return name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
}

} // namespace karvo
