// SPDX-License-Identifier: GPL-3.0-or-later
// The progress panel and its cards as real widgets on the offscreen platform, over a task manager of
// their own: real ffmpeg on generated media, and a hanging ffmpeg where tasks must stay queued.
#include "BadgeView.h"
#include "CardCloseButton.h"
#include "ElidedLabel.h"
#include "EventLoop.h"
#include "FileRevealer.h"
#include "FileSystem.h"
#include "Localization.h"
#include "PanelGeometry.h"
#include "ProgressHUDController.h"
#include "ProgressPanel.h"
#include "ProgressRingView.h"
#include "ProgressStyle.h"
#include "TaskCardView.h"
#include "TaskManager.h"
#include "TaskTestDoubles.h"
#include "TestMedia.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QUrl>
#include <gtest/gtest.h>

using namespace karvo;
using namespace karvo::test;
using Status = ConversionTask::Status;

namespace {
std::string s(const QString& text)
{
    return text.toStdString();
}

// Receives what QDesktopServices would hand to the desktop, so no application starts during tests.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class RecordingRevealer final : public FileRevealer {
public:
    void reveal(const QStringList& paths) override { calls << paths; }
    QList<QStringList> calls;
};

// Stands in for the file manager on a private session bus.
class FakeFileManager : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QList<QStringList> shown;
public slots:
    void ShowItems(const QStringList& uris, const QString& /*startupId*/) { shown << uris; }
};

const QDateTime kNow(QDate(2026, 3, 4), QTime(15, 30, 0));

class ProgressWidgetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        env.tools = tools;
        env.clock = clock;
    }

    QString copy(const QString& source, const QString& name)
    {
        const QString target = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(source, target)) << s(source);
        return target;
    }
    // ffmpeg that never finishes: the first task stays running, the others queued.
    void hangFFmpeg() { tools->set("ffmpeg", writeScript(fakes.path(), "ffmpeg", "exec sleep 60\n")); }
    ProgressHUDController::Options options(std::optional<bool> translucent = false)
    {
        return {revealer, clock, translucent};
    }
    std::shared_ptr<const CardServices> services(TaskManager& manager)
    {
        auto s = std::make_shared<CardServices>();
        s->manager = &manager;
        s->revealer = revealer;
        s->clock = clock;
        return s;
    }
    static QRect settled(ProgressHUDController& hud, const QRect& expected)
    {
        waitFor([&] { return hud.panel()->panelRect() == expected; }, 5000);
        return hud.panel()->panelRect();
    }

    QTemporaryDir dir;
    QTemporaryDir fakes;
    std::shared_ptr<TestToolLocator> tools = std::make_shared<TestToolLocator>();
    std::shared_ptr<FixedClock> clock = std::make_shared<FixedClock>(kNow);
    std::shared_ptr<RecordingRevealer> revealer = std::make_shared<RecordingRevealer>();
    TaskEnvironment env;
};
} // namespace

