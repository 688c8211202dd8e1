// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppDelegate.h"

#include "AboutBox.h"
#include "AppIcon.h"
#include "AppearanceStore.h"
#include "BackgroundRemover.h"
#include "DragHotkeyMonitor.h"
#include "DragMonitor.h"
#include "DropAlerts.h"
#include "DropEntry.h"
#include "FirstPaintWatcher.h"
#include "FolderChooserPrompt.h"
#include "LanguageStore.h"
#include "LaunchLog.h"
#include "Localization.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "Preferences.h"
#include "ProgressHook.h"
#include "QuickDragController.h"
#include "QuitSignals.h"
#include "RadialMenuWindow.h"
#include "SettingsDefaults.h"
#include "StatusBarController.h"
#include "TaskManager.h"
#include "ToolWindows.h"
#include "ToolWindowsLoader.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace karvo {

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent), m_dropEntry(std::make_unique<DropEntry>()),
      m_dragMonitor(std::make_unique<DragHotkeyMonitor>(DragMonitor::create(),
                                                        [](RadialMenuMode mode, DropKind kind) -> RadialMenu* {
                                                            // Frees itself once closed.
                                                            return new RadialMenuWindow(
                                                                mode, kind, BackgroundRemover::seemsInstalled());
                                                        })),
      m_signals(std::make_unique<QuitSignals>())
{
    m_dragMonitor->onDrop = [this](const QList<QUrl>& files, RadialAction action) {
        QStringList paths;
        for (const QUrl& url : files)
            paths.append(url.toLocalFile());
        routeDrop(paths, action);
    };
    m_confirmQuit = &AppDelegate::askStopAndQuit;
    m_terminate = [] {
        QCoreApplication::quit();
    };
    connect(m_signals.get(), &QuitSignals::received, this, [this] { quitWithoutAsking(); });
    // The session is ending: no one is there to answer a question.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { quitWithoutAsking(); });

    TaskManager::shared().setFolderPrompt(std::make_shared<FolderChooserPrompt>());
    if (!ToolWindows::shared().presenter()) {
        ToolServices services;
        services.alert = [](const DropError& e) {
            DropAlerts::present(e.title, e.message);
        };
        services.reload = [] {
            ProgressHook::reload();
        };
        // The windows, their video preview and Qt Multimedia load with the first tool window.
        ToolWindows::shared().setPresenter(std::make_shared<ToolWindowsLoader>(services));
    }
}

AppDelegate::~AppDelegate()
{
    // Stopping a monitor that never started does nothing; a running one must not outlive its owner.
    m_dragMonitor->stop();
}

void AppDelegate::launch()
{
    LaunchLog::write("didFinishLaunching begin");
    rebuildMainMenu();
    connect(
        &LanguageStore::shared(), &LanguageStore::languageChanged, this, [this] { applyLanguage(); },
        Qt::QueuedConnection);
    // Tinted glyphs and painted cards are made from the palette: a new appearance rebuilds the window.
    connect(
        &AppearanceStore::shared(), &AppearanceStore::appearanceChanged, this,
        [this] {
            if (m_mainWindow)
                m_mainWindow->rebuildContent();
        },
        Qt::QueuedConnection);
    m_statusBar = std::make_unique<StatusBarController>([this] { showMainWindow(); }, [this] { showSettings(); },
                                                        [this] { requestQuit(); });
    m_statusBar->setStatusLine([] {
        QuickDragController& quickDrag = QuickDragController::shared();
        quickDrag.reconcile();
        return quickDrag.summary();
    });
    LaunchLog::write("status bar ok");
    QuickDragController& quickDrag = QuickDragController::shared();
    QPointer<AppDelegate> self(this);
    if (!quickDrag.hasMonitorCallbacks())
        quickDrag.setMonitorCallbacks([self] { return self && self->m_dragMonitor->start(); },
                                      [self] {
                                          if (self)
                                              self->m_dragMonitor->stop();
                                      },
                                      [self] { return self ? self->m_dragMonitor->failureSummary() : QString(); });
    quickDrag.reconcile();
    LaunchLog::write("monitor ok");
    // The next turn after the first paint: the picture is flushed to the screen by then.
    m_firstPaint = std::make_unique<FirstPaintWatcher>([this] {
        QMetaObject::invokeMethod(
            this, [this] { finishLaunch(); }, Qt::QueuedConnection);
    });
    showMainWindow();
    LaunchLog::write("window shown");
}

void AppDelegate::finishLaunch()
{
    if (!m_firstPaint)
        return; // not launched, or done already
    m_firstPaint.reset();
    // Looking the icon up in the icon theme reads the theme's index files; set now, it reaches the open window.
    QApplication::setWindowIcon(AppIcon::themed());
    if (m_statusBar)
        m_statusBar->showIcon();
}

