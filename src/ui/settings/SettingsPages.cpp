// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsPages.h"

#include "Localization.h"

#include <array>

namespace karvo {

namespace {

struct PageRow {
    SettingsPage page;
    const char* raw;
    const char* title;
    const char* symbol;
    SystemColor tint;
    const char* subtitle; // nullptr: the page shows no header
};

constexpr std::array<PageRow, 5> kPages{{
    {SettingsPage::general, "general", KV_TRANSLATE_NOOP("General"), "gearshape", SystemColor::gray,
     KV_TRANSLATE_NOOP("Language, appearance, and Quick Drag.")},
    {SettingsPage::defaults, "defaults", KV_TRANSLATE_NOOP("Defaults"), "slider.horizontal.3", SystemColor::indigo,
     KV_TRANSLATE_NOOP("Default values for the processing tools.")},
    {SettingsPage::output, "output", KV_TRANSLATE_NOOP("Output"), "folder", SystemColor::blue,
     KV_TRANSLATE_NOOP("Where converted files are saved.")},
    {SettingsPage::privacy, "privacy", KV_TRANSLATE_NOOP("Privacy"), "hand.raised", SystemColor::teal,
     KV_TRANSLATE_NOOP("How Karvo handles your data.")},
    {SettingsPage::about, "about", KV_TRANSLATE_NOOP("About"), "info.circle", SystemColor::gray, nullptr},
}};

const PageRow& rowOf(SettingsPage page)
{
    for (const PageRow& row : kPages) {
        if (row.page == page)
            return row;
    }
    return kPages.front();
}

} // namespace

QList<SettingsPage> SettingsPages::all()
{
    QList<SettingsPage> pages;
    for (const PageRow& row : kPages)
        pages.append(row.page);
    return pages;
}

QString SettingsPages::rawValue(SettingsPage page)
{
    return QString::fromLatin1(rowOf(page).raw);
}

std::optional<SettingsPage> SettingsPages::fromRawValue(const QString& raw)
{
    for (const PageRow& row : kPages) {
        if (raw == QLatin1String(row.raw))
            return row.page;
    }
    return std::nullopt;
}

QString SettingsPages::title(SettingsPage page)
{
    return L(rowOf(page).title);
}

QString SettingsPages::subtitle(SettingsPage page)
{
    const char* subtitle = rowOf(page).subtitle;
    return subtitle ? L(subtitle) : QString();
}

QString SettingsPages::symbol(SettingsPage page)
{
    return QString::fromLatin1(rowOf(page).symbol);
}

SystemColor SettingsPages::tint(SettingsPage page)
{
    return rowOf(page).tint;
}

QList<SettingsPage> filteredPages(const QString& query)
{
    const QString needle = query.trimmed();
    if (needle.isEmpty())
        return SettingsPages::all();
    // Lower-casing with the interface language's locale first, so language-specific case rules apply;
    // Unicode case folding catches what the locale's lower-casing leaves apart.
    const QLocale locale = Localization::locale();
    const QString lowerNeedle = locale.toLower(needle);
    QList<SettingsPage> pages;
    for (SettingsPage page : SettingsPages::all()) {
        const QString title = SettingsPages::title(page);
        if (locale.toLower(title).contains(lowerNeedle) || title.contains(needle, Qt::CaseInsensitive))
            pages.append(page);
    }
    return pages;
}

} // namespace karvo