TEST_F(ProgressWidgetsTest, ARealConversionEndsCompletedWithOpenAndShowInFolder)
{
    const QString input = copy(TestMedia::clip(2), "holiday.mov");
    UrlRecorder desktop;
    TaskManager manager(env);
    ProgressHUDController hud(manager, {nullptr, clock, false});
    hud.setRevealer(revealer);       // as the program hands over its own backend
    EXPECT_EQ(hud.panel(), nullptr); // nothing before the first task

    const TaskPtr task = manager.enqueue(input, ConversionOp::convert(OutputFormat::mp4));
    hud.reload();
    ASSERT_NE(hud.panel(), nullptr);
    EXPECT_TRUE(hud.panel()->isVisible());
    EXPECT_TRUE(hud.panel()->clearButton()->isHidden()); // nothing finished yet
    ASSERT_TRUE(waitFor([&] {
        TaskCardView* card = hud.card(task->id());
        return card && card->content().symbol == BadgeSymbol::checkmarkCircleFill;
    }));
    ASSERT_EQ(task->status(), Status::done) << s(task->error().value_or(QString()));
    ASSERT_EQ(task->outputs().size(), 1);
    const QString output = task->outputs().first();
    EXPECT_TRUE(QFileInfo(output).isFile());

    TaskCardView* card = hud.card(task->id());
    EXPECT_EQ(s(card->titleLabel()->text()), s(QFileInfo(output).fileName()));
    EXPECT_EQ(s(card->subtitleLabel()->text()), "Completed · Just now");
    EXPECT_EQ(s(card->toolTip()), s(output));
    EXPECT_TRUE(card->barRow()->isHidden());
    EXPECT_FALSE(card->badge()->symbol() == BadgeSymbol::none);
    EXPECT_TRUE(card->badge()->ring()->isHidden());
    EXPECT_EQ(card->displayedProgress(), 1.0);
    EXPECT_FALSE(card->isSmoothing());
    EXPECT_FALSE(card->openButton()->isHidden());
    EXPECT_FALSE(card->revealButton()->isHidden());
    EXPECT_TRUE(card->retryButton()->isHidden());
    EXPECT_FALSE(hud.panel()->clearButton()->isHidden());

    card->openButton()->click();
    EXPECT_EQ(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(output)});
    card->revealButton()->click();
    EXPECT_EQ(revealer->calls, QList<QStringList>{QStringList{output}});

    // Clear Finished: the card fades out and the emptied panel goes away.
    hud.panel()->clearButton()->click();
    ASSERT_TRUE(waitFor([&] { return hud.cards().isEmpty() && hud.leavingCards() == 0; }, 5000));
    EXPECT_TRUE(manager.tasks().isEmpty());
    EXPECT_FALSE(hud.panel()->isVisible());
    EXPECT_TRUE(QFileInfo(output).isFile()); // clearing forgets the task, never the file
}

TEST_F(ProgressWidgetsTest, PanelSitsInTheCornerAndCapsAtTheScreensLimit)
{
    hangFFmpeg();
    const QString input = copy(TestMedia::clip(1), "a.mp4");
    TaskManager manager(env);
    ProgressHUDController hud(manager, options());
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1440, 900));

    manager.enqueue(input, ConversionOp::mute());
    hud.reload();
    ProgressPanel* panel = hud.panel();
    ASSERT_NE(panel, nullptr);
    const QRect one = panel->panelRect();
    EXPECT_EQ(one.topLeft(), QPoint(1440 - 40 - 420, 60));
    EXPECT_EQ(one.width(), 420);
    EXPECT_LT(one.height(), 200);
    EXPECT_EQ(one.height(), panel->headerHeight() + 12 + 10 + hud.cards().first()->sizeHint().height() + 14);

    for (int i = 1; i < 20; ++i)
        manager.enqueue(input, ConversionOp::mute());
    hud.reload();
    ASSERT_EQ(hud.cards().size(), 20);
    EXPECT_EQ(settled(hud, QRect(980, 60, 420, 600)), QRect(980, 60, 420, 600));
    spin(50);
    EXPECT_TRUE(panel->scrollArea()->verticalScrollBar()->isVisible());
    EXPECT_GT(panel->scrollArea()->verticalScrollBar()->maximum(), 0);

    // Dragged onto the 650-pixel screen: the limit becomes 550 there, the top edge stays.
    panel->setPanelRect(QRect(1500, 30, 420, 600));
    ASSERT_TRUE(waitFor([&] { return panel->screen()->name() == QLatin1String("Small"); }, 5000));
    hud.reload();
    EXPECT_EQ(settled(hud, QRect(1500, 30, 420, 550)), QRect(1500, 30, 420, 550));
}

