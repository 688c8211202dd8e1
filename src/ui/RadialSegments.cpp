// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialSegments.h"

#include "ActionChips.h"

namespace karvo {

QList<RadialSegment> RadialSegments::segments(DropKind kind, RadialMenuMode mode, bool backgroundRemoval)
{
    const QList<ActionChip> chips =
        mode == RadialMenuMode::formats ? ActionChips::formats(kind) : ActionChips::tools(kind, backgroundRemoval);
    QList<RadialSegment> result;
    result.reserve(chips.size());
    for (const ActionChip& chip : chips)
        result << RadialSegment{chip.title, chip.symbol, true, chip.action};
    return result;
}

QString RadialSegments::toolTitle(ToolAction tool)
{
    return ActionChips::chip(RadialAction::tool(tool)).title;
}

QString RadialSegments::toolIcon(ToolAction tool)
{
    return ActionChips::chip(RadialAction::tool(tool)).symbol;
}

} // namespace karvo
