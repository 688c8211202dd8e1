// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeAgo.h"

#include "Localization.h"

namespace karvo {

QString timeAgo(const std::optional<QDateTime>& date, const QDateTime& now)
{
    if (!date || !date->isValid())
        return {};
    const qint64 seconds = date->secsTo(now);
    if (seconds < 60)
        return L("Just now");
    if (seconds < 3600)
        return Ln("%d min ago", seconds / 60);
    return date->toLocalTime().toString(QStringLiteral("HH:mm"));
}

} // namespace karvo