TEST_F(ProgressWidgetsTest, DraggingTheBackgroundMovesThePanelAndItStaysThere)
{
    hangFFmpeg();
    const QString input = copy(TestMedia::clip(1), "a.mp4");
    TaskManager manager(env);
    ProgressHUDController hud(manager, options());
    manager.enqueue(input, ConversionOp::mute());
    hud.reload();
    ProgressPanel* panel = hud.panel();
    const QRect before = panel->panelRect();

    // The offscreen platform has no window manager to move windows: the panel moves itself.
    const QPointF local(200, 6);
    const QPointF global = panel->mapToGlobal(local);
    const QPointF delta(-300, 120);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &press);
    QMouseEvent move(QEvent::MouseMove, local + delta, global + delta, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + delta, global + delta, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(panel, &release);
    EXPECT_EQ(panel->panelRect(), before.translated(delta.toPoint()));

    // A new card grows it where the user put it.
    manager.enqueue(input, ConversionOp::mute());
    hud.reload();
    ASSERT_TRUE(waitFor([&] { return panel->panelRect().height() > before.height() + 40; }, 5000));
    spin(300);
    EXPECT_EQ(panel->panelRect().topLeft(), before.topLeft() + delta.toPoint());
}

TEST_F(ProgressWidgetsTest, CardsComeAndGoAndThePanelFollowsKeepingItsTop)
{
    hangFFmpeg();
    const QString input = copy(TestMedia::clip(1), "a.mp4");
    TaskManager manager(env);
    ProgressHUDController hud(manager, options());
    const TaskPtr first = manager.enqueue(input, ConversionOp::mute());
    hud.reload();
    const QRect one = hud.panel()->panelRect();
    ASSERT_TRUE(waitFor([&] { return first->status() == Status::running; }, 30000));
    spin(20);

    const TaskPtr second = manager.enqueue(input, ConversionOp::mute());
    hud.reload();
    ASSERT_EQ(hud.cards().size(), 2);
    EXPECT_EQ(hud.cards().at(0)->taskId(), first->id());
    EXPECT_EQ(hud.cards().at(1)->taskId(), second->id());
    ASSERT_TRUE(waitFor([&] { return hud.panel()->panelRect().height() > one.height() + 40; }, 5000));
    const QRect two = hud.panel()->panelRect();
    EXPECT_EQ(two.top(), one.top());
    EXPECT_EQ(two.left(), one.left());

    // Close on a running task cancels it and the card says so at once; close again dismisses it.
    TaskCardView* card = hud.card(first->id());
    EXPECT_EQ(s(card->closeButton()->accessibleName()), "Cancel task");
    card->closeButton()->click();
    EXPECT_EQ(first->status(), Status::cancelled);
    EXPECT_EQ(s(card->subtitleLabel()->text()), "Cancelled · 0 file(s) saved");
    EXPECT_EQ(s(card->closeButton()->accessibleName()), "Dismiss result");
    EXPECT_FALSE(hud.panel()->clearButton()->isHidden());
    ASSERT_TRUE(waitFor([&] { return second->status() == Status::running; }, 30000)); // the worker moved on
    card->closeButton()->click();
    ASSERT_TRUE(waitFor([&] { return hud.cards().size() == 1 && hud.leavingCards() == 0; }, 5000));
    EXPECT_EQ(hud.cards().first()->taskId(), second->id());
    // The panel shrinks back from the bottom; its top edge never moves.
    ASSERT_TRUE(waitFor([&] { return hud.panel()->panelRect().height() < two.height() - 40; }, 5000));
    spin(300);
    EXPECT_EQ(hud.panel()->panelRect().top(), one.top());
}

