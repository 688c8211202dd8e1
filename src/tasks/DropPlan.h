// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "ConversionOp.h"
#include "MediaInfo.h"

#include <QList>
#include <QString>
#include <optional>

namespace karvo {

// A file handed to a tool window; `info` is always absent for images.
struct ToolFile {
    QString path;
    std::optional<MediaInfo> info;
    bool operator==(const ToolFile&) const = default;
};

struct ToolRequest {
    ToolKind kind;
    QList<ToolFile> files; // in drop order
    bool operator==(const ToolRequest&) const = default;
};

struct DropEnqueue {
    QString path;
    ConversionOp op;
    std::optional<MediaInfo> info;
    bool operator==(const DropEnqueue&) const = default;
};

// Title and message are already localized.
struct DropError {
    QString title;
    QString message;
    bool operator==(const DropError&) const = default;
};

struct DropPlan {
    QList<DropEnqueue> enqueues;
    QList<ToolRequest> requests;
    QList<DropError> errors;
    bool operator==(const DropPlan&) const = default;
};

// One dropped file with its probe result (absent for images and for files the probe could not read).
struct DroppedFile {
    QString path;
    std::optional<MediaInfo> info;
};

} // namespace karvo
