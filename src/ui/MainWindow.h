// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "PendingDrop.h"
#include "SettingsContext.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace karvo {

class XdndCopyFilter;

class FeaturesView;
class HomeView;
class HoverRowButton;
class OnboardingView;
class SettingsView;

// Which screen fills the window.
enum class RootMode { onboarding, main, settings };
// The selected sidebar row of the main screen.
enum class MainTab { home, features };

// Karvo's window: a sidebar (Home, All Features) beside the selected screen. Files dropped on it or opened with Karvo
// become a pending drop for which the user picks an action; a chosen file goes straight to routing with the action it
// was chosen for. Closing the window only hides it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    using RouteDrop = std::function<void(const QStringList& paths, const RadialAction& action)>;
    // Returns the chosen files, in the chooser's order; empty when cancelled.
    using FileChooser = std::function<QStringList(const QStringList& nameFilters)>;

    explicit MainWindow(QWidget* parent = nullptr);

    ~MainWindow() override;

    void setRouteDrop(RouteDrop routeDrop) { m_routeDrop = std::move(routeDrop); }
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    // Shows, raises and activates the window, with its title in the current language.
    void present();

    // The one way files reach the window. Supported files become the pending drop (replacing any
    // earlier one); when none is supported everything goes to routing, which says what is wrong.
    void presentPending(const QStringList& paths);
    // The files of a drop or a paste: local file URLs only, in order.
    static QStringList localFiles(const QList<QUrl>& urls);
    void chooseFile(const RadialAction& action);
    // A chip: the pending drop is cleared, then routed with `action`.
    void choose(const RadialAction& action);
    void cancelPending();

    const std::optional<PendingDrop>& pending() const { return m_pending; }
    HomeView* home() const { return m_home; }
    // Built on first use.
    FeaturesView* features();
    QListWidget* sidebar() const { return m_sidebar; }
    MainTab tab() const { return m_tab; }
    void setTab(MainTab tab);
    HoverRowButton* settingsRow() const { return m_settingsRow; }

    // First start (until onboarding has been completed once) shows onboarding; then the main screen.
    RootMode mode() const { return m_mode; }
    void showMainScreen();
    // A fresh settings screen on its first page.
    void showSettings();
    // Onboarding from its first page, as on first start ("Replay demo").
    void showOnboarding();
    SettingsView* settings() const { return m_settings; }
    OnboardingView* onboarding() const { return m_onboarding; }
    // What the settings screen needs from the program: the folder chooser and the version it shows.
    void setFolderChooser(SettingsContext::FolderChooser chooser) { m_folderChooser = std::move(chooser); }
    void setVersion(const QString& version, const QString& buildId);
    QAction* chooseFileAction() const { return m_chooseAction; }
    // Looks for ffmpeg and ffprobe again, e.g. when the user comes back after installing them.
    void refreshToolStatus();
    // Builds the content afresh in the current language; the pending drop stays.
    void rebuildContent();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildContent();
    QWidget* buildSidebar(QWidget* parent);
    void route(const QStringList& paths, const RadialAction& action);
    void setMode(RootMode mode);

    QStackedWidget* m_root = nullptr;
    QWidget* m_mainScreen = nullptr;
    SettingsView* m_settings = nullptr;
    OnboardingView* m_onboarding = nullptr;
    HoverRowButton* m_settingsRow = nullptr;
    RootMode m_mode = RootMode::main;
    SettingsContext::FolderChooser m_folderChooser;
    QString m_version;
    QString m_buildId;
    HomeView* m_home = nullptr;
    FeaturesView* m_features = nullptr;
    QListWidget* m_sidebar = nullptr;
    QStackedWidget* m_detail = nullptr;
    MainTab m_tab = MainTab::home;
    QAction* m_chooseAction = nullptr;
    std::optional<PendingDrop> m_pending;
    RouteDrop m_routeDrop;
    FileChooser m_chooser;
    // Shift-drags from file managers propose only Move; the window answers Copy all the same.
    std::unique_ptr<XdndCopyFilter> m_copyDrops;
};

} // namespace karvo
