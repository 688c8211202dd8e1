// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppDelegate.h"
#include "AppearanceStore.h"
#include "FirstPaintWatcher.h"
#include "FontConfigWarmUp.h"
#include "LanguageStore.h"
#include "Localization.h"
#include "MediaBackend.h"
#include "SingleInstance.h"
#include "ToolWindowsModule.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTextStream>
#include <QTimer>

using namespace karvo;

int main(int argc, char** argv)
{
    // Before any media player exists (they come with the tool windows module), while the program is still
    // alone: the FFmpeg backend previews everything Karvo converts.
    MediaBackend::selectDefault();
    // Meanwhile fontconfig loads on a thread of its own; it must come after the environment is settled.
    FontConfigWarmUp fonts;
    QApplication::setApplicationName(QStringLiteral("Karvo"));
    QApplication::setApplicationVersion(QStringLiteral(KARVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessvane.Karvo"));
    QApplication app(argc, argv);
    // Light, dark or the desktop's own look, in force before anything is drawn.
    AppearanceStore::shared().applyCurrent();
    QApplication::setQuitOnLastWindowClosed(false);
    // The stored interface language, its direction and its number format are in force before the first
    // window is made.
    QGuiApplication::setLayoutDirection(LanguageStore::shared().layoutDirection());
    QLocale::setDefault(LanguageStore::localeFor(LanguageStore::shared().resolvedCode()));

    const QStringList files = SingleInstance::absolutePaths(app.arguments().mid(1), QDir::currentPath());
    SingleInstance instance;
    switch (instance.start(files)) {
    case SingleInstance::Role::forwarded:
        return 0;
    case SingleInstance::Role::failed:
        QTextStream(stderr) << L("Karvo is already running but does not answer; try again in a moment.") << '\n';
        return 1;
    case SingleInstance::Role::primary:
        break;
    }

    fonts.wait();
    AppDelegate delegate;
    QObject::connect(&instance, &SingleInstance::activated, &delegate, [&delegate](const QStringList& opened) {
        if (opened.isEmpty())
            delegate.showMainWindow();
        else
            delegate.openFiles(opened);
    });
    // For the start-up benchmark: one line on standard error when the first window paints. The window is made
    // during launch, so the watcher is there from before it exists.
    std::unique_ptr<FirstPaintWatcher> firstPaint;
    if (qEnvironmentVariableIsSet("KARVO_REPORT_FIRST_PAINT"))
        firstPaint = std::make_unique<FirstPaintWatcher>([] { QTextStream(stderr) << "KV: first paint" << Qt::endl; });
    delegate.launch();
    if (!files.isEmpty())
        delegate.openFiles(files);
    // For start-up checks: the tool windows module, loaded the way the first tool window loads it.
    if (qEnvironmentVariableIsSet("KARVO_LOAD_TOOL_WINDOWS")) {
        const ToolWindowsModule::Loaded loaded = ToolWindowsModule::load();
        QTextStream(stderr) << (loaded.functions ? QStringLiteral("KV: tool windows loaded")
                                                 : QStringLiteral("KV: tool windows not loaded: ") + loaded.error)
                            << Qt::endl;
    }
    // For start-up checks: a full launch, then an orderly quit.
    if (qEnvironmentVariableIsSet("KARVO_QUIT_AFTER_LAUNCH"))
        QTimer::singleShot(0, &delegate, [&delegate] { delegate.quitWithoutAsking(); });

    const int status = QApplication::exec();
    delegate.finishShutdown();
    return status;
}
