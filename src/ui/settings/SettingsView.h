// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsContext.h"
#include "SettingsPages.h"

#include <QWidget>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;

namespace karvo {

class SettingsDetail;

// The settings screen inside the main window: a sidebar (Back, a search over the page titles, the page
// list) beside the selected page. It starts on General with an empty search; selection and search live
// only as long as the view, so the owner makes a fresh one whenever settings are entered or the
// language or appearance changed.
class SettingsView : public QWidget {
public:
    explicit SettingsView(SettingsContext context, QWidget* parent = nullptr);

    SettingsPage page() const { return m_page; }
    QString query() const { return m_query; }
    // The pages the list shows for the current search.
    QList<SettingsPage> listedPages() const { return m_listed; }

    // As if typed into the search field: filters the list, leaves the shown page alone.
    void setQuery(const QString& query);
    // As if picked in the list: shows the page, made afresh.
    void selectPage(SettingsPage page);

    QAbstractButton* backButton() const { return m_back; }
    QLineEdit* searchField() const { return m_search; }
    QListWidget* pageList() const { return m_list; }
    QLabel* noResultsLabel() const { return m_noResults; }
    SettingsDetail* detail() const { return m_detail; }

private:
    QWidget* buildSidebar();
    void fillList();
    void showDetail();

    SettingsContext m_context;
    SettingsPage m_page = SettingsPage::general;
    QString m_query;
    QList<SettingsPage> m_listed;
    QAbstractButton* m_back = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_noResults = nullptr;
    QScrollArea* m_detailScroll = nullptr;
    SettingsDetail* m_detail = nullptr;
};

} // namespace karvo
