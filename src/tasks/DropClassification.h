// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// Classifies dropped files by extension; used by routing, the ring menu and the main window.
class DropClassification {
public:
    static const QSet<QString>& videoExtensions();
    static const QSet<QString>& audioExtensions();
    static const QSet<QString>& imageExtensions();

    // The tools offered for a kind of drop, in display order.
    static QList<ToolAction> tools(DropKind kind);

    // The kind of a set of files; directories are skipped; none when nothing is recognised.
    static std::optional<DropKind> combining(const QStringList& paths);

    // A path is a directory when it says so (a trailing slash) or one exists there.
    static bool isDirectory(const QString& path);
};

} // namespace karvo
