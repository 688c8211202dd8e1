// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "ActionChips.h"
#include "ActionPicker.h"
#include "ChipButton.h"
#include "DropZone.h"
#include "FileChooserFilters.h"
#include "FlowLayout.h"
#include "HomeView.h"
#include "PendingDrop.h"
#include "Preferences.h"
#include "SettingsDefaults.h"

#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

struct Routed {
    QStringList paths;
    RadialAction action;
};

QStringList titles(const QList<ActionChip>& chips)
{
    QStringList out;
    for (const ActionChip& chip : chips)
        out << chip.title;
    return out;
}

// Onboarding has been completed: the window opens on the main screen.
struct OnboardingDone {
    OnboardingDone() { Preferences::setValue(QString::fromLatin1(SettingsDefaults::onboardingDoneKey), true); }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window.setRouteDrop([this](const QStringList& paths, const RadialAction& action) {
            routed.push_back({paths, action});
        });
    }
    // Files need not exist: routing judges by extension, as for a drop of files being written.
    QString file(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    OnboardingDone done;
    MainWindow window;
    std::vector<Routed> routed;
};

} // namespace

TEST(PendingDrop, KeepsSupportedFilesAndCombinesTheirKinds)
{
    const auto videos = PendingDrop::from({"/m/one.mp4", "/m/notes.txt", "/m/two.mov"});
    ASSERT_TRUE(videos);
    EXPECT_EQ(videos->paths, (QStringList{"/m/one.mp4", "/m/two.mov"}));
    EXPECT_EQ(videos->kind, DropKind::video);
    EXPECT_EQ(videos->summary(), QStringLiteral("one.mp4 and 1 more"));

    EXPECT_EQ(PendingDrop::from({"/m/a.mp4", "/m/b.mp3"})->kind, DropKind::mixed);
    const auto withImages = PendingDrop::from({"/m/a.jpg", "/m/b.mp4", "/m/c.png"});
    EXPECT_EQ(withImages->kind, DropKind::video);
    EXPECT_EQ(withImages->paths.size(), 3);
    EXPECT_EQ(PendingDrop::from({"/m/a.png"})->summary(), QStringLiteral("a.png"));
    EXPECT_EQ(PendingDrop::from({"/m/folder/", "/m/readme.txt"}), std::nullopt);
}

TEST(ActionChips, ListsFollowTheKindOfDrop)
{
    EXPECT_EQ(titles(ActionChips::formats(DropKind::video)), (QStringList{"MP4", "MKV", "GIF", "MP3", "M4A", "MOV"}));
    EXPECT_EQ(titles(ActionChips::tools(DropKind::video, true)),
              (QStringList{"Compress", "Remove Meta", "Mute", "Trim", "Crop", "Speed", "Snapshot", "Split"}));
    EXPECT_EQ(titles(ActionChips::formats(DropKind::mixed)), (QStringList{"MP3", "M4A"}));
    EXPECT_EQ(titles(ActionChips::tools(DropKind::mixed, true)), QStringList{"Remove Meta"});
    EXPECT_EQ(ActionChips::kindSymbol(DropKind::mixed), QStringLiteral("doc.on.doc"));
    EXPECT_EQ(titles(ActionChips::formats(DropKind::image)), (QStringList{"JPEG", "PNG", "HEIC"}));
    EXPECT_EQ(titles(ActionChips::tools(DropKind::image, true)),
              (QStringList{"Compress", "Resize", "Rotate", "Remove Background", "Remove Meta"}));
    EXPECT_EQ(titles(ActionChips::tools(DropKind::image, false)),
              (QStringList{"Compress", "Resize", "Rotate", "Remove Meta"}));
    EXPECT_EQ(ActionChips::chip(RadialAction::tool(ToolAction::split)).symbol, QStringLiteral("film"));
    EXPECT_EQ(ActionChips::chip(RadialAction::imageFormat(ImageFormat::heic)).action,
              RadialAction::imageFormat(ImageFormat::heic));
}

TEST(FileChooserFilters, AdmitWhatTheActionCanTake)
{
    const QStringList media = FileChooserFilters::nameFilters(RadialAction::format(OutputFormat::mp4));
    ASSERT_EQ(media.size(), 3); // everything admitted, videos, audio
    EXPECT_TRUE(media[0].contains("*.mp4") && media[0].contains("*.MP3") && media[0].contains("*.mkv"));
    EXPECT_FALSE(media[0].contains("*.png"));

    const QStringList images = FileChooserFilters::nameFilters(RadialAction::imageFormat(ImageFormat::png));
    ASSERT_EQ(images.size(), 1);
    EXPECT_TRUE(images[0].contains("*.heic") && images[0].contains("*.JPG"));
    EXPECT_FALSE(images[0].contains("*.mp4"));

    using Kind = FileChooserFilters::Kind;
    EXPECT_EQ(FileChooserFilters::admitted(RadialAction::tool(ToolAction::compress)),
              (QList<Kind>{Kind::video, Kind::audio, Kind::image}));
    EXPECT_EQ(FileChooserFilters::admitted(RadialAction::tool(ToolAction::rotate)), QList<Kind>{Kind::image});
    EXPECT_EQ(FileChooserFilters::admitted(RadialAction::tool(ToolAction::trim)),
              (QList<Kind>{Kind::video, Kind::audio}));
}

