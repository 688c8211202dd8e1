// SPDX-License-Identifier: GPL-3.0-or-later
// The tool windows as the desktop program gets them: from their module, loaded with the first tool window,
// working with the program's own task manager; and an alert, never a crash, when the module is missing or
// broken.
#include "ToolWindowsModule.h"

#include "AppDelegate.h"
#include "DropAlerts.h"
#include "EventLoop.h"
#include "MediaBackend.h"
#include "MediaProbe.h"
#include "TaskManager.h"
#include "TestMedia.h"
#include "ToolWindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

// Every alert shown at once, as it would appear after the merge window.
class ShownAlerts {
public:
    ShownAlerts()
    {
        DropAlerts::setScheduler([](int, std::function<void()> flush) { flush(); });
        DropAlerts::setDisplay([this](const DropAlerts::Alert& alert) { shown << alert; });
    }
    ~ShownAlerts()
    {
        DropAlerts::setScheduler({});
        DropAlerts::setDisplay({});
    }

    QList<DropAlerts::Alert> shown;
};

bool mapped(const QString& library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && QString::fromUtf8(maps.readAll()).contains(library);
}

QList<QWidget*> toolWindows()
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (QLatin1String(widget->metaObject()->className()) == QLatin1String("karvo::ToolWindow") &&
            widget->isVisible())
            windows << widget;
    return windows;
}

ToolRequest trimRequest(const QString& video)
{
    return {ToolKind::trim, {ToolFile{video, MediaProbe::probe(video)}}};
}

// The Karvo functions and data a binary defines itself, exported or hidden: not the weak copies of inline code
// every user of a header has, nor what a file keeps to itself (an anonymous namespace, a static function), nor
// local constants a template leaves in each binary that instantiates it (unoptimised builds keep those).
QSet<QString> ownKarvoSymbols(const QString& binary)
{
    QSet<QString> symbols;
    const QString table = QString::fromUtf8(test::TestMedia::run(QStringLiteral("nm"), {"--defined-only", binary}));
    static const QRegularExpression line(QStringLiteral("^\\S+ [TDBRtdb] (\\S*5karvo\\S*)$"),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(table); it.hasNext();) {
        const QString symbol = it.next().captured(1);
        if (!symbol.contains(QStringLiteral("_GLOBAL__N")) && !symbol.contains(QStringLiteral("5karvoL")))
            symbols.insert(symbol);
    }
    return symbols;
}

class ToolWindowsModuleTest : public ::testing::Test {
protected:
    // As the program's main() does, before any player exists.
    static void SetUpTestSuite() { MediaBackend::selectDefault(); }
    void TearDown() override { ToolWindowsModule::setCandidatePathsForTesting({}); }

    QTemporaryDir dir;
    ShownAlerts alerts;
};

} // namespace

TEST_F(ToolWindowsModuleTest, AMissingModuleIsAnAlertNamingTheFileAndWhatToDo)
{
    const QString missing = dir.filePath(QStringLiteral("lib/karvo/libkarvo-toolwindows.so"));
    ToolWindowsModule::setCandidatePathsForTesting({missing});
    AppDelegate delegate; // installs the program's presenter, which alerts through DropAlerts
    const ToolRequest request = trimRequest(test::TestMedia::clip(1.0));

    ToolWindows::shared().present(request);
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown[0].text, QStringLiteral("Tool windows unavailable"));
    EXPECT_EQ(alerts.shown[0].informativeText,
              QStringLiteral("Karvo's tool windows could not be loaded: %1: cannot open shared object file: No such "
                             "file or directory. Reinstall Karvo.")
                  .arg(missing));
    EXPECT_EQ(toolWindows().size(), 0);
    EXPECT_FALSE(mapped(QStringLiteral("libQt6Multimedia")));

    // Every request tries again: installing the module needs no restart.
    ToolWindows::shared().present(request);
    EXPECT_EQ(alerts.shown.size(), 2);
}

