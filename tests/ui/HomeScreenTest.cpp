// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's screens and the pieces they are made of: the Quick Drag switch and its controller,
// the sidebar, the catalogue, the shortcut tips, the ring's tables and the flow layout's arithmetic.
#include "ActionPicker.h"
#include "ChipButton.h"
#include "FeaturesView.h"
#include "FileChooserFilters.h"
#include "FlowLayout.h"
#include "HomeView.h"
#include "HoverRowButton.h"
#include "MainWindow.h"
#include "Preferences.h"
#include "QuickDragController.h"
#include "QuickDragControls.h"
#include "RadialSegments.h"
#include "SettingsDefaults.h"
#include "SettingsView.h"
#include "ShortcutDemoCard.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

QStringList titles(const QList<RadialSegment>& segments)
{
    QStringList out;
    for (const RadialSegment& segment : segments)
        out << segment.title;
    return out;
}

QStringList titles(const QList<ChipButton*>& chips)
{
    QStringList out;
    for (const ChipButton* chip : chips)
        out << chip->text();
    return out;
}

// A monitor that counts its calls and starts as told.
struct FakeMonitor {
    bool startWorks = true;
    int starts = 0;
    int stops = 0;

    void install(QuickDragController& controller, std::function<QString()> reason = {})
    {
        controller.setMonitorCallbacks(
            [this] {
                ++starts;
                return startWorks;
            },
            [this] { ++stops; }, std::move(reason));
    }
};

bool storedSwitch()
{
    return Preferences::value(QString::fromLatin1(SettingsDefaults::dragHotkeyEnabledKey)).toBool();
}

} // namespace

TEST(QuickDragController, FollowsTheSwitchThroughStartFailureRetryAndStop)
{
    QuickDragController controller;
    EXPECT_EQ(controller.state(), QuickDragState::disabled);
    EXPECT_FALSE(controller.enabled());

    // Switched on before the application installed the monitor: waits in "starting".
    controller.setEnabledByUser(true);
    EXPECT_TRUE(storedSwitch());
    EXPECT_EQ(controller.state(), QuickDragState::starting);

    FakeMonitor monitor;
    monitor.startWorks = false;
    monitor.install(controller);
    controller.reconcile();
    EXPECT_EQ(controller.state(), QuickDragState::monitorFailed);
    EXPECT_EQ(controller.summary(), QStringLiteral("Quick Drag could not start. Try again."));
    controller.reconcile(); // no automatic retry
    EXPECT_EQ(monitor.starts, 1);

    monitor.startWorks = true;
    controller.retry();
    EXPECT_EQ(monitor.starts, 2);
    EXPECT_EQ(controller.state(), QuickDragState::ready);
    controller.reconcile();
    EXPECT_EQ(monitor.starts, 2);

    controller.setEnabledByUser(false);
    EXPECT_FALSE(storedSwitch());
    EXPECT_EQ(controller.state(), QuickDragState::disabled);
    EXPECT_EQ(monitor.stops, 1);
    controller.reconcile();
    EXPECT_EQ(monitor.stops, 1);
}

TEST(QuickDragController, AFailedStartSaysWhyWhenTheMonitorKnows)
{
    QuickDragController controller;
    FakeMonitor monitor;
    monitor.startWorks = false;
    monitor.install(controller, [] {
        return QStringLiteral("Quick Drag needs an X11 session — drag files into the window instead.");
    });
    controller.setEnabledByUser(true);
    EXPECT_EQ(controller.state(), QuickDragState::monitorFailed);
    EXPECT_EQ(controller.summary(),
              QStringLiteral("Quick Drag needs an X11 session — drag files into the window instead."));
}

