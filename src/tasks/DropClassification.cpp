// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropClassification.h"

#include "MediaExtensions.h"

#include <QFileInfo>

namespace karvo {

const QSet<QString>& DropClassification::videoExtensions()
{
    return MediaExtensions::video();
}

const QSet<QString>& DropClassification::audioExtensions()
{
    return MediaExtensions::audio();
}

const QSet<QString>& DropClassification::imageExtensions()
{
    return MediaExtensions::image();
}

QList<ToolAction> DropClassification::tools(DropKind kind)
{
    using enum ToolAction;
    switch (kind) {
    case DropKind::video:
        return {compress, removeMeta, mute, trim, crop, speed, snapshot, split};
    case DropKind::image:
        return {compress, resize, rotate, removeMeta};
    case DropKind::audio:
    case DropKind::mixed:
        return {removeMeta};
    }
    return {};
}

bool DropClassification::isDirectory(const QString& path)
{
    return path.endsWith(u'/') || QFileInfo(path).isDir();
}

std::optional<DropKind> DropClassification::combining(const QStringList& paths)
{
    bool video = false, audio = false, image = false;
    for (const QString& path : paths) {
        if (isDirectory(path))
            continue;
        const QString ext = MediaExtensions::of(path);
        if (videoExtensions().contains(ext))
            video = true;
        else if (audioExtensions().contains(ext))
            audio = true;
        else if (imageExtensions().contains(ext))
            image = true;
    }
    if (video && audio)
        return DropKind::mixed;
    if (video)
        return DropKind::video;
    if (audio)
        return DropKind::audio;
    if (image)
        return DropKind::image;
    return std::nullopt;
}

} // namespace karvo
