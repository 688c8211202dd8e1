// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// Files that reached the main window and wait for the user to pick an action.
struct PendingDrop {
    QStringList paths; // supported media files only, in drop order
    DropKind kind = DropKind::video;

    // The supported files of `paths` with their combined kind; none when no supported file remains.
    static std::optional<PendingDrop> from(const QStringList& paths);

    // "clip.mov", or "clip.mov and 2 more".
    QString summary() const;

    bool operator==(const PendingDrop&) const = default;
};

} // namespace karvo