void AppDelegate::applyLanguage()
{
    // Arabic and Persian lay everything out right to left; Qt's own widgets format numbers in the
    // language's locale; the progress panel and other views re-read their texts on LanguageChange.
    QGuiApplication::setLayoutDirection(LanguageStore::shared().layoutDirection());
    QLocale::setDefault(LanguageStore::localeFor(LanguageStore::shared().resolvedCode()));
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(qApp, &change);
    rebuildMainMenu();
    if (m_mainWindow)
        m_mainWindow->rebuildContent();
    if (m_statusBar)
        m_statusBar->refreshToolTip();
}

void AppDelegate::showMainWindow()
{
    if (!m_mainWindow) {
        m_mainWindow = std::make_unique<MainWindow>();
        m_mainWindow->setRouteDrop(
            [this](const QStringList& paths, const RadialAction& action) { routeDrop(paths, action); });
        m_mainWindow->setVersion(QStringLiteral(KARVO_VERSION), QStringLiteral(KARVO_BUILD_ID));
        m_mainWindow->setFolderChooser(
            [prompt = std::make_shared<FolderChooserPrompt>()](const QString& title, const QString& message) {
                return prompt->chooseFolder(title, message);
            });
        rebuildMainMenu();
    }
    m_mainWindow->present();
}

void AppDelegate::showSettings()
{
    showMainWindow();
    // Next turn: a menu or tray click that led here has finished with its widgets.
    QTimer::singleShot(0, this, [window = QPointer<MainWindow>(m_mainWindow.get())] {
        if (window)
            window->showSettings();
    });
}

void AppDelegate::rebuildMainMenu()
{
    if (!m_mainWindow)
        return;
    MainMenu::build(*m_mainWindow->menuBar(),
                    {[this] { AboutBox::show(m_mainWindow.get()); }, [this] { showSettings(); },
                     [this] {
                         requestQuit();
                     }});
}

void AppDelegate::openFiles(const QStringList& paths)
{
    // Someone who opens files with Karvo already knows what it is for.
    if (!Preferences::value(QString::fromLatin1(SettingsDefaults::onboardingDoneKey)).toBool())
        Preferences::setValue(QString::fromLatin1(SettingsDefaults::onboardingDoneKey), true);
    showMainWindow();
    QPointer<MainWindow> window(m_mainWindow.get());
    QTimer::singleShot(0, this, [window, paths] {
        if (window)
            window->presentPending(paths);
    });
}

void AppDelegate::routeDrop(const QStringList& paths, const RadialAction& action)
{
    m_dropEntry->routeDrop(paths, action);
}

bool AppDelegate::hasUnfinishedTasks() const
{
    const QList<TaskPtr> tasks = TaskManager::shared().tasks();
    return std::any_of(tasks.cbegin(), tasks.cend(), [](const TaskPtr& task) {
        const ConversionTask::Status status = task->status();
        return status == ConversionTask::Status::queued || status == ConversionTask::Status::running;
    });
}

void AppDelegate::requestQuit()
{
    if (m_quitting)
        return;
    if (hasUnfinishedTasks() && !m_confirmQuit())
        return;
    // A signal may have started the shutdown while the question was open.
    if (!m_quitting)
        beginShutdown();
}

void AppDelegate::quitWithoutAsking()
{
    if (m_quitting)
        return;
    beginShutdown();
}

void AppDelegate::beginShutdown()
{
    m_quitting = true;
    QPointer<AppDelegate> self(this);
    TaskManager::shared().shutdown([self] {
        if (!self)
            return;
        self->m_shutDown = true;
        if (!self->m_finishing)
            self->m_terminate();
    });
}

void AppDelegate::finishShutdown()
{
    m_finishing = true;
    if (!m_quitting)
        beginShutdown();
    // The event loop has ended, but the completion arrives as an event of its own.
    while (!m_shutDown)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool AppDelegate::askStopAndQuit()
{
    QMessageBox box(QMessageBox::Warning, L("Stop tasks and quit?"), L("Stop tasks and quit?"), QMessageBox::NoButton);
    box.setInformativeText(L("Unfinished tasks will be cancelled. Completed files will be kept."));
    QPushButton* keep = box.addButton(L("Keep Working"), QMessageBox::RejectRole);
    QPushButton* stop = box.addButton(L("Stop and Quit"), QMessageBox::DestructiveRole);
    keep->setAccessibleName(L("Keep Working"));
    stop->setAccessibleName(L("Stop and Quit"));
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == stop;
}

} // namespace karvo
