// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsContext.h"
#include "SettingsPages.h"

#include <QWidget>

namespace karvo {

// One settings page: its header (symbol tile, title, subtitle; none for About) over its content.
// Made afresh on every selection, so the pages show what is stored now.
class SettingsDetail : public QWidget {
public:
    SettingsDetail(SettingsPage page, const SettingsContext& context, QWidget* parent = nullptr);

    SettingsPage page() const { return m_page; }
    // The page's content: GeneralSettingsTab, DefaultsSettingsTab, OutputSettingsTab, PrivacySettingsTab
    // or AboutSettingsTab.
    QWidget* content() const { return m_content; }

private:
    SettingsPage m_page;
    QWidget* m_content = nullptr;
};

} // namespace karvo
