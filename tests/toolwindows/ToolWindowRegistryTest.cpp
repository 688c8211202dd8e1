// SPDX-License-Identifier: GPL-3.0-or-later
// One window per request: opening, the kind table, letting windows go, and the tools not built yet.
#include "EventLoop.h"
#include "LanguageStore.h"
#include "SplitView.h"
#include "ToolKindTable.h"
#include "ToolTestSupport.h"
#include "ToolWindow.h"
#include "ToolWindowPresenter.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

using namespace karvo;
using karvo::test::ServiceRecorder;
using karvo::test::videoFile;

namespace {

QList<ToolWindow*> openWindows(ToolWindowRegistry& registry)
{
    QList<ToolWindow*> windows;
    for (const QUuid& id : registry.ids())
        windows << registry.window(id);
    return windows;
}
} // namespace

TEST(ToolKindTable, TitlesSizesAndWhichToolsHaveWindows)
{
    struct Row {
        ToolKind kind;
        const char* title;
        QSize size;
        bool built;
    };
    const Row rows[] = {
        {ToolKind::compressVideo, "Compress Video", {480, 340}, true},
        {ToolKind::compressImage, "Compress Image", {420, 380}, true},
        {ToolKind::resizeImage, "Resize Image", {420, 380}, true},
        {ToolKind::trim, "Trim Video", {560, 520}, true},
        {ToolKind::crop, "Crop Video", {560, 700}, true},
        {ToolKind::speed, "Change Speed", {560, 480}, true},
        {ToolKind::snapshot, "Snapshot", {560, 520}, true},
        {ToolKind::split, "Split Video", {480, 300}, true},
    };
    for (const Row& r : rows) {
        const ToolKindTable::Entry e = ToolKindTable::entry(r.kind);
        EXPECT_STREQ(e.title, r.title);
        EXPECT_EQ(e.contentSize, r.size) << r.title;
        EXPECT_EQ(e.build != nullptr, r.built) << r.title;
    }
}

TEST(ToolWindowPresenter, TwoRequestsOfOneKindOpenTwoWindowsAndClosingOneLeavesTheOther)
{
    ServiceRecorder recorder;
    ToolWindowPresenter presenter(recorder.services());
    const ToolRequest request{ToolKind::split, {videoFile("/v/a.mp4", 95)}};
    presenter.present(request);
    presenter.present(request);

    ToolWindowRegistry& registry = presenter.registry();
    ASSERT_EQ(registry.count(), 2);
    const QList<ToolWindow*> windows = openWindows(registry);
    for (ToolWindow* window : windows) {
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Split Video"));
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isWindow());
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_NE(dynamic_cast<SplitView*>(window->content()), nullptr);
    }

    QPointer<ToolWindow> closing = windows[0];
    QPointer<ToolWindow> staying = windows[1];
    closing->close();
    test::waitFor([&] { return closing.isNull(); }, 5000);
    EXPECT_TRUE(closing.isNull());
    ASSERT_EQ(registry.count(), 1);
    EXPECT_EQ(openWindows(registry).value(0), staying.data());
    EXPECT_TRUE(staying->isVisible());
}

TEST(ToolWindowPresenter, EveryToolHasAWindowAndEmptyRequestsOpenNothing)
{
    ServiceRecorder recorder;
    ToolWindowPresenter presenter(recorder.services());
    presenter.present({ToolKind::split, {}});
    presenter.present({ToolKind::trim, {}});
    EXPECT_EQ(presenter.registry().count(), 0);
    for (const ToolKind kind : {ToolKind::compressVideo, ToolKind::compressImage, ToolKind::resizeImage, ToolKind::trim,
                                ToolKind::crop, ToolKind::speed, ToolKind::snapshot, ToolKind::split})
        EXPECT_NE(ToolKindTable::entry(kind).build, nullptr);
}

TEST(ToolWindowRegistry, OneWindowPerIdAndUnknownClosesIgnored)
{
    ToolWindowRegistry registry;
    int built = 0;
    const auto content = [&] {
        ++built;
        return new QLabel(QStringLiteral("content"));
    };
    const QUuid id = QUuid::createUuid();
    ToolWindow* first = registry.host(QStringLiteral("One"), {300, 200}, id, content);
    ToolWindow* again = registry.host(QStringLiteral("One"), {300, 200}, id, content);
    EXPECT_EQ(first, again);
    EXPECT_EQ(built, 1);
    EXPECT_EQ(registry.count(), 1);

    QWidget stranger;
    registry.windowClosed(&stranger);
    registry.windowClosed(nullptr);
    test::spin(20);
    EXPECT_EQ(registry.count(), 1);
    EXPECT_EQ(registry.window(id), first);
}

TEST(ToolWindowRegistry, WindowsOpenCentredAtTheirContentSize)
{
    ToolWindowRegistry registry;
    ToolWindow* window =
        registry.host(QStringLiteral("Sized"), {480, 300}, QUuid::createUuid(), [] { return new QWidget; });
    EXPECT_EQ(window->size(), QSize(480, 300));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((window->frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST(ToolWindowRegistry, AWindowTakesTheInterfaceLanguagesDirectionWhenItOpens)
{
    ToolWindowRegistry registry;
    LanguageStore::shared().set(AppLanguage::ar);
    ToolWindow* arabic =
        registry.host(QStringLiteral("A"), {300, 200}, QUuid::createUuid(), [] { return new QWidget; });
    EXPECT_EQ(arabic->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(arabic->locale().language(), QLocale::Arabic);

    LanguageStore::shared().set(AppLanguage::de);
    ToolWindow* german =
        registry.host(QStringLiteral("B"), {300, 200}, QUuid::createUuid(), [] { return new QWidget; });
    EXPECT_EQ(german->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(german->locale().language(), QLocale::German);
    // Read once at opening: the window already open keeps its direction.
    EXPECT_EQ(arabic->layoutDirection(), Qt::RightToLeft);
    LanguageStore::shared().set(AppLanguage::en);
}
