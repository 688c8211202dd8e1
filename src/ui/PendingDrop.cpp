// SPDX-License-Identifier: GPL-3.0-or-later
#include "PendingDrop.h"

#include "DropClassification.h"
#include "DropIntake.h"
#include "Localization.h"

#include <QFileInfo>

namespace karvo {

std::optional<PendingDrop> PendingDrop::from(const QStringList& paths)
{
    const QStringList kept = DropIntake::supportedFiles(paths);
    if (kept.isEmpty())
        return std::nullopt;
    const std::optional<DropKind> kind = DropClassification::combining(kept);
    if (!kind)
        return std::nullopt;
    return PendingDrop{kept, *kind};
}

QString PendingDrop::summary() const
{
    if (paths.isEmpty())
        return {};
    const QString first = QFileInfo(paths.first()).fileName();
    if (paths.size() == 1)
        return first;
    return Ln("%@ and %d more", first, paths.size() - 1);
}

} // namespace karvo
