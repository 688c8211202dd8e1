// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// The command-line words for the ring's actions: "mp4", "jpeg", "remove-meta", ...
namespace ActionWords {
QStringList all();
std::optional<RadialAction> parse(const QString& word);
QString word(const RadialAction& action);
} // namespace ActionWords

} // namespace karvo