TEST(QuickDragController, ThePreferenceAnnouncesOnlyRealChangesAndEveryControllerFollows)
{
    QuickDragController controller;
    FakeMonitor monitor;
    monitor.install(controller);
    int announced = 0;
    QObject::connect(&DragHotkeyPreference::notifier(), &DragHotkeyPreference::changed, &controller,
                     [&announced] { ++announced; });

    DragHotkeyPreference::setEnabled(false); // absent reads as off
    EXPECT_EQ(announced, 0);

    // Changed elsewhere (settings, onboarding): the controller and its switch row follow.
    QuickDragControls controls(controller);
    DragHotkeyPreference::setEnabled(true);
    DragHotkeyPreference::setEnabled(true);
    EXPECT_EQ(announced, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(controller.state(), QuickDragState::ready);
    EXPECT_TRUE(controls.switchButton()->isChecked());
    EXPECT_EQ(controls.summaryText(), quickDragSummary(QuickDragState::ready));
    EXPECT_EQ(monitor.starts, 1);
}

TEST(QuickDragControls, TheSwitchDrivesTheControllerAndTryAgainAppearsOnlyAfterAFailure)
{
    QuickDragController controller;
    FakeMonitor monitor;
    monitor.startWorks = false;
    monitor.install(controller);
    QuickDragControls controls(controller);
    controls.show();
    EXPECT_FALSE(controls.tryAgainButton()->isVisible());
    EXPECT_EQ(controls.summaryText(), quickDragSummary(QuickDragState::disabled));

    controls.switchButton()->click();
    EXPECT_TRUE(storedSwitch());
    EXPECT_EQ(controller.state(), QuickDragState::monitorFailed);
    EXPECT_TRUE(controls.tryAgainButton()->isVisible());

    monitor.startWorks = true;
    controls.tryAgainButton()->click();
    EXPECT_EQ(monitor.starts, 2);
    EXPECT_FALSE(controls.tryAgainButton()->isVisible());
    EXPECT_EQ(controls.summaryText(), quickDragSummary(QuickDragState::ready));

    controls.switchButton()->click();
    EXPECT_FALSE(controls.switchButton()->isChecked());
    EXPECT_EQ(monitor.stops, 1);
}

TEST(RadialSegments, WedgesFollowTheKindAndTheMode)
{
    using Mode = RadialMenuMode;
    EXPECT_EQ(titles(RadialSegments::segments(DropKind::video, Mode::formats, false)),
              (QStringList{"MP4", "MKV", "GIF", "MP3", "M4A", "MOV"}));
    EXPECT_EQ(titles(RadialSegments::segments(DropKind::mixed, Mode::formats, false)), (QStringList{"MP3", "M4A"}));
    EXPECT_EQ(titles(RadialSegments::segments(DropKind::image, Mode::formats, true)),
              (QStringList{"JPEG", "PNG", "HEIC"}));
    EXPECT_EQ(titles(RadialSegments::segments(DropKind::video, Mode::tools, true)),
              (QStringList{"Compress", "Remove Meta", "Mute", "Trim", "Crop", "Speed", "Snapshot", "Split"}));
    EXPECT_EQ(titles(RadialSegments::segments(DropKind::image, Mode::tools, false)),
              (QStringList{"Compress", "Resize", "Rotate", "Remove Meta"}));
    EXPECT_EQ(titles(RadialSegments::segments(DropKind::image, Mode::tools, true)),
              (QStringList{"Compress", "Resize", "Rotate", "Remove Background", "Remove Meta"}));
    EXPECT_EQ(titles(RadialSegments::segments(DropKind::audio, Mode::tools, true)), QStringList{"Remove Meta"});

    const QList<RadialSegment> video = RadialSegments::segments(DropKind::video, Mode::formats, false);
    EXPECT_EQ(video[1].icon, QStringLiteral("film.stack"));
    EXPECT_EQ(video[2].action, RadialAction::format(OutputFormat::gif));
    for (const RadialSegment& segment : video)
        EXPECT_TRUE(segment.enabled);
    EXPECT_EQ(RadialSegments::toolTitle(ToolAction::speed), QStringLiteral("Speed"));
    EXPECT_EQ(RadialSegments::toolIcon(ToolAction::speed), QStringLiteral("gauge.with.dots.needle.67percent"));
    EXPECT_EQ(RadialSegments::toolIcon(ToolAction::removeBackground), QStringLiteral("checkerboard.square"));
}

TEST(FlowLayoutArithmetic, MeasuresAndPlacesRowsAsTheyFill)
{
    const QList<QSize> three(3, QSize(50, 20));
    // Two fit in 120 (0 and 58), the third wraps; the width counts the spacing after a row's last item.
    EXPECT_EQ(FlowLayout::measure(three, 8, 120), QSize(116, 48));
    EXPECT_EQ(FlowLayout::place(three, 8, QRect(0, 0, 120, 100)), (QList<QPoint>{{0, 0}, {58, 0}, {0, 28}}));
    // No width limit: one row.
    EXPECT_EQ(FlowLayout::measure(three, 8, std::nullopt), QSize(174, 20));
    // Rows are as tall as their tallest item.
    EXPECT_EQ(FlowLayout::measure({{50, 20}, {50, 30}, {50, 10}}, 8, 120), QSize(116, 48));
    // An item wider than the limit takes a row of its own, with no empty row before it.
    EXPECT_EQ(FlowLayout::measure({{200, 20}, {50, 20}}, 8, 120), QSize(208, 48));
    EXPECT_EQ(FlowLayout::place({{200, 20}, {50, 20}}, 8, QRect(10, 5, 120, 100)), (QList<QPoint>{{10, 5}, {10, 33}}));
    EXPECT_EQ(FlowLayout::measure({}, 8, 120), QSize(0, 0));
}

TEST(FlowLayoutArithmetic, RightToLeftRowsStartAtTheRightEdge)
{
    const QList<QSize> three(3, QSize(50, 20));
    EXPECT_EQ(FlowLayout::place(three, 8, QRect(0, 0, 120, 100), Qt::RightToLeft),
              (QList<QPoint>{{70, 0}, {12, 0}, {70, 28}}));
}

// Onboarding has been completed: the window opens on the main screen.
struct OnboardingDone {
    OnboardingDone() { Preferences::setValue(QString::fromLatin1(SettingsDefaults::onboardingDoneKey), true); }
};

class MainWindowScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setRouteDrop([this](const QStringList& paths, const RadialAction& action) {
            routed << paths;
            actions << action;
        });
        window.setFileChooser([this](const QStringList& filters) {
            offered = filters;
            return QStringList{QStringLiteral("/tmp/x.mov")};
        });
    }

    OnboardingDone done;
    MainWindow window;
    QList<QStringList> routed;
    QList<RadialAction> actions;
    QStringList offered;
};

