// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemColors.h"

#include <QList>
#include <QString>
#include <optional>

namespace karvo {

// The settings screen's pages, in the order of its list. Raw values are the case names.
enum class SettingsPage { general, defaults, output, privacy, about };

// What the list and the page headers show for each page.
class SettingsPages {
public:
    static QList<SettingsPage> all();
    static QString rawValue(SettingsPage page);
    static std::optional<SettingsPage> fromRawValue(const QString& raw);

    // Title and subtitle in the interface language; About has no subtitle (it shows no header).
    static QString title(SettingsPage page);
    static QString subtitle(SettingsPage page);
    static QString symbol(SettingsPage page);
    static SystemColor tint(SettingsPage page);
};

// The pages the list shows for a search: all of them for a query that is empty once trimmed, otherwise
// those whose title in the interface language contains it, ignoring case. Only titles are searched.
QList<SettingsPage> filteredPages(const QString& query);

} // namespace karvo
