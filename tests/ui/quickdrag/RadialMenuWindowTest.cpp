// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialMenuWindow.h"

#include "RadialGeometry.h"
#include "RadialMenuView.h"

#include <QApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QVariantAnimation>
#include <gtest/gtest.h>
#include <memory>

using namespace karvo;

namespace {

// Runs every running animation of the window to its end, as the clock would.
void finishAnimations(QObject* window)
{
    for (QVariantAnimation* animation : window->findChildren<QVariantAnimation*>()) {
        if (animation->state() == QAbstractAnimation::Running)
            animation->setCurrentTime(animation->totalDuration());
    }
}

void deleteLaterNow()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The menu frees itself once closed; tests hold it through a guard.
struct Menu {
    QPointer<RadialMenuWindow> window;
    Menu(RadialMenuMode mode, DropKind kind, std::optional<bool> translucent = std::nullopt)
        : window(new RadialMenuWindow(mode, kind, false, translucent))
    {
    }
    ~Menu() { delete window.data(); }
    RadialMenuWindow* operator->() const { return window.data(); }
};

} // namespace

TEST(RadialMenuWindow, IsAFramelessNonActivatingDiscSizedToItsWedges)
{
    Menu menu(RadialMenuMode::formats, DropKind::video, false);
    const Qt::WindowFlags flags = menu->windowFlags();
    for (const Qt::WindowType flag : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::X11BypassWindowManagerHint,
                                      Qt::WindowDoesNotAcceptFocus})
        EXPECT_TRUE(flags.testFlag(flag)) << flag;
    EXPECT_EQ(menu->windowType(), Qt::Tool);
    EXPECT_TRUE(menu->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(menu->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(menu->accessibleName(), QStringLiteral("Quick Drag"));

    EXPECT_EQ(menu->diameter(), 400);
    EXPECT_EQ(menu->size(), QSize(400, 400));
    EXPECT_EQ(menu->view()->geometry(), QRect(0, 0, 400, 400));
    EXPECT_EQ(menu->view()->centerHint(), QStringLiteral("⇧ Formats"));
    EXPECT_TRUE(menu->view()->acceptDrops());
    // The window's shape is the ring's circle of W/2 − 2: no corner is painted, the pointer passes there.
    const QRegion mask = menu->mask();
    EXPECT_EQ(mask.boundingRect(), QRect(2, 2, 396, 396));
    EXPECT_TRUE(mask.contains(QPoint(200, 200)));
    EXPECT_TRUE(mask.contains(QPoint(200, 4)));
    EXPECT_FALSE(mask.contains(QPoint(20, 20)));
    EXPECT_FALSE(mask.contains(QPoint(399, 399)));

    Menu audio(RadialMenuMode::formats, DropKind::audio, true);
    EXPECT_EQ(audio->size(), QSize(340, 340));
    EXPECT_TRUE(audio->testAttribute(Qt::WA_TranslucentBackground));
    Menu tools(RadialMenuMode::tools, DropKind::video);
    EXPECT_EQ(tools->size(), QSize(520, 520));
    EXPECT_EQ(tools->view()->centerHint(), QStringLiteral("⇧ Alt Tools"));
}

TEST(RadialMenuWindow, OpensAtThePointerInsideTheScreenWithAPop)
{
    Menu menu(RadialMenuMode::formats, DropKind::image, false);
    const QRect screen = available();
    const QPoint pointer(screen.x() + screen.width() - 20, screen.center().y());
    menu->showAt(pointer);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->geometry().x() + menu->width(), screen.x() + screen.width() - 8);
    EXPECT_EQ(menu->geometry().y() + 200, pointer.y());
    EXPECT_EQ(menu->centre(), menu->geometry().topLeft() + QPoint(200, 200));

    EXPECT_DOUBLE_EQ(menu->contentScale(), 0.82);
    EXPECT_DOUBLE_EQ(menu->view()->contentScale(), 0.82);
    finishAnimations(menu.window);
    EXPECT_DOUBLE_EQ(menu->contentScale(), 1.0);
}

TEST(RadialMenuWindow, ModeSwitchResizesAboutTheSameCentre)
{
    Menu menu(RadialMenuMode::formats, DropKind::video, false);
    const QPoint pointer = available().center();
    menu->showAt(pointer);
    finishAnimations(menu.window);
    const QPoint centre = menu->centre();
    EXPECT_EQ(menu->geometry(), QRect(centre - QPoint(200, 200), QSize(400, 400)));

    menu->setMode(RadialMenuMode::tools);
    EXPECT_EQ(menu->mode(), RadialMenuMode::tools);
    EXPECT_EQ(menu->diameter(), 520);
    EXPECT_EQ(menu->view()->segments().size(), 8);
    EXPECT_EQ(menu->view()->centerHint(), QStringLiteral("⇧ Alt Tools"));
    // Halfway through the 0.22 s the disc is between the two sizes, still about the same centre.
    auto* resize = [&]() -> QVariantAnimation* {
        for (QVariantAnimation* a : menu->findChildren<QVariantAnimation*>()) {
            if (a->state() == QAbstractAnimation::Running)
                return a;
        }
        return nullptr;
    }();
    ASSERT_NE(resize, nullptr);
    EXPECT_EQ(resize->duration(), 220);
    resize->setCurrentTime(110);
    EXPECT_GT(menu->width(), 400);
    EXPECT_LT(menu->width(), 520);
    EXPECT_NEAR(menu->geometry().center().x(), centre.x(), 1);
    EXPECT_NEAR(menu->geometry().center().y(), centre.y(), 1);
    EXPECT_EQ(menu->view()->size(), menu->size());

    finishAnimations(menu.window);
    EXPECT_EQ(menu->geometry(), QRect(centre - QPoint(260, 260), QSize(520, 520)));
    EXPECT_EQ(menu->view()->size(), QSize(520, 520));
    EXPECT_EQ(menu->mask().boundingRect(), QRect(2, 2, 516, 516));

    menu->setMode(RadialMenuMode::tools); // unchanged: nothing runs
    for (QVariantAnimation* a : menu->findChildren<QVariantAnimation*>())
        EXPECT_NE(a->state(), QAbstractAnimation::Running);
    menu->setMode(RadialMenuMode::formats);
    finishAnimations(menu.window);
    EXPECT_EQ(menu->geometry(), QRect(centre - QPoint(200, 200), QSize(400, 400)));
    EXPECT_EQ(menu->view()->centerHint(), QStringLiteral("⇧ Formats"));
}