TEST_F(ProgressWidgetsTest, EmptiedPanelFadesOutAndComesBackInTheCorner)
{
    TaskManager manager(env);
    ProgressHUDController hud(manager, options(true)); // as under a compositor: the window fades
    const QString missing = dir.filePath("gone.mp4");
    const TaskPtr failed = manager.enqueue(missing, ConversionOp::mute());
    hud.reload();
    ProgressPanel* panel = hud.panel();
    ASSERT_TRUE(panel->isTranslucent());
    EXPECT_TRUE(panel->isVisible());
    ASSERT_TRUE(waitFor([&] { return panel->windowOpacity() == 1.0; }, 5000));
    EXPECT_EQ(panel->panelRect().topLeft(), QPoint(980, 60));
    ASSERT_TRUE(waitFor([&] { return failed->status() == Status::failed; }, 30000));

    panel->setPanelRect(QRect(200, 300, 420, panel->panelRect().height())); // the user moved it
    manager.purgeFinished();
    ASSERT_TRUE(waitFor([&] { return !panel->isVisible(); }, 5000));
    EXPECT_EQ(panel->windowOpacity(), 1.0);

    // The next task brings it back in the corner.
    manager.enqueue(missing, ConversionOp::mute());
    hud.reload();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->panelRect().topLeft(), QPoint(980, 60));
    ASSERT_TRUE(waitFor([&] { return panel->windowOpacity() == 1.0; }, 5000));

    // A task arriving while the panel fades out keeps it up.
    ASSERT_TRUE(waitFor([&] { return !manager.tasks().first()->isActive(); }, 30000));
    manager.purgeFinished();
    hud.reload(); // the fade-out begins
    ASSERT_TRUE(manager.tasks().isEmpty());
    manager.enqueue(missing, ConversionOp::mute());
    hud.reload(); // before the fade-out could end
    spin(300);    // longer than the fade-out
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->windowOpacity(), 1.0);
    EXPECT_EQ(hud.cards().size(), 1);
}

TEST_F(ProgressWidgetsTest, ACardRemovedWhileFadingInStillLeaves)
{
    TaskManager manager(env);
    const TaskPtr failed = manager.enqueue(dir.filePath("gone.mp4"), ConversionOp::mute());
    ASSERT_TRUE(waitFor([&] { return failed->status() == Status::failed; }, 30000));
    ProgressHUDController hud(manager, options());
    hud.reload(); // the card begins to fade in
    ASSERT_EQ(hud.cards().size(), 1);
    manager.purgeFinished();
    hud.reload(); // and is told to leave at once
    EXPECT_EQ(hud.leavingCards(), 1);
    ASSERT_TRUE(waitFor([&] { return hud.leavingCards() == 0; }, 5000));
    EXPECT_TRUE(hud.cards().isEmpty());
    EXPECT_TRUE(waitFor([&] { return hud.panel()->stack()->findChildren<TaskCardView*>().isEmpty(); }, 5000));
    EXPECT_FALSE(hud.panel()->isVisible());
}

