// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileChooserFilters.h"

#include "DropClassification.h"
#include "Localization.h"

#include <algorithm>

namespace karvo {

namespace {
const QSet<QString>& extensions(FileChooserFilters::Kind kind)
{
    switch (kind) {
    case FileChooserFilters::Kind::video:
        return DropClassification::videoExtensions();
    case FileChooserFilters::Kind::audio:
        return DropClassification::audioExtensions();
    case FileChooserFilters::Kind::image:
        return DropClassification::imageExtensions();
    }
    return DropClassification::videoExtensions();
}

QString kindName(FileChooserFilters::Kind kind)
{
    switch (kind) {
    case FileChooserFilters::Kind::video:
        return L("Videos");
    case FileChooserFilters::Kind::audio:
        return L("Audio");
    case FileChooserFilters::Kind::image:
        return L("Images");
    }
    return {};
}
} // namespace

QList<FileChooserFilters::Kind> FileChooserFilters::admitted(const RadialAction& action)
{
    const QList<Kind> media{Kind::video, Kind::audio};
    switch (action.type()) {
    case RadialAction::Type::format:
        return media;
    case RadialAction::Type::imageFormat:
        return {Kind::image};
    case RadialAction::Type::tool:
        switch (action.toolAction()) {
        case ToolAction::compress:
        case ToolAction::removeMeta:
            return {Kind::video, Kind::audio, Kind::image};
        case ToolAction::resize:
        case ToolAction::rotate:
        case ToolAction::removeBackground:
            return {Kind::image};
        default:
            return media;
        }
    }
    return media;
}

QString FileChooserFilters::patterns(const QList<Kind>& kinds)
{
    QStringList suffixes;
    for (const Kind kind : kinds) {
        for (const QString& extension : extensions(kind))
            suffixes << extension;
    }
    std::sort(suffixes.begin(), suffixes.end());
    suffixes.removeDuplicates();
    QStringList out;
    for (const QString& suffix : suffixes)
        out << QStringLiteral("*.") + suffix << QStringLiteral("*.") + suffix.toUpper();
    return out.join(u' ');
}

QStringList FileChooserFilters::nameFilters(const RadialAction& action)
{
    const QList<Kind> kinds = admitted(action);
    QStringList filters;
    if (kinds.size() > 1)
        filters << L("Supported files (%@)", patterns(kinds));
    for (const Kind kind : kinds)
        filters << kindName(kind) + QStringLiteral(" (") + patterns({kind}) + u')';
    return filters;
}

} // namespace karvo
