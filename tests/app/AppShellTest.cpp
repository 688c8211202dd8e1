// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActionPicker.h"
#include "AppDelegate.h"
#include "DropEntry.h"
#include "EventLoop.h"
#include "FolderChooserPrompt.h"
#include "HomeView.h"
#include "LanguageStore.h"
#include "MainWindow.h"
#include "OutputLocation.h"
#include "Preferences.h"
#include "QuickDragController.h"
#include "SettingsDefaults.h"
#include "SingleInstance.h"
#include "StatusBarController.h"
#include "TaskManager.h"
#include "TestMedia.h"
#include "TrayHost.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace karvo;

namespace {

const QString kKarvo = QStringLiteral(KARVO_EXECUTABLE);

// The ffmpeg processes this test process started, read from /proc.
QList<int> ffmpegChildren()
{
    QList<int> children;
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        bool isPid = false;
        const int pid = it.next().section(u'/', -1).toInt(&isPid);
        if (!isPid)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const qsizetype close = text.lastIndexOf(')');
        const QByteArray name = text.mid(text.indexOf('(') + 1, close - text.indexOf('(') - 1);
        const QList<QByteArray> fields = text.mid(close + 2).split(' ');
        if (name == "ffmpeg" && fields.size() > 1 && fields[1].toInt() == ::getpid())
            children << pid;
    }
    return children;
}

QStringList stagingFolders(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral(".tessvane-*")}, QDir::AllEntries | QDir::Hidden);
}

QStringList launchLines(const QByteArray& stderrBytes)
{
    QStringList lines;
    for (const QByteArray& line : stderrBytes.split('\n')) {
        if (line.startsWith("KV: "))
            lines << QString::fromUtf8(line);
    }
    return lines;
}

const QStringList kLaunchLines{"KV: didFinishLaunching begin", "KV: status bar ok", "KV: monitor ok",
                               "KV: window shown"};

// A copy of a test clip in a folder of the test's own, so outputs land where the test can look.
QString copyInto(const QString& folder, const QString& source, const QString& name)
{
    const QString target = QDir(folder).filePath(name);
    EXPECT_TRUE(QFile::copy(source, target));
    return target;
}

class AppDelegateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        delegate.setConfirmQuit([this] {
            ++questions;
            return answer;
        });
        delegate.setTerminate([this] { ++terminated; });
    }

    QTemporaryDir dir;
    AppDelegate delegate;
    int questions = 0;
    bool answer = false;
    int terminated = 0;
};

} // namespace

TEST_F(AppDelegateTest, QuittingWithNothingToDoAsksNothingAndShutsDown)
{
    delegate.requestQuit();
    EXPECT_EQ(questions, 0);
    EXPECT_TRUE(delegate.isQuitting());
    test::waitFor([&] { return terminated == 1; }, 10000);
    EXPECT_EQ(terminated, 1);
    EXPECT_TRUE(delegate.hasShutDown());
    EXPECT_TRUE(TaskManager::shared().isShuttingDown());
}

TEST_F(AppDelegateTest, UnfinishedTasksNeedTheUsersWordToQuit)
{
    const QString input = copyInto(dir.path(), test::TestMedia::clip(20.0, 1280, 720), "long.mp4");
    const TaskPtr task = TaskManager::shared().enqueue(input, ConversionOp::compress(28));
    ASSERT_TRUE(task);

    answer = false; // "Keep Working"
    delegate.requestQuit();
    EXPECT_EQ(questions, 1);
    EXPECT_FALSE(delegate.isQuitting());
    EXPECT_TRUE(task->isActive());

    answer = true; // "Stop and Quit"
    delegate.requestQuit();
    EXPECT_EQ(questions, 2);
    test::waitFor([&] { return terminated == 1; }, 60000);
    EXPECT_EQ(terminated, 1);
    EXPECT_EQ(task->status(), ConversionTask::Status::cancelled);
    EXPECT_EQ(stagingFolders(dir.path()), QStringList());
}

TEST_F(AppDelegateTest, SigtermDuringAConversionLeavesNothingBehind)
{
    const QString input = copyInto(dir.path(), test::TestMedia::clip(20.0, 1280, 720), "long.mp4");
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    // A GIF of 20 s of 720p takes long enough to be caught running.
    delegate.routeDrop({input}, RadialAction::format(OutputFormat::gif));
    ASSERT_TRUE(test::waitFor([] { return !ffmpegChildren().isEmpty(); }, 60000));
    const QList<TaskPtr> tasks = TaskManager::shared().tasks();
    ASSERT_EQ(tasks.size(), 1);
    EXPECT_EQ(tasks[0]->status(), ConversionTask::Status::running);

    ::kill(::getpid(), SIGTERM);
    ASSERT_TRUE(test::waitFor([&] { return terminated == 1; }, 60000));
    EXPECT_EQ(questions, 0); // a signal asks nothing
    EXPECT_EQ(tasks[0]->status(), ConversionTask::Status::cancelled);
    EXPECT_EQ(ffmpegChildren(), QList<int>());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
}