TEST_F(ProgressWidgetsTest, EachStatusShowsItsRow)
{
    TaskManager manager(env);
    const QString input = dir.filePath("holiday clip.mov");
    auto task = std::make_shared<ConversionTask>(input, ConversionOp::split(10), dir.filePath("holiday clip Parts"));
    TaskCardView card(task, services(manager));
    card.resize(392, card.sizeHint().height());
    card.show();

    EXPECT_EQ(s(card.titleLabel()->text()), "Splitting");
    EXPECT_EQ(s(card.subtitleLabel()->text()), "Queued · holiday clip.mov");
    EXPECT_EQ(card.badge()->symbol(), BadgeSymbol::clock);
    EXPECT_TRUE(card.badge()->ring()->isHidden());
    EXPECT_TRUE(card.barRow()->isHidden());
    EXPECT_TRUE(card.actionRow()->isHidden());
    EXPECT_EQ(s(card.toolTip()), s(input));

    task->setStatus(Status::running);
    task->setProgress(0.5);
    card.update(task);
    EXPECT_EQ(s(card.titleLabel()->text()), "Splitting");
    EXPECT_EQ(s(card.subtitleLabel()->text()), "holiday clip.mov");
    EXPECT_EQ(card.badge()->symbol(), BadgeSymbol::none);
    EXPECT_FALSE(card.badge()->ring()->isHidden());
    EXPECT_FALSE(card.barRow()->isHidden());
    EXPECT_EQ(s(card.progressLabel()->text()), "50%");
    EXPECT_EQ(s(card.closeButton()->accessibleName()), "Cancel task");
    EXPECT_GT(card.sizeHint().height(), 40);

    // Two of five parts saved, then cancelled: the saved parts can still be shown.
    QDir().mkpath(dir.filePath("holiday clip Parts"));
    for (int i = 1; i <= 2; ++i) {
        QFile staged(dir.filePath(QStringLiteral("staged%1").arg(i)));
        ASSERT_TRUE(staged.open(QIODevice::WriteOnly));
        staged.close();
        const auto published =
            task->publish(*FileSystem::local(), staged.fileName(),
                          dir.filePath(QStringLiteral("holiday clip Parts/Part %1.mp4").arg(i)), false);
        ASSERT_TRUE(published.published);
    }
    task->cancel();
    card.update(task);
    EXPECT_EQ(s(card.titleLabel()->text()), "holiday clip.mov");
    EXPECT_EQ(s(card.subtitleLabel()->text()), "Cancelled · 2 file(s) saved");
    EXPECT_EQ(card.badge()->symbol(), BadgeSymbol::xmarkCircle);
    EXPECT_TRUE(card.barRow()->isHidden());
    EXPECT_EQ(s(card.progressLabel()->text()), "");
    EXPECT_FALSE(card.isSmoothing());
    EXPECT_FALSE(card.actionRow()->isHidden());
    EXPECT_FALSE(card.revealButton()->isHidden());
    EXPECT_TRUE(card.openButton()->isHidden());
    EXPECT_TRUE(card.retryButton()->isHidden());
    EXPECT_EQ(s(card.toolTip()), s(task->outputs().join(QLatin1Char('\n'))));
    EXPECT_EQ(s(card.closeButton()->accessibleName()), "Dismiss result");

    auto failing = std::make_shared<ConversionTask>(input, ConversionOp::mute(), dir.filePath("x.mov"));
    failing->setStatus(Status::failed);
    const QString raw = QStringLiteral("/out/x.mov: PERMISSION denied\n");
    failing->setError(raw);
    TaskCardView failedCard(failing, services(manager));
    EXPECT_EQ(s(failedCard.titleLabel()->text()), "Failed · holiday clip.mov");
    EXPECT_EQ(s(failedCard.subtitleLabel()->text()), "Permission denied — check that the folder is writable.");
    EXPECT_EQ(failedCard.subtitleLabel()->palette().color(QPalette::WindowText),
              ProgressStyle::withAlpha(ProgressStyle::tint(CardTint::red, failedCard.palette()), 0.85));
    EXPECT_EQ(s(failedCard.toolTip()), s(raw));
    EXPECT_EQ(failedCard.badge()->symbol(), BadgeSymbol::exclamationTriangleFill);
    EXPECT_FALSE(failedCard.retryButton()->isHidden());
    EXPECT_TRUE(failedCard.revealButton()->isHidden());

    // Everything a screen reader user may press has a name.
    for (const TaskCardView* c : {&card, &failedCard}) {
        for (const QAbstractButton* b : c->findChildren<QAbstractButton*>())
            EXPECT_FALSE(b->accessibleName().isEmpty()) << s(b->text());
    }
}

