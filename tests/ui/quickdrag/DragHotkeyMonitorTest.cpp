// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragHotkeyMonitor.h"

#include "DragHotkeyDebug.h"
#include "FileManagementDrag.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

// Stands in for the platform: the test sets what the drag carries and pushes the events.
class ScriptedDrags : public DragMonitor {
public:
    bool start(Events e) override
    {
        if (refuse)
            return false;
        events = std::move(e);
        running = true;
        return true;
    }
    void stop() override { running = false; }
    DragPasteboard pasteboard() const override { return board; }

    DragPasteboard board;
    Events events;
    bool running = false;
    bool refuse = false;
};

struct RecordedMenu : RadialMenu {
    RadialMenuMode mode;
    DropKind kind;
    bool shown = false;
    std::optional<bool> closedWith;
    QList<RadialMenuMode> modeChanges;

    RecordedMenu(RadialMenuMode m, DropKind k) : mode(m), kind(k) {}
    void showAtCursor() override { shown = true; }
    void setMode(RadialMenuMode m) override
    {
        if (m != mode)
            modeChanges.append(m);
        mode = m;
    }
    void close(bool success) override
    {
        if (!closedWith)
            closedWith = success;
    }
};

class QuickDragMonitor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        auto source = std::make_unique<ScriptedDrags>();
        drags = source.get();
        monitor = std::make_unique<DragHotkeyMonitor>(
            std::move(source),
            [this](RadialMenuMode mode, DropKind kind) {
                menus.push_back(std::make_unique<RecordedMenu>(mode, kind));
                return menus.back().get();
            },
            [this](int ms, std::function<void()> task) {
                delayed.push_back({ms, std::move(task)});
            });
        monitor->onDrop = [this](const QList<QUrl>& files, RadialAction action) {
            drops.push_back({files, action});
        };
        ASSERT_TRUE(monitor->start());
    }

    QString file(const QString& name)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }

    // A new drag from a file manager carrying these paths.
    void newDrag(const QStringList& paths,
                 QStringList types = {QStringLiteral("text/uri-list"), QStringLiteral("x-special/gnome-icon-list")})
    {
        drags->board.changeCount += 1;
        drags->board.types = types;
        QByteArray list;
        for (const QString& p : paths)
            list += QUrl::fromLocalFile(p).toEncoded() + "\r\n";
        drags->board.uriList = list;
    }

    void move(bool shift, bool alt = false) { drags->events.dragged(DragPointer{shift, alt, QPoint(100, 100)}); }
    void release() { drags->events.released(); }
    void runDelayed()
    {
        auto tasks = std::move(delayed);
        delayed.clear();
        for (auto& [ms, task] : tasks)
            task();
    }
    RecordedMenu* lastMenu() { return menus.empty() ? nullptr : menus.back().get(); }

    QTemporaryDir dir;
    ScriptedDrags* drags = nullptr;
    std::vector<std::unique_ptr<RecordedMenu>> menus; // outlive the monitor, which closes its ring
    std::unique_ptr<DragHotkeyMonitor> monitor;
    std::vector<std::pair<int, std::function<void()>>> delayed;
    std::vector<std::pair<QList<QUrl>, RadialAction>> drops;
};

TEST_F(QuickDragMonitor, OpensOnlyWhileShiftIsHeldAndAltSwitchesToTheToolsEachTime)
{
    newDrag({file("clip.mp4")});
    move(false);
    move(false);
    EXPECT_TRUE(menus.empty()) << "a drag without Shift never opens the ring";

    move(true); // Shift pressed mid-drag: the ring opens on this event
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_TRUE(lastMenu()->shown);
    EXPECT_EQ(lastMenu()->mode, RadialMenuMode::formats);
    EXPECT_EQ(lastMenu()->kind, DropKind::video);

    move(true, true);
    move(true, true);
    move(true, false);
    move(true, true);
    EXPECT_EQ(lastMenu()->modeChanges,
              (QList<RadialMenuMode>{RadialMenuMode::tools, RadialMenuMode::formats, RadialMenuMode::tools}));
    EXPECT_EQ(monitor->currentMode(), RadialMenuMode::tools);

    move(false, false); // letting go of Shift leaves the ring as it is
    EXPECT_FALSE(lastMenu()->closedWith.has_value());
    EXPECT_EQ(lastMenu()->mode, RadialMenuMode::tools);
    EXPECT_EQ(menus.size(), 1u);
}