TEST_F(AppDelegateTest, LaunchShowsTheWindowAndOpenedFilesArriveAsAPendingDrop)
{
    delegate.launch();
    ASSERT_TRUE(delegate.mainWindow());
    EXPECT_TRUE(delegate.mainWindow()->isVisible());
    ASSERT_TRUE(delegate.statusBar());

    Preferences::remove(QString::fromLatin1(SettingsDefaults::onboardingDoneKey));
    delegate.mainWindow()->close();
    delegate.openFiles({dir.filePath("a.mp4"), dir.filePath("b.mov")});
    EXPECT_TRUE(delegate.mainWindow()->isVisible()); // closed windows come back
    EXPECT_EQ(Preferences::value(QString::fromLatin1(SettingsDefaults::onboardingDoneKey)), QVariant(true));
    test::waitFor([&] { return delegate.mainWindow()->pending().has_value(); }, 5000);
    ASSERT_TRUE(delegate.mainWindow()->pending());
    EXPECT_EQ(delegate.mainWindow()->pending()->paths, (QStringList{dir.filePath("a.mp4"), dir.filePath("b.mov")}));
}

TEST_F(AppDelegateTest, TheWindowManagersIconAndTheTrayIconFollowTheFirstPaint)
{
    ASSERT_TRUE(QApplication::windowIcon().isNull());
    delegate.launch();
    TrayHost& tray = delegate.statusBar()->tray();
    // Launch itself leaves them for later: the window's first picture does not need them.
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    EXPECT_FALSE(tray.isVisible());
    ASSERT_TRUE(test::waitFor([&] { return !QApplication::windowIcon().isNull(); }, 10000));
    EXPECT_TRUE(tray.isVisible());
    // The home header drew the shipped icon meanwhile; the window icon that came later is the same picture.
    const QImage shipped = QIcon(QStringLiteral(":/karvo/org.tessvane.Karvo.svg")).pixmap(48, 48).toImage();
    EXPECT_FALSE(shipped.isNull());
    EXPECT_EQ(QApplication::windowIcon().pixmap(48, 48).toImage().convertToFormat(shipped.format()), shipped);

    // Once only: a later call changes nothing.
    delegate.finishLaunch();
    EXPECT_TRUE(tray.isVisible());
}

TEST_F(AppDelegateTest, TrayMenuIsBuiltAfreshEachTimeWithTheQuickDragLine)
{
    delegate.launch();
    TrayHost& tray = delegate.statusBar()->tray();
    tray.rebuildMenu();
    tray.rebuildMenu();
    QStringList texts;
    for (QAction* action : tray.menu().actions())
        texts << (action->isSeparator() ? QStringLiteral("---") : action->text());
    // Quick Drag was never switched on: its status line says it is off, greyed out.
    EXPECT_EQ(texts, (QStringList{"Open Karvo", "Quick Drag is off — drag files into the window to process them",
                                  "Settings…", "---", "Quit Karvo"}));
    EXPECT_FALSE(tray.menu().actions()[1]->isEnabled());

    // Switched on where no monitor can run (the offscreen test session): the line says so.
    QuickDragController::shared().setEnabledByUser(true);
    tray.rebuildMenu();
    EXPECT_EQ(tray.menu().actions()[1]->text(), QStringLiteral("Quick Drag could not start. Try again."));

    delegate.mainWindow()->close();
    tray.menu().actions().first()->trigger();
    EXPECT_TRUE(delegate.mainWindow()->isVisible());
    // Settings… brings the window forward on its settings screen.
    delegate.mainWindow()->close();
    tray.menu().actions()[2]->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(delegate.mainWindow()->isVisible());
    EXPECT_EQ(delegate.mainWindow()->mode(), RootMode::settings);
    tray.menu().actions().last()->trigger();
    EXPECT_TRUE(delegate.isQuitting());
}

