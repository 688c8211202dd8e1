// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"

#include <QStringList>
#include <functional>

namespace karvo {

// What every way in (a drop, files opened with Karvo, the command line) does before routing: keep
// the supported files, probe the media among them, and ask the router for plans.
class DropIntake {
public:
    using Prober = std::function<std::optional<MediaInfo>(const QString& path)>;

    // Files that are not directories and carry a recognised extension, in the given order.
    static QStringList supportedFiles(const QStringList& paths);

    // The tool actions that open one window for the whole batch.
    static bool opensToolWindow(const RadialAction& action);

    // Plans in the order their results are applied: one plan for a batch tool, otherwise one plan per
    // file with images first (they need no probe). Probing runs on the calling thread, and only for
    // files MediaFileCheck accepts. When no file is supported, a single plan holding the "Unsupported
    // file" error.
    static QList<DropPlan> plan(const QStringList& paths, const RadialAction& action, const Prober& probe);
};

} // namespace karvo
