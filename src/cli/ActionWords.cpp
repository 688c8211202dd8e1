// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActionWords.h"

#include <utility>
#include <vector>

namespace karvo::ActionWords {

namespace {
const std::vector<std::pair<QString, RadialAction>>& table()
{
    static const std::vector<std::pair<QString, RadialAction>> words{
        {"mp4", RadialAction::format(OutputFormat::mp4)},
        {"mkv", RadialAction::format(OutputFormat::mkv)},
        {"gif", RadialAction::format(OutputFormat::gif)},
        {"mp3", RadialAction::format(OutputFormat::mp3)},
        {"m4a", RadialAction::format(OutputFormat::m4a)},
        {"mov", RadialAction::format(OutputFormat::mov)},
        {"jpeg", RadialAction::imageFormat(ImageFormat::jpeg)},
        {"png", RadialAction::imageFormat(ImageFormat::png)},
        {"heic", RadialAction::imageFormat(ImageFormat::heic)},
        {"compress", RadialAction::tool(ToolAction::compress)},
        {"remove-meta", RadialAction::tool(ToolAction::removeMeta)},
        {"mute", RadialAction::tool(ToolAction::mute)},
        {"trim", RadialAction::tool(ToolAction::trim)},
        {"crop", RadialAction::tool(ToolAction::crop)},
        {"speed", RadialAction::tool(ToolAction::speed)},
        {"snapshot", RadialAction::tool(ToolAction::snapshot)},
        {"split", RadialAction::tool(ToolAction::split)},
        {"resize", RadialAction::tool(ToolAction::resize)},
        {"rotate", RadialAction::tool(ToolAction::rotate)},
        {"remove-background", RadialAction::tool(ToolAction::removeBackground)},
    };
    return words;
}
} // namespace

QStringList all()
{
    QStringList words;
    for (const auto& [w, a] : table())
        words << w;
    return words;
}

std::optional<RadialAction> parse(const QString& word)
{
    for (const auto& [w, a] : table()) {
        if (w == word)
            return a;
    }
    return std::nullopt;
}

QString word(const RadialAction& action)
{
    for (const auto& [w, a] : table()) {
        if (a == action)
            return w;
    }
    return {};
}

} // namespace karvo::ActionWords