TEST(RadialMenuWindow, OnlyTheFirstCloseCountsAndTheMenuFreesItself)
{
    auto* window = new RadialMenuWindow(RadialMenuMode::formats, DropKind::video, false, false);
    QPointer<RadialMenuWindow> guard(window);
    window->showAt(available().center());
    finishAnimations(window);

    window->close(false);
    EXPECT_TRUE(window->isClosing());
    EXPECT_TRUE(window->isVisible());
    window->close(true); // ignored: the dismissal goes on
    deleteLaterNow();
    ASSERT_FALSE(guard.isNull());
    auto animations = window->findChildren<QVariantAnimation*>();
    for (QVariantAnimation* a : animations) {
        if (a->state() == QAbstractAnimation::Running)
            a->setCurrentTime(a->totalDuration() - 1);
    }
    EXPECT_NEAR(window->contentScale(), 0.88, 0.01);
    finishAnimations(window);
    EXPECT_FALSE(window->isVisible());
    deleteLaterNow();
    EXPECT_TRUE(guard.isNull());
}

TEST(RadialMenuWindow, SuccessfulCloseGrowsTheDisc)
{
    auto* window = new RadialMenuWindow(RadialMenuMode::formats, DropKind::audio, false, true);
    QPointer<RadialMenuWindow> guard(window);
    window->showAt(available().center());
    finishAnimations(window);
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 1.0);
    window->close(true);
    for (QVariantAnimation* a : window->findChildren<QVariantAnimation*>()) {
        if (a->state() == QAbstractAnimation::Running) {
            EXPECT_EQ(a->duration(), 160);
            a->setCurrentTime(a->totalDuration() - 1);
        }
    }
    EXPECT_NEAR(window->contentScale(), 1.06, 0.01);
    EXPECT_LT(window->windowOpacity(), 0.05);
    finishAnimations(window);
    deleteLaterNow();
    EXPECT_TRUE(guard.isNull());
}

TEST(RadialMenuWindow, ClosingBeforeShowingFreesAtOnceAndAClosingMenuIsNotShownAgain)
{
    auto* window = new RadialMenuWindow(RadialMenuMode::formats, DropKind::video, false, false);
    QPointer<RadialMenuWindow> guard(window);
    window->close(false);
    window->showAt(available().center());
    EXPECT_FALSE(window->isVisible());
    deleteLaterNow();
    EXPECT_TRUE(guard.isNull());
}

TEST(RadialMenuWindow, QtCloseOnlyHidesTheWindow)
{
    Menu menu(RadialMenuMode::formats, DropKind::video, false);
    menu->showAt(available().center());
    EXPECT_TRUE(static_cast<QWidget*>(menu.window.data())->close());
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(menu->isClosing());
    deleteLaterNow();
    EXPECT_FALSE(menu.window.isNull());
}

TEST(RadialMenuWindow, OpeningOrdersOutNormalWindowsButKeepsFloatingOnes)
{
    QWidget main;
    main.setWindowTitle(QStringLiteral("main"));
    main.show();
    QWidget panel(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    panel.show();
    QWidget modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();

    Menu menu(RadialMenuMode::formats, DropKind::video, false);
    menu->showAt(available().center());
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(modal.isVisible());
    EXPECT_TRUE(menu->isVisible());
}

TEST(RadialMenuWindow, DropsOnTheRingReachTheMenusCallback)
{
    Menu menu(RadialMenuMode::tools, DropKind::image, false);
    menu->showAt(available().center());
    QList<QUrl> files;
    std::optional<RadialAction> action;
    menu->onDrop = [&](const QList<QUrl>& f, RadialAction a) {
        files = f;
        action = a;
    };
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/tmp/photo.jpg")});
    const QPointF rotate = menu->view()->ringGeometry().labelAnchor(2);
    QDragEnterEvent enter(rotate.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(menu->view(), &enter);
    QDropEvent event(rotate, Qt::CopyAction | Qt::MoveAction, &mime, Qt::NoButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(menu->view(), &event);
    EXPECT_TRUE(event.isAccepted());
    EXPECT_EQ(event.dropAction(), Qt::CopyAction);
    EXPECT_EQ(files, QList<QUrl>({QUrl::fromLocalFile("/tmp/photo.jpg")}));
    ASSERT_TRUE(action.has_value());
    EXPECT_TRUE(action->isTool(ToolAction::rotate));
}
