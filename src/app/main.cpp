// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppDelegate.h"
#include "AppearanceStore.h"
#include "LanguageStore.h"
#include "Localization.h"
#include "MediaBackend.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QTextStream>
#include <QTimer>

using namespace karvo;

namespace {

// For the start-up benchmark: one line on standard error when the first window paints, then the filter
// removes itself.
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            QTextStream(stderr) << "KV: first paint" << Qt::endl;
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    // Before any media player exists: the FFmpeg backend previews everything Karvo converts.
    MediaBackend::selectDefault();
    QApplication::setApplicationName(QStringLiteral("Karvo"));
    QApplication::setApplicationVersion(QStringLiteral(KARVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessvane.Karvo"));
    QApplication app(argc, argv);
    // Light, dark or the desktop's own look, in force before anything is drawn.
    AppearanceStore::shared().applyCurrent();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.tessvane.Karvo"),
                                                 QIcon(QStringLiteral(":/karvo/org.tessvane.Karvo.svg"))));
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

    AppDelegate delegate;
    QObject::connect(&instance, &SingleInstance::activated, &delegate, [&delegate](const QStringList& opened) {
        if (opened.isEmpty())
            delegate.showMainWindow();
        else
            delegate.openFiles(opened);
    });
    // The window is made during launch, so the reporter watches every paint from before it exists.
    FirstPaintReporter firstPaint;
    if (qEnvironmentVariableIsSet("KARVO_REPORT_FIRST_PAINT"))
        app.installEventFilter(&firstPaint);
    delegate.launch();
    if (!files.isEmpty())
        delegate.openFiles(files);
    // For start-up checks: a full launch, then an orderly quit.
    if (qEnvironmentVariableIsSet("KARVO_QUIT_AFTER_LAUNCH"))
        QTimer::singleShot(0, &delegate, [&delegate] { delegate.quitWithoutAsking(); });

    const int status = QApplication::exec();
    delegate.finishShutdown();
    return status;
}
