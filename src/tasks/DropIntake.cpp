// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropIntake.h"

#include "DropClassification.h"
#include "DropRouter.h"
#include "Localization.h"
#include "MediaExtensions.h"
#include "MediaFileCheck.h"

namespace karvo {

QStringList DropIntake::supportedFiles(const QStringList& paths)
{
    QStringList supported;
    for (const QString& path : paths) {
        if (!DropClassification::isDirectory(path) && MediaExtensions::isSupported(path))
            supported << path;
    }
    return supported;
}

bool DropIntake::opensToolWindow(const RadialAction& action)
{
    if (action.type() != RadialAction::Type::tool)
        return false;
    switch (action.toolAction()) {
    case ToolAction::compress:
    case ToolAction::trim:
    case ToolAction::crop:
    case ToolAction::speed:
    case ToolAction::snapshot:
    case ToolAction::split:
    case ToolAction::resize:
        return true;
    default:
        return false;
    }
}

QList<DropPlan> DropIntake::plan(const QStringList& paths, const RadialAction& action, const Prober& probe)
{
    const QStringList supported = supportedFiles(paths);
    if (supported.isEmpty()) {
        DropPlan plan;
        plan.errors.append(
            {L("Unsupported file"), L("Karvo handles video, audio, and images. Other files are skipped.")});
        return {plan};
    }
    QList<DroppedFile> images, media;
    for (const QString& path : supported) {
        if (MediaExtensions::isImage(path))
            images.append({path, std::nullopt});
        else
            media.append({path, std::nullopt});
    }
    // A FIFO or a device would hold ffprobe until its time limit; the router words what is wrong instead.
    for (DroppedFile& file : media)
        file.info = MediaFileCheck::check(file.path) ? std::nullopt : probe(file.path);

    if (opensToolWindow(action))
        return {DropRouter::plan(images + media, action)};

    QList<DropPlan> plans;
    for (const DroppedFile& file : images + media)
        plans.append(DropRouter::plan({file}, action));
    return plans;
}

} // namespace karvo
