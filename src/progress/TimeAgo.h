// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace karvo {

// How long ago a task finished, as a finished card says it: "Just now", "N min ago", then the clock
// time. `now` is passed in so the text can be checked at any moment.
QString timeAgo(const std::optional<QDateTime>& date, const QDateTime& now);

} // namespace karvo
