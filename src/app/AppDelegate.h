// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

namespace karvo {

class DragHotkeyMonitor;
class DropEntry;
class FirstPaintWatcher;
class MainWindow;
class QuitSignals;
class StatusBarController;

// The desktop program's controller: launches the tray, menus and main window, takes files opened with
// Karvo, routes drops, and quits only through the task manager's orderly shutdown.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    // The launch sequence, with its four lines on standard error. What the first picture of the window does not
    // need (the window manager's icon, the tray icon) follows once the window has painted.
    void launch();
    // That second part; runs once, on its own after the first paint or when called.
    void finishLaunch();

    void showMainWindow();
    // The main window on its settings screen.
    void showSettings();
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    StatusBarController* statusBar() const { return m_statusBar.get(); }
    DropEntry& dropEntry() { return *m_dropEntry; }
    DragHotkeyMonitor& dragMonitor() { return *m_dragMonitor; }

    // Files handed over by the system or by a second start: they become the window's pending drop.
    void openFiles(const QStringList& paths);
    void routeDrop(const QStringList& paths, const RadialAction& action);

    // Menu, tray and Ctrl+Q: asks first when a task is queued or running.
    void requestQuit();
    // Signals and the session's end: no question.
    void quitWithoutAsking();
    // After the event loop has ended for any reason: makes sure the shutdown ran to its end.
    void finishShutdown();
    bool isQuitting() const { return m_quitting; }
    bool hasShutDown() const { return m_shutDown; }

    bool hasUnfinishedTasks() const;
    // Seams: the "Stop tasks and quit?" question (true = stop and quit) and the final exit.
    void setConfirmQuit(std::function<bool()> confirm) { m_confirmQuit = std::move(confirm); }
    void setTerminate(std::function<void()> terminate) { m_terminate = std::move(terminate); }

    void rebuildMainMenu();
    // Menus, window content and tray texts in the language just chosen.
    void applyLanguage();

private:
    void beginShutdown();
    static bool askStopAndQuit();

    std::unique_ptr<DropEntry> m_dropEntry;
    std::unique_ptr<DragHotkeyMonitor> m_dragMonitor;
    std::unique_ptr<StatusBarController> m_statusBar;
    std::unique_ptr<QuitSignals> m_signals;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<FirstPaintWatcher> m_firstPaint; // from launch until its second part has run
    std::function<bool()> m_confirmQuit;
    std::function<void()> m_terminate;
    bool m_quitting = false;
    bool m_shutDown = false;
    bool m_finishing = false;
};

} // namespace karvo