TEST_F(ProgressWidgetsTest, SmoothingGlidesOnlyWhileBehindAndSettlesExactly)
{
    TaskManager manager(env);
    auto task = std::make_shared<ConversionTask>(dir.filePath("a.mov"), ConversionOp::mute(), dir.filePath("b.mov"));
    task->setStatus(Status::running);
    TaskCardView card(task, services(manager));
    EXPECT_FALSE(card.isSmoothing()); // nothing to glide toward: no timer at all

    task->setProgress(0.5);
    card.update(task);
    EXPECT_TRUE(card.isSmoothing());
    EXPECT_EQ(card.displayedProgress(), 0.0); // no jump
    card.smoothingTick();
    EXPECT_DOUBLE_EQ(card.displayedProgress(), 0.11);
    EXPECT_EQ(card.bar()->value(), 110);
    EXPECT_DOUBLE_EQ(card.badge()->ring()->progress(), 0.11);

    task->setProgress(1.0);
    card.update(task);
    double previous = card.displayedProgress();
    for (int i = 0; card.isSmoothing(); ++i) {
        ASSERT_LT(i, 200);
        card.smoothingTick();
        EXPECT_GE(card.displayedProgress(), previous);
        previous = card.displayedProgress();
    }
    EXPECT_EQ(card.displayedProgress(), 1.0);
    EXPECT_EQ(card.bar()->value(), 1000);
    EXPECT_EQ(card.badge()->ring()->progress(), 1.0);

    // Driven by its own timer it lands on the value too, and the timer goes away.
    task->setProgress(0.3);
    card.update(task);
    ASSERT_TRUE(waitFor([&] { return !card.isSmoothing(); }, 10000));
    EXPECT_EQ(card.displayedProgress(), 0.3);

    // Leaving the running state shows the task's progress at once.
    task->setProgress(0.8);
    card.update(task);
    EXPECT_TRUE(card.isSmoothing());
    task->cancel();
    card.update(task);
    EXPECT_FALSE(card.isSmoothing());
    EXPECT_EQ(card.displayedProgress(), task->progress());
}

TEST_F(ProgressWidgetsTest, CloseButtonShowsOnlyUnderThePointer)
{
    TaskManager manager(env);
    auto task = std::make_shared<ConversionTask>(dir.filePath("a.mov"), ConversionOp::mute(), dir.filePath("b.mov"));
    TaskCardView card(task, services(manager));
    card.show();
    EXPECT_EQ(card.closeButton()->reveal(), 0.0);
    EXPECT_FALSE(card.closeButton()->isHidden()); // in place and reachable, only not drawn

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&card, &enter);
    ASSERT_TRUE(waitFor([&] { return card.closeButton()->reveal() == 1.0; }, 5000));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&card, &leave);
    ASSERT_TRUE(waitFor([&] { return card.closeButton()->reveal() == 0.0; }, 5000));
}

TEST_F(ProgressWidgetsTest, RetryReplacesTheFailedCardWithAQueuedOneAtTheEnd)
{
    hangFFmpeg();
    const QString input = copy(TestMedia::clip(1), "a.mp4");
    const QString missing = dir.filePath("gone.mp4");
    TaskManager manager(env);
    ProgressHUDController hud(manager, options());
    const TaskPtr failed = manager.enqueue(missing, ConversionOp::trim(0, 1));
    const TaskPtr running = manager.enqueue(input, ConversionOp::mute());
    const TaskPtr queued = manager.enqueue(input, ConversionOp::mute());
    hud.reload();
    ASSERT_TRUE(waitFor([&] { return running->status() == Status::running; }, 30000));
    spin(20);
    ASSERT_EQ(failed->status(), Status::failed);
    TaskCardView* failedCard = hud.card(failed->id());
    ASSERT_NE(failedCard, nullptr);
    ASSERT_FALSE(failedCard->retryButton()->isHidden());
    EXPECT_TRUE(hud.card(running->id())->retryButton()->isHidden());

    failedCard->retryButton()->click();
    ASSERT_TRUE(waitFor([&] { return hud.cards().size() == 3 && !hud.card(failed->id()); }, 5000));
    const QList<TaskPtr> tasks = manager.tasks();
    ASSERT_EQ(tasks.size(), 3);
    EXPECT_EQ(tasks.at(0), running);
    EXPECT_EQ(tasks.at(1), queued);
    EXPECT_EQ(tasks.at(2)->input(), missing);
    EXPECT_EQ(tasks.at(2)->op(), ConversionOp::trim(0, 1));
    EXPECT_EQ(hud.cards().last()->taskId(), tasks.at(2)->id());
    EXPECT_EQ(s(hud.cards().last()->subtitleLabel()->text()), "Queued · gone.mp4");
}