TEST(FlowLayout, WrapsWhenTheWidthRunsOut)
{
    QWidget host;
    auto* flow = new FlowLayout(&host, 8);
    for (int i = 0; i < 3; ++i) {
        auto* item = new QWidget(&host);
        item->setFixedSize(100, 20);
        flow->addWidget(item);
    }
    EXPECT_EQ(flow->heightForWidth(400), 20);
    EXPECT_EQ(flow->heightForWidth(250), 48); // two on the first line, one on the second
    EXPECT_EQ(flow->heightForWidth(100), 76);
}

TEST_F(MainWindowTest, HasTheTitleAndSizesOfKarvosWindow)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Karvo"));
    EXPECT_EQ(window.minimumSize(), QSize(760, 540));
    EXPECT_EQ(window.size(), QSize(820, 640));
    EXPECT_EQ(window.chooseFileAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
}

TEST_F(MainWindowTest, PendingDropOffersChipsThatRouteAndClearIt)
{
    window.presentPending({file("a.mp4"), file("notes.txt"), file("b.mov")});
    ASSERT_TRUE(window.pending());
    EXPECT_TRUE(window.home()->isShowingPicker());
    EXPECT_EQ(window.home()->picker()->summaryText(), QStringLiteral("a.mp4 and 1 more"));
    const QList<ChipButton*> chips = window.home()->picker()->chipButtons();
    ASSERT_EQ(chips.size(), 14);
    for (const ChipButton* chip : chips)
        EXPECT_FALSE(chip->accessibleName().isEmpty());
    EXPECT_TRUE(routed.empty());

    chips[1]->click(); // MKV
    ASSERT_EQ(routed.size(), 1u);
    EXPECT_EQ(routed[0].paths, (QStringList{file("a.mp4"), file("b.mov")}));
    EXPECT_EQ(routed[0].action, RadialAction::format(OutputFormat::mkv));
    EXPECT_FALSE(window.pending());
    EXPECT_FALSE(window.home()->isShowingPicker());
}

TEST_F(MainWindowTest, ANewDropReplacesThePendingOneAndCancelClearsIt)
{
    window.presentPending({file("a.mp4")});
    window.presentPending({file("x.mp3"), file("y.mp4")});
    ASSERT_TRUE(window.pending());
    EXPECT_EQ(window.pending()->kind, DropKind::mixed);
    EXPECT_EQ(window.home()->picker()->chipButtons().size(), 3); // MP3, M4A, Remove Meta
    window.home()->picker()->cancelButton()->click();
    EXPECT_FALSE(window.pending());
    EXPECT_TRUE(routed.empty());
}

TEST_F(MainWindowTest, NothingSupportedGoesToRoutingAsItCame)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const QStringList dropped{file("folder"), file("readme.txt")};
    window.presentPending(dropped);
    EXPECT_FALSE(window.pending());
    ASSERT_EQ(routed.size(), 1u);
    EXPECT_EQ(routed[0].paths, dropped);
    EXPECT_EQ(routed[0].action, RadialAction::format(OutputFormat::mp4));
}

TEST_F(MainWindowTest, DroppedFileUrlsBecomeThePendingDrop)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file("clip.mp4")), QUrl(QStringLiteral("https://example.org/x.mp4")),
                  QUrl::fromLocalFile(file("photo.jpg"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction); // never a move, whatever the file manager proposes
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&window, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    ASSERT_TRUE(window.pending());
    EXPECT_EQ(window.pending()->paths, (QStringList{file("clip.mp4"), file("photo.jpg")}));

    QMimeData text;
    text.setText(QStringLiteral("just words"));
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(MainWindowTest, ChoosingAFileRoutesItWithoutThePicker)
{
    QStringList offered;
    window.setFileChooser([&](const QStringList& filters) {
        offered = filters;
        return QStringList{file("b.mp4"), file("a.wav")};
    });
    window.chooseFileAction()->trigger();
    ASSERT_EQ(routed.size(), 1u);
    EXPECT_EQ(routed[0].paths, (QStringList{file("b.mp4"), file("a.wav")}));
    EXPECT_EQ(routed[0].action, RadialAction::format(OutputFormat::mp4));
    EXPECT_EQ(offered, FileChooserFilters::nameFilters(RadialAction::format(OutputFormat::mp4)));
    EXPECT_FALSE(window.pending());

    window.setFileChooser([](const QStringList&) { return QStringList(); });
    window.home()->dropZone()->chooseButton()->click();
    EXPECT_EQ(routed.size(), 1u); // cancelled: nothing routed
}
