// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "DropPlan.h"
#include "MediaInfo.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace karvo {

// How karvo-cli shows engine values, as text for people and as JSON for scripts.
namespace CliOutput {
QJsonObject toJson(const MediaInfo& info);
QString toolKindName(ToolKind kind);
// `text` made harmless for a terminal: control characters (and the marks that reorder text) are
// shown escaped, \x1b, \n, \u202e, so a file name or a tool's message cannot move the cursor, retitle
// the window or forge lines.
QString terminalSafe(const QString& text);
// Quotes an argument for a POSIX shell only where needed, so a printed command can be pasted.
QString shellQuote(const QString& argument);
QString shellJoin(const QStringList& arguments);
} // namespace CliOutput

} // namespace karvo