namespace {
class GermanHeader final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString key = QString::fromUtf8(source);
        if (key == QLatin1String("Conversions"))
            return QStringLiteral("Umwandlungen");
        if (key == QLatin1String("Clear Finished"))
            return QStringLiteral("Erledigte entfernen");
        if (key == QLatin1String("Retry"))
            return QStringLiteral("Wiederholen");
        return {};
    }
};
} // namespace

TEST_F(ProgressWidgetsTest, ALanguageChangeRelabelsPanelAndCards)
{
    TaskManager manager(env);
    ProgressHUDController hud(manager, options());
    const TaskPtr failed = manager.enqueue(dir.filePath("gone.mp4"), ConversionOp::mute());
    hud.reload();
    ASSERT_TRUE(waitFor([&] { return failed->status() == Status::failed; }, 30000));
    spin(20);
    EXPECT_EQ(s(hud.panel()->headerLabel()->text()), "Conversions");
    EXPECT_EQ(s(hud.panel()->clearButton()->accessibleName()), "Clear finished tasks");

    // A new string table, announced the way Qt announces one.
    const auto announce = [] {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(qApp, &change);
        spin(20);
    };
    Localization::setTranslator(std::make_shared<GermanHeader>());
    announce();
    EXPECT_EQ(s(hud.panel()->headerLabel()->text()), "Umwandlungen");
    EXPECT_EQ(s(hud.panel()->clearButton()->text()), "Erledigte entfernen");
    EXPECT_EQ(s(hud.card(failed->id())->retryButton()->text()), "Wiederholen");
    Localization::setTranslator(nullptr);
    announce();
    EXPECT_EQ(s(hud.panel()->headerLabel()->text()), "Conversions");
    EXPECT_EQ(s(hud.card(failed->id())->retryButton()->text()), "Retry");
}

TEST(FileRevealer, WithoutASessionBusTheFolderOpens)
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/karvo-test-bus");
    QTemporaryDir dir;
    const QString file = dir.filePath("a.mp4");
    UrlRecorder desktop;
    FileRevealer::system()->reveal({});
    EXPECT_TRUE(desktop.urls.isEmpty());
    FileRevealer::system()->reveal({file});
    ASSERT_TRUE(waitFor([&] { return !desktop.urls.isEmpty(); }, 10000));
    EXPECT_EQ(desktop.urls, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
}

TEST(FileRevealer, TheFileManagerIsAskedToShowTheItems)
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed";
    QProcess bus;
    bus.start(daemon, {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(bus.waitForStarted());
    ASSERT_TRUE(bus.waitForReadyRead(10000));
    const QByteArray address = bus.readLine().trimmed();
    ASSERT_FALSE(address.isEmpty());
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    FakeFileManager fileManager;
    QDBusConnection fake = QDBusConnection::connectToBus(QString::fromUtf8(address), QStringLiteral("fake-fm"));
    ASSERT_TRUE(fake.isConnected());
    ASSERT_TRUE(fake.registerService(QStringLiteral("org.freedesktop.FileManager1")));
    ASSERT_TRUE(fake.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &fileManager,
                                    QDBusConnection::ExportAllSlots));

    UrlRecorder desktop;
    FileRevealer::system()->reveal({"/tmp/a b/Part 1.mp4", "/tmp/a b/Part 2.mp4"});
    ASSERT_TRUE(waitFor([&] { return !fileManager.shown.isEmpty(); }, 10000));
    EXPECT_EQ(fileManager.shown.first(),
              (QStringList{"file:///tmp/a%20b/Part%201.mp4", "file:///tmp/a%20b/Part%202.mp4"}));
    spin(50);
    EXPECT_TRUE(desktop.urls.isEmpty()); // no fallback when the file manager answered

    QDBusConnection::disconnectFromBus(QStringLiteral("fake-fm"));
    bus.kill();
    bus.waitForFinished();
}

#include "ProgressWidgetsTest.moc"