TEST_F(AppDelegateTest, MainMenuUsesCtrlAndQuitsThroughTheConfirmation)
{
    delegate.launch();
    QMenuBar* bar = delegate.mainWindow()->menuBar();
    QStringList menus;
    QHash<QString, QAction*> items;
    for (QAction* menu : bar->actions()) {
        menus << menu->text();
        for (QAction* item : menu->menu()->actions())
            if (!item->isSeparator())
                items.insert(item->text(), item);
    }
    EXPECT_EQ(menus, (QStringList{"Karvo", "File", "Edit"}));
    ASSERT_TRUE(items.contains("About Karvo") && items.contains("Settings…") && items.contains("Quit Karvo") &&
                items.contains("Redo"));
    EXPECT_EQ(items["Settings…"]->shortcut(), QKeySequence(QStringLiteral("Ctrl+,")));
    EXPECT_EQ(items["Quit Karvo"]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(items["Redo"]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    EXPECT_EQ(items["Close"]->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));

    delegate.rebuildMainMenu(); // rebuilt, not appended to
    EXPECT_EQ(bar->actions().size(), 3);

    items["Quit Karvo"]->trigger();
    EXPECT_TRUE(delegate.isQuitting());
    test::waitFor([&] { return terminated == 1; }, 10000);
    EXPECT_EQ(terminated, 1);
}

TEST_F(AppDelegateTest, ALanguageChangeRebuildsTheWindowAndKeepsThePendingDrop)
{
    delegate.launch();
    MainWindow* window = delegate.mainWindow();
    window->presentPending({dir.filePath("a.mp4")});
    const HomeView* before = window->home();
    emit LanguageStore::shared().languageChanged();
    // The rebuild waits for the next turn: the language picker that caused it may still be on the stack.
    EXPECT_EQ(window->home(), before);
    QCoreApplication::processEvents();
    EXPECT_NE(window->home(), before);
    ASSERT_TRUE(window->pending());
    EXPECT_TRUE(window->home()->isShowingPicker());
    EXPECT_EQ(window->home()->picker()->chipButtons().size(), 14);
    EXPECT_EQ(window->menuBar()->actions().size(), 3);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Karvo"));
}

TEST(FolderChooserPrompt, RemembersTheChosenFolder)
{
    QTemporaryDir dir;
    QString titleShown;
    FolderChooserPrompt prompt([&](const QString& title) {
        titleShown = title;
        return dir.path();
    });
    const auto chosen = prompt.chooseFolder("Choose a folder for converted files",
                                            "Karvo couldn't save next to the original. Choose a folder for the "
                                            "converted files.");
    EXPECT_EQ(chosen, QDir(dir.path()).absolutePath());
    EXPECT_EQ(titleShown,
              QStringLiteral("Karvo couldn't save next to the original. Choose a folder for the converted files."));
    EXPECT_EQ(OutputLocation::bookmarkedDirectory(), QDir(dir.path()).absolutePath());

    OutputLocation::clearBookmark();
    FolderChooserPrompt cancelled([](const QString&) { return QString(); });
    EXPECT_EQ(cancelled.chooseFolder("t", "m"), std::nullopt);
    EXPECT_EQ(OutputLocation::bookmarkedDirectory(), std::nullopt);
}

TEST(KarvoProcess, WritesTheFourLaunchLinesInOrder)
{
    QProcess karvo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KARVO_QUIT_AFTER_LAUNCH"), QStringLiteral("1"));
    karvo.setProcessEnvironment(env);
    karvo.start(kKarvo, {});
    ASSERT_TRUE(karvo.waitForFinished(30000));
    EXPECT_EQ(karvo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(karvo.exitCode(), 0);
    EXPECT_EQ(launchLines(karvo.readAllStandardError()), kLaunchLines);
}

TEST(KarvoProcess, AStaleSocketDoesNotStopTheNextStart)
{
    const QByteArray path = QFile::encodeName(SingleInstance::socketName());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd); // bound and never listened on: what a killed instance leaves

    QProcess karvo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KARVO_QUIT_AFTER_LAUNCH"), QStringLiteral("1"));
    karvo.setProcessEnvironment(env);
    karvo.start(kKarvo, {});
    ASSERT_TRUE(karvo.waitForFinished(30000));
    EXPECT_EQ(karvo.exitCode(), 0);
    EXPECT_EQ(launchLines(karvo.readAllStandardError()), kLaunchLines);
}

TEST(KarvoProcess, ASecondStartHandsItsFilesToTheRunningInstance)
{
    QTemporaryDir dir;
    AppDelegate delegate;
    SingleInstance running;
    ASSERT_EQ(running.start({}), SingleInstance::Role::primary);
    int shows = 0;
    QObject::connect(&running, &SingleInstance::activated, &delegate, [&](const QStringList& files) {
        if (files.isEmpty()) {
            ++shows;
            delegate.showMainWindow();
        } else {
            delegate.openFiles(files);
        }
    });

    QProcess second;
    second.setWorkingDirectory(dir.path());
    second.start(kKarvo, {QStringLiteral("clip one.mp4"), QStringLiteral("photo.png")});
    ASSERT_TRUE(test::waitFor([&] { return second.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(launchLines(second.readAllStandardError()), QStringList()); // it never launched
    test::waitFor([&] { return delegate.mainWindow() && delegate.mainWindow()->pending(); }, 5000);
    ASSERT_TRUE(delegate.mainWindow() && delegate.mainWindow()->pending());
    EXPECT_EQ(delegate.mainWindow()->pending()->paths,
              (QStringList{dir.filePath("clip one.mp4"), dir.filePath("photo.png")}));

    QProcess plain;
    plain.start(kKarvo, {});
    ASSERT_TRUE(test::waitFor([&] { return plain.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(plain.exitCode(), 0);
    EXPECT_EQ(shows, 1);
}

// Start-up loads only what the window needs: libvips and OpenCV come later, with the image module.
TEST(KarvoProcess, StartsWithoutTheImageLibraries)
{
    const QByteArray headers =
        test::TestMedia::run(QStringLiteral("objdump"), {"-p", QStringLiteral(KARVO_EXECUTABLE)});
    ASSERT_TRUE(headers.contains("NEEDED"));
    EXPECT_FALSE(headers.contains("libvips"));
    EXPECT_FALSE(headers.contains("libopencv"));
}

// Nor Qt Multimedia: the tool windows and their video preview bring it, from a module loaded with the first
// tool window, which must find everything else it uses in the program itself.
TEST(KarvoProcess, StartsWithoutQtMultimediaAndLoadsItWithTheToolWindows)
{
    const QByteArray headers =
        test::TestMedia::run(QStringLiteral("objdump"), {"-p", QStringLiteral(KARVO_EXECUTABLE)});
    ASSERT_TRUE(headers.contains("NEEDED"));
    EXPECT_FALSE(headers.contains("libQt6Multimedia"));
    EXPECT_FALSE(headers.contains("libpulse"));
    EXPECT_TRUE(test::TestMedia::run(QStringLiteral("objdump"), {"-p", QStringLiteral(KARVO_TOOLWINDOWS_MODULE)})
                    .contains("libQt6Multimedia"));

    QProcess karvo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KARVO_QUIT_AFTER_LAUNCH"), QStringLiteral("1"));
    env.insert(QStringLiteral("KARVO_LOAD_TOOL_WINDOWS"), QStringLiteral("1"));
    karvo.setProcessEnvironment(env);
    karvo.start(kKarvo, {});
    ASSERT_TRUE(karvo.waitForFinished(30000));
    EXPECT_EQ(karvo.exitCode(), 0);
    const QByteArray errors = karvo.readAllStandardError();
    EXPECT_EQ(launchLines(errors), kLaunchLines + QStringList{"KV: tool windows loaded"}) << errors.toStdString();
}

TEST(DesktopEntry, ValidatesAndNamesEveryKindOfMedia)
{
    QProcess validate;
    validate.start(QStringLiteral("desktop-file-validate"), {QStringLiteral(KARVO_DESKTOP_FILE)});
    ASSERT_TRUE(validate.waitForFinished(30000)) << "desktop-file-validate (desktop-file-utils) is needed";
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
    EXPECT_EQ(validate.readAllStandardOutput(), QByteArray());

    QFile file(QStringLiteral(KARVO_DESKTOP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=karvo %F\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nIcon=org.tessvane.Karvo\n")));
    const QString line = text.section(QStringLiteral("\nMimeType="), 1).section(u'\n', 0, 0);
    const QStringList types = line.split(u';', Qt::SkipEmptyParts);
    for (const char* type :
         {"video/mp4", "video/quicktime", "video/x-matroska", "video/webm", "image/gif", "audio/mpeg", "audio/mp4",
          "audio/flac", "audio/x-wav", "image/jpeg", "image/png", "image/heif", "image/webp", "image/tiff"})
        EXPECT_TRUE(types.contains(QString::fromLatin1(type))) << type;
    EXPECT_FALSE(types.contains(QStringLiteral("text/vnd.qt.linguist"))); // .ts is a video here

    EXPECT_FALSE(QImage(QStringLiteral(KARVO_ICON_PNG)).isNull());
    EXPECT_EQ(QImage(QStringLiteral(KARVO_ICON_PNG)).size(), QSize(256, 256));
}