TEST_F(QuickDragMonitor, AltHeldWhenTheRingOpensOpensTheToolsAndKindsFollowTheFiles)
{
    newDrag({file("a.mp3"), file("b.mov")});
    move(true, true);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(lastMenu()->mode, RadialMenuMode::tools);
    EXPECT_EQ(lastMenu()->kind, DropKind::mixed);
    release();
    runDelayed();

    newDrag({file("photo.heic"), file("notes.txt")});
    move(true);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(lastMenu()->kind, DropKind::image);
}

TEST_F(QuickDragMonitor, AnUnsupportedDragIsReportedOnceAndNeverOpens)
{
    QStringList lines;
    qputenv("KV_DEBUG", "1");
    DragHotkeyDebug::setSink([&](const QString& line) { lines.append(line); });

    QDir(dir.path()).mkdir(QStringLiteral("Folder"));
    newDrag({dir.filePath(QStringLiteral("Folder")), file("readme.txt")});
    move(true);
    move(false);
    move(true, true);
    move(true);
    EXPECT_TRUE(menus.empty());
    EXPECT_EQ(lines.filter(QStringLiteral("unsupported drag")),
              QStringList{QStringLiteral("KV: unsupported drag [\"Folder\", \"readme.txt\"]")});
    EXPECT_EQ(lines.filter(QStringLiteral("fileDrag ok=")).size(), 1) << "examined once per drag";
    EXPECT_EQ(lines.first(), QStringLiteral("KV: drag began shift=true option=false"));

    // The next drag starts afresh.
    release();
    newDrag({file("song.flac")});
    move(true);
    EXPECT_EQ(menus.size(), 1u);
    EXPECT_TRUE(lines.contains(QStringLiteral("KV: dropKind=audio")));
    EXPECT_TRUE(lines.contains(QStringLiteral("KV: mouseUp")));

    DragHotkeyDebug::setSink({});
    qunsetenv("KV_DEBUG");
}

TEST_F(QuickDragMonitor, WritesNoDiagnosticLineWithoutKvDebug)
{
    qunsetenv("KV_DEBUG");
    QStringList lines;
    DragHotkeyDebug::setSink([&](const QString& line) { lines.append(line); });
    newDrag({file("clip.mp4")});
    move(true);
    release();
    runDelayed();
    EXPECT_TRUE(lines.isEmpty());
    DragHotkeyDebug::setSink({});
}

TEST_F(QuickDragMonitor, OnlyAFileManagersDragOpensTheRing)
{
    const QString clip = file("clip.mp4");
    // Another program dragging a uri-list: not a file manager, no ring.
    newDrag({clip}, {QStringLiteral("text/uri-list"), QStringLiteral("text/plain")});
    drags->board.frontmost = {QStringLiteral("firefox"), QStringLiteral("Firefox")};
    move(true);
    move(true);
    EXPECT_TRUE(menus.empty());
    release();

    // The same drag while a file manager is the active window does open it (class compared without case).
    newDrag({clip}, {QStringLiteral("text/uri-list")});
    drags->board.frontmost = {QStringLiteral("org.gnome.Nautilus"), QStringLiteral("Org.gnome.Nautilus")};
    move(true);
    EXPECT_EQ(menus.size(), 1u);
    release();
    runDelayed();

    // A type only file managers offer is proof enough, whatever window is active.
    newDrag({clip}, {QStringLiteral("libfm/files"), QStringLiteral("text/uri-list")});
    drags->board.frontmost = {};
    move(true);
    EXPECT_EQ(menus.size(), 2u);
}

TEST_F(QuickDragMonitor, ASourceThatHasNotAnsweredYetIsAskedAgainOnTheNextEvent)
{
    newDrag({file("clip.mp4")});
    const auto types = drags->board.types;
    const QByteArray uris = drags->board.uriList;
    drags->board.types.reset();
    drags->board.uriList.clear();
    move(true);
    EXPECT_TRUE(menus.empty());

    drags->board.types = types; // the type list came, the files not yet
    move(true);
    EXPECT_TRUE(menus.empty());

    drags->board.uriList = uris;
    move(true);
    EXPECT_EQ(menus.size(), 1u);
}

