// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// What a failed card says: a few known tool messages in plain words, anything else trimmed and kept
// short enough for one line. The raw text stays in the card's tooltip.
QString friendlyError(const QString& raw);

} // namespace karvo
