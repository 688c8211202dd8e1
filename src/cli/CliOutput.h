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
// Quotes an argument for a POSIX shell only where needed, so a printed command can be pasted.
QString shellQuote(const QString& argument);
QString shellJoin(const QStringList& arguments);
} // namespace CliOutput

} // namespace karvo