TEST_F(QuickDragMonitor, TheFinishedDragsFilesAreNotTakenForTheNextDrag)
{
    newDrag({file("clip.mp4")});
    release(); // a drag that ended before any event reached the monitor
    // A new drag whose source has not yet been seen still carries the old change count.
    move(true);
    EXPECT_TRUE(menus.empty());
}

TEST_F(QuickDragMonitor, ReleasingOutsideTheRingClosesItAfterTheDelayWithoutADrop)
{
    newDrag({file("clip.mp4")});
    move(true);
    ASSERT_EQ(menus.size(), 1u);
    release();
    EXPECT_FALSE(lastMenu()->closedWith.has_value()) << "the ring stays for a moment after the button";
    ASSERT_EQ(delayed.size(), 1u);
    EXPECT_EQ(delayed.front().first, 350);
    runDelayed();
    EXPECT_EQ(lastMenu()->closedWith, false);
    EXPECT_TRUE(drops.empty());
    EXPECT_FALSE(monitor->menuOpen());
}

TEST_F(QuickDragMonitor, ADropOnAWedgeClosesWithSuccessAndReachesOnDrop)
{
    const QString clip = file("clip.mp4");
    newDrag({clip});
    move(true, true);
    RecordedMenu* menu = lastMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QUrl> files{QUrl::fromLocalFile(clip)};
    menu->onDrop(files, RadialAction::tool(ToolAction::trim));
    EXPECT_EQ(menu->closedWith, true);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops.front().first, files);
    EXPECT_EQ(drops.front().second, RadialAction::tool(ToolAction::trim));

    // The button comes up after the drop; the delayed close finds no ring and harms no new one.
    release();
    newDrag({clip});
    move(true);
    ASSERT_EQ(menus.size(), 2u);
    runDelayed();
    EXPECT_FALSE(lastMenu()->closedWith.has_value());
    EXPECT_EQ(menu->closedWith, true);
}

TEST_F(QuickDragMonitor, StoppingClosesTheRingAndAFailedStartReportsFalse)
{
    newDrag({file("clip.mp4")});
    move(true);
    ASSERT_EQ(menus.size(), 1u);
    monitor->stop();
    EXPECT_EQ(lastMenu()->closedWith, false);
    EXPECT_FALSE(drags->running);
    EXPECT_FALSE(monitor->isRunning());

    drags->refuse = true;
    EXPECT_FALSE(monitor->start());
    EXPECT_FALSE(monitor->isRunning());
}

TEST(FileManagementDrag, UriListsGiveLocalFilesOnlyPercentDecodedInOrder)
{
    const QByteArray list = "# from a file manager\r\n"
                            "file:///home/me/My%20Clip%C3%A9.mp4\r\n"
                            "https://example.org/a.mp4\r\n"
                            "file://otherhost/share/b.mp4\r\n"
                            "file://localhost/tmp/c.mkv\r\n"
                            "\r\n"
                            "file:///tmp/d.png"; // no line end on the last one
    const QList<QUrl> files = FileManagementDrag::fileUrlsIn(list);
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(files.at(0).toLocalFile(), QStringLiteral("/home/me/My Clipé.mp4"));
    EXPECT_EQ(files.at(1).path(), QStringLiteral("/tmp/c.mkv"));
    EXPECT_EQ(files.at(2).toLocalFile(), QStringLiteral("/tmp/d.png"));
    EXPECT_TRUE(FileManagementDrag::fileUrlsIn("").isEmpty());
}

TEST(FileManagementDrag, APromiseAloneMakesAFileDragThatYieldsNoFile)
{
    DragPasteboard board;
    board.changeCount = 7;
    board.types = QStringList{QStringLiteral("XdndDirectSave0")};
    board.frontmost = {QStringLiteral("dolphin"), QStringLiteral("dolphin")};
    EXPECT_TRUE(FileManagementDrag::isFileDrag(board, 6));
    EXPECT_FALSE(FileManagementDrag::isFileDrag(board, 7)) << "the drag of the last mouse-up";
    EXPECT_TRUE(FileManagementDrag::draggedFileURLs(board).isEmpty());
    board.types = QStringList{};
    EXPECT_FALSE(FileManagementDrag::isFileDrag(board, 6));
}

} // namespace