TEST_F(MainWindowScreens, TheSidebarSwitchesBetweenHomeAndTheCatalogue)
{
    ASSERT_EQ(window.sidebar()->count(), 2);
    EXPECT_EQ(window.sidebar()->item(0)->text(), QStringLiteral("Home"));
    EXPECT_EQ(window.sidebar()->item(1)->text(), QStringLiteral("All Features"));
    EXPECT_EQ(window.tab(), MainTab::home);

    window.sidebar()->setCurrentRow(1);
    EXPECT_EQ(window.tab(), MainTab::features);
    EXPECT_TRUE(window.features()->isVisibleTo(&window));

    // Files arriving while the catalogue shows bring the home screen back with the picker.
    window.presentPending({QStringLiteral("/tmp/a.mp4")});
    EXPECT_EQ(window.tab(), MainTab::home);
    EXPECT_EQ(window.sidebar()->currentRow(), 0);
    EXPECT_TRUE(window.home()->isShowingPicker());
}

TEST_F(MainWindowScreens, CatalogueChipsAskForFilesOfWhatTheirActionTakes)
{
    FeaturesView* features = window.features();
    EXPECT_EQ(titles(features->chips(DropKind::video)),
              (QStringList{"MP4", "MKV", "GIF", "MP3", "M4A", "MOV", "Compress", "Remove Meta", "Mute", "Trim", "Crop",
                           "Speed", "Snapshot", "Split"}));
    EXPECT_EQ(titles(features->chips(DropKind::audio)), (QStringList{"MP3", "M4A", "Remove Meta"}));
    const QStringList image = titles(features->chips(DropKind::image));
    EXPECT_EQ(image.mid(0, 5), (QStringList{"JPEG", "PNG", "HEIC", "Compress", "Resize"}));

    ChipButton* rotate = features->chips(DropKind::image)[5];
    ASSERT_EQ(rotate->text(), QStringLiteral("Rotate"));
    EXPECT_EQ(rotate->accessibleDescription(), QStringLiteral("Choose a media file to Rotate"));
    rotate->click();
    EXPECT_EQ(offered, FileChooserFilters::nameFilters(RadialAction::tool(ToolAction::rotate)));
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0], RadialAction::tool(ToolAction::rotate));
    EXPECT_FALSE(window.pending()); // chosen files go straight to routing

    features->chips(DropKind::audio)[2]->click(); // Remove Meta
    EXPECT_EQ(offered, FileChooserFilters::nameFilters(RadialAction::tool(ToolAction::removeMeta)));
}

TEST_F(MainWindowScreens, ShortcutTipsHideTheDemosAndRememberIt)
{
    HomeView* home = window.home();
    window.show();
    ASSERT_EQ(home->demoCards().size(), 2);
    EXPECT_FALSE(home->shortcutsHidden());
    EXPECT_TRUE(home->demoCards()[0]->isVisible());
    EXPECT_EQ(home->shortcutTipsButton()->accessibleDescription(), QStringLiteral("Hides the shortcut demos"));

    home->shortcutTipsButton()->click();
    EXPECT_TRUE(home->shortcutsHidden());
    EXPECT_FALSE(home->demoCards()[0]->isVisible());
    EXPECT_FALSE(home->demoCards()[0]->isAnimating());
    EXPECT_EQ(home->shortcutTipsButton()->accessibleDescription(), QStringLiteral("Shows the shortcut demos"));
    EXPECT_TRUE(Preferences::value(QString::fromLatin1(SettingsDefaults::homeShortcutsHiddenKey)).toBool());

    // A rebuilt screen (language change) and the next start read the stored choice.
    window.rebuildContent();
    EXPECT_TRUE(window.home()->shortcutsHidden());
}