TEST_F(ToolWindowsModuleTest, ABrokenModuleIsAnAlertWithTheSystemsReason)
{
    const QString broken = dir.filePath(QStringLiteral("libkarvo-toolwindows.so"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("cut short by a full disk");
    file.close();
    ToolWindowsModule::setCandidatePathsForTesting({dir.filePath(QStringLiteral("absent.so")), broken});
    AppDelegate delegate;

    ToolWindows::shared().present(trimRequest(test::TestMedia::clip(1.0)));
    ASSERT_EQ(alerts.shown.size(), 1);
    EXPECT_EQ(alerts.shown[0].text, QStringLiteral("Tool windows unavailable"));
    const QString message = alerts.shown[0].informativeText;
    EXPECT_TRUE(message.startsWith(QStringLiteral("Karvo's tool windows could not be loaded: ") + broken + u':'))
        << message.toStdString(); // the file that exists, not the first place looked at
    EXPECT_TRUE(message.endsWith(QStringLiteral(". Reinstall Karvo."))) << message.toStdString();
    EXPECT_EQ(toolWindows().size(), 0);
}

TEST_F(ToolWindowsModuleTest, TheFirstToolWindowLoadsTheModuleWhichWorksWithTheProgramsTaskManager)
{
    const QString video = dir.filePath(QStringLiteral("clip.mp4"));
    ASSERT_TRUE(QFile::copy(test::TestMedia::clip(1.0), video));
    AppDelegate delegate;
    EXPECT_FALSE(mapped(QStringLiteral("libQt6Multimedia")));
    EXPECT_FALSE(mapped(QStringLiteral("libkarvo-toolwindows.so")));

    ToolWindows::shared().present(trimRequest(video));
    EXPECT_EQ(alerts.shown.size(), 0);
    ASSERT_EQ(toolWindows().size(), 1);
    EXPECT_EQ(toolWindows()[0]->windowTitle(), QStringLiteral("Trim Video"));
    EXPECT_TRUE(mapped(QStringLiteral("libkarvo-toolwindows.so")));
    EXPECT_TRUE(mapped(QStringLiteral("libQt6Multimedia")));

    // Applying hands the file to the task manager the rest of the program sees, not to a copy of its own.
    QPushButton* apply = nullptr;
    for (QPushButton* button : toolWindows()[0]->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Apply"))
            apply = button;
    ASSERT_NE(apply, nullptr);
    ASSERT_TRUE(test::waitFor([&] { return apply->isEnabled(); }, 30000));
    apply->click();
    ASSERT_TRUE(test::waitFor([] { return !TaskManager::shared().tasks().isEmpty(); }, 5000));
    const TaskPtr task = TaskManager::shared().tasks().first();
    EXPECT_EQ(task->input(), video);
    test::waitFor([&] { return !task->isActive(); }, 60000);
    EXPECT_EQ(task->status(), ConversionTask::Status::done);

    // A second window comes from the same module.
    ToolWindows::shared().present(trimRequest(video));
    test::waitFor([] { return toolWindows().size() == 1; }, 5000);
    EXPECT_EQ(toolWindows().size(), 1);
    for (QWidget* window : toolWindows())
        window->close();
    test::waitFor([] { return toolWindows().isEmpty(); }, 5000);
}

TEST(ToolWindowsModuleFile, HoldsNoCopyOfTheProgramsOwnCode)
{
    // One task manager, one set of settings and texts: what the module uses it takes from the program.
    const QSet<QString> module = ownKarvoSymbols(QStringLiteral(KARVO_TOOLWINDOWS_MODULE));
    const QSet<QString> program = ownKarvoSymbols(QStringLiteral(KARVO_EXECUTABLE));
    ASSERT_FALSE(module.isEmpty());
    ASSERT_FALSE(program.isEmpty());
    EXPECT_EQ(QSet<QString>(module).intersect(program), QSet<QString>());
}
