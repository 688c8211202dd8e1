// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActionChips.h"

#include "DropClassification.h"
#include "Localization.h"
#include "MediaFormats.h"

namespace karvo {

namespace {
QString formatSymbol(OutputFormat format)
{
    switch (format) {
    case OutputFormat::mp4:
    case OutputFormat::mov:
        return QStringLiteral("film");
    case OutputFormat::mkv:
        return QStringLiteral("film.stack");
    case OutputFormat::gif:
        return QStringLiteral("photo.on.rectangle");
    case OutputFormat::mp3:
        return QStringLiteral("music.note");
    case OutputFormat::m4a:
        return QStringLiteral("waveform");
    }
    return {};
}

QString imageSymbol(ImageFormat format)
{
    switch (format) {
    case ImageFormat::jpeg:
        return QStringLiteral("photo.fill");
    case ImageFormat::png:
        return QStringLiteral("photo");
    case ImageFormat::heic:
        return QStringLiteral("photo.circle.fill");
    }
    return {};
}

ActionChip toolChip(ToolAction tool)
{
    const auto make = [tool](const QString& title, const char* symbol) {
        return ActionChip{RadialAction::tool(tool), title, QString::fromLatin1(symbol)};
    };
    switch (tool) {
    case ToolAction::compress:
        return make(L("Compress"), "arrow.down.right.and.arrow.up.left");
    case ToolAction::removeMeta:
        return make(L("Remove Meta"), "tag.slash");
    case ToolAction::mute:
        return make(L("Mute"), "speaker.slash");
    case ToolAction::trim:
        return make(L("Trim"), "scissors");
    case ToolAction::crop:
        return make(L("Crop"), "crop");
    case ToolAction::speed:
        return make(L("Speed"), "gauge.with.dots.needle.67percent");
    case ToolAction::snapshot:
        return make(L("Snapshot"), "camera");
    case ToolAction::split:
        return make(L("Split"), "film");
    case ToolAction::resize:
        return make(L("Resize"), "arrow.up.left.and.arrow.down.right");
    case ToolAction::rotate:
        return make(L("Rotate"), "rotate.right");
    case ToolAction::removeBackground:
        return make(L("Remove Background"), "checkerboard.square");
    }
    return make(QString(), "");
}
} // namespace

ActionChip ActionChips::chip(const RadialAction& action)
{
    switch (action.type()) {
    case RadialAction::Type::format:
        return {action, rawValue(action.outputFormat()), formatSymbol(action.outputFormat())};
    case RadialAction::Type::imageFormat:
        return {action, rawValue(action.imageFormatValue()), imageSymbol(action.imageFormatValue())};
    case RadialAction::Type::tool:
        return toolChip(action.toolAction());
    }
    return toolChip(action.toolAction());
}

QList<ActionChip> ActionChips::formats(DropKind kind)
{
    QList<ActionChip> chips;
    switch (kind) {
    case DropKind::video:
        for (const OutputFormat format : allOutputFormats())
            chips << chip(RadialAction::format(format));
        break;
    case DropKind::audio:
    case DropKind::mixed:
        chips << chip(RadialAction::format(OutputFormat::mp3)) << chip(RadialAction::format(OutputFormat::m4a));
        break;
    case DropKind::image:
        for (const ImageFormat format : allImageFormats())
            chips << chip(RadialAction::imageFormat(format));
        break;
    }
    return chips;
}

QList<ActionChip> ActionChips::tools(DropKind kind, bool backgroundRemoval)
{
    QList<ToolAction> actions = DropClassification::tools(kind);
    // Fourth, between Rotate and Remove Meta, as in the catalogue.
    if (kind == DropKind::image && backgroundRemoval)
        actions.insert(std::min<qsizetype>(3, actions.size()), ToolAction::removeBackground);
    QList<ActionChip> chips;
    for (const ToolAction action : actions)
        chips << toolChip(action);
    return chips;
}

QString ActionChips::kindSymbol(DropKind kind)
{
    switch (kind) {
    case DropKind::video:
        return QStringLiteral("film");
    case DropKind::audio:
        return QStringLiteral("waveform");
    case DropKind::image:
        return QStringLiteral("photo");
    case DropKind::mixed:
        return QStringLiteral("doc.on.doc");
    }
    return {};
}

} // namespace karvo