TEST_F(MainWindowScreens, TheShortcutSectionDimsUnlessQuickDragIsReady)
{
    QuickDragController& quickDrag = QuickDragController::shared();
    FakeMonitor monitor;
    monitor.install(quickDrag);
    const auto tipsOpacity = [this]() -> double {
        const auto* fade = qobject_cast<QGraphicsOpacityEffect*>(window.home()->shortcutTipsButton()->graphicsEffect());
        return fade && fade->isEnabled() ? fade->opacity() : 1.0;
    };
    EXPECT_DOUBLE_EQ(window.home()->shortcutSectionOpacity(), 0.45);
    EXPECT_DOUBLE_EQ(tipsOpacity(), 0.45);
    for (ShortcutDemoCard* card : window.home()->demoCards()) {
        EXPECT_DOUBLE_EQ(card->contentOpacity(), 0.45);
        // The cards fade themselves: an effect over them would draw the whole section off screen again for
        // every frame of their animation.
        for (QWidget* above = card; above; above = above->parentWidget())
            EXPECT_EQ(above->graphicsEffect(), nullptr) << above->metaObject()->className();
    }
    quickDrag.setEnabledByUser(true);
    ASSERT_EQ(quickDrag.state(), QuickDragState::ready);
    // The fade runs; a rebuilt screen starts where the state says.
    window.rebuildContent();
    EXPECT_DOUBLE_EQ(window.home()->shortcutSectionOpacity(), 1.0);
    EXPECT_DOUBLE_EQ(tipsOpacity(), 1.0);
    for (ShortcutDemoCard* card : window.home()->demoCards())
        EXPECT_DOUBLE_EQ(card->contentOpacity(), 1.0);
    quickDrag.setEnabledByUser(false);
}

TEST_F(MainWindowScreens, EveryControlHasANameAndAnActionForAssistiveTechnology)
{
    window.presentPending({QStringLiteral("/tmp/a.mp4")});
    window.show();
    QStringList unnamed;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        if (accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QString::fromLatin1(button->metaObject()->className());
        QAccessibleActionInterface* actionInterface = accessible->actionInterface();
        EXPECT_TRUE(actionInterface && !actionInterface->actionNames().isEmpty()) << button->metaObject()->className();
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char(',')).toStdString();
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(window.sidebar())->text(QAccessible::Name).isEmpty());
}

TEST_F(MainWindowScreens, NoChipTitleIsCutAtTheDefaultWindowSize)
{
    window.presentPending({QStringLiteral("/tmp/a.mp4")});
    window.show();
    QCoreApplication::processEvents();
    QStringList cut;
    for (const ChipButton* chip : window.home()->picker()->chipButtons()) {
        if (chip->shownTitle() != chip->text())
            cut << chip->text();
    }
    window.setTab(MainTab::features);
    QCoreApplication::processEvents();
    for (const ChipButton* chip : window.features()->chips()) {
        if (chip->shownTitle() != chip->text())
            cut << chip->text();
    }
    EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char(',')).toStdString();
}

TEST(MainWindowModes, OnboardingUntilCompletedThenMainAndSettingsComeFreshEachTime)
{
    MainWindow first;
    EXPECT_EQ(first.mode(), RootMode::onboarding);
    ASSERT_NE(first.onboarding(), nullptr);
    // Files opened during onboarding go straight to the main screen with the picker.
    first.presentPending({QStringLiteral("/tmp/a.mp4")});
    EXPECT_EQ(first.mode(), RootMode::main);
    EXPECT_TRUE(first.home()->isShowingPicker());

    Preferences::setValue(QString::fromLatin1(SettingsDefaults::onboardingDoneKey), true);
    MainWindow window;
    window.show();
    EXPECT_EQ(window.mode(), RootMode::main);
    EXPECT_EQ(window.onboarding(), nullptr);

    window.settingsRow()->click();
    EXPECT_EQ(window.mode(), RootMode::settings);
    const SettingsView* settings = window.settings();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    // A language or appearance change rebuilds the screen shown, settings on their first page again.
    window.rebuildContent();
    EXPECT_EQ(window.mode(), RootMode::settings);
    EXPECT_NE(window.settings(), settings);

    window.showMainScreen();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.mode(), RootMode::main);
    EXPECT_EQ(window.settings(), nullptr);
    EXPECT_TRUE(window.home()->isVisible());

    window.home()->replayDemoButton()->click();
    EXPECT_EQ(window.mode(), RootMode::onboarding);
    EXPECT_NE(window.onboarding(), nullptr);
}
