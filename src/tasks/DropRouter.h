// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"

#include <QMap>

namespace karvo {

// Turns dropped files plus one action into queued conversions, tool-window files and per-file errors.
// It never starts work. It reads the file system only to ask whether a path is a directory, and, for files
// without a probe result and for images about to be used, whether they are readable regular files
// (MediaFileCheck), so an error says what is wrong with the file.
class DropRouter {
public:
    static DropPlan plan(const QList<DroppedFile>& files, const RadialAction& action);

    using Buckets = QMap<ToolKind, QList<ToolFile>>;
    static void add(ToolKind kind, const ToolFile& file, Buckets& buckets);

private:
    static void planImage(const QString& path, const RadialAction& action, QList<DropEnqueue>& enqueues,
                          QList<DropError>& errors, Buckets& buckets);
    static void planAV(const QString& path, const std::optional<MediaInfo>& info, const RadialAction& action,
                       QList<DropEnqueue>& enqueues, QList<DropError>& errors, Buckets& buckets);
};

} // namespace karvo
