// SPDX-License-Identifier: GPL-3.0-or-later
// The task manager end to end: real ffmpeg on generated media, and fakes for what a real ffmpeg will
// not do on demand (fail, die, lie about success).
#include "TaskManager.h"

#include "ConversionEngine.h"
#include "EventLoop.h"
#include "MediaProbe.h"
#include "OutputLocation.h"
#include "Preferences.h"
#include "StagingFolder.h"
#include "TaskTestDoubles.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace karvo;
using namespace karvo::test;
using Status = ConversionTask::Status;

namespace {
class TaskManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Preferences::setFilePath(settingsDir.filePath("settings.json"));
        OutputLocation::clearBookmark();
        env.files = files;
        env.tools = tools;
    }
    void TearDown() override
    {
        OutputLocation::clearBookmark();
        Preferences::setFilePath({});
    }

    QString copy(const QString& source, const QString& name)
    {
        const QString target = dir.filePath(name);
        QFile::remove(target);
        EXPECT_TRUE(QFile::copy(source, target)) << source.toStdString();
        return target;
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    static bool allFinished(TaskManager& manager)
    {
        const auto tasks = manager.tasks();
        return !manager.isBusy() &&
               std::none_of(tasks.cbegin(), tasks.cend(), [](const TaskPtr& t) { return t->isActive(); });
    }
    static void runAll(TaskManager& manager, int timeoutMs = 120000)
    {
        ASSERT_TRUE(waitFor([&] { return allFinished(manager); }, timeoutMs));
        spin(20); // let the last notifications arrive
    }

    // Folders whose name marks them as staging folders, left anywhere under `folder`.
    static QStringList leftovers(const QString& folder)
    {
        return QDir(folder).entryList({".tessvane-*", ".karvo-*"}, QDir::Dirs | QDir::Files | QDir::Hidden);
    }

    // A fake ffmpeg; the real ffprobe is still used.
    void fakeFFmpeg(const QString& body) { tools->set("ffmpeg", writeScript(fakes.filePath("bin"), "ffmpeg", body)); }

    QTemporaryDir dir;
    QTemporaryDir fakes;
    QTemporaryDir settingsDir;
    std::shared_ptr<FaultyFileSystem> files = std::make_shared<FaultyFileSystem>();
    std::shared_ptr<TestToolLocator> tools = std::make_shared<TestToolLocator>();
    TaskEnvironment env;
};

QString statusText(const TaskPtr& t)
{
    return ConversionTask::statusName(t->status()) + QStringLiteral(": ") + t->error().value_or(QString());
}

// The script's last argument is the staged output path.
const char* kLastArg = "for last; do :; done\n";
} // namespace

TEST_F(TaskManagerTest, NamesNeverCollideAndNeverOverwrite)
{
    const QString a = copy(TestMedia::clip(2), "a.mp4");
    TaskManager manager(env);
    const auto t1 = manager.enqueue(a, ConversionOp::trim(0, 1));
    const auto t2 = manager.enqueue(a, ConversionOp::trim(0.5, 1.5));
    const auto t3 = manager.enqueue(a, ConversionOp::convert(OutputFormat::mp4));
    EXPECT_EQ(t1->output(), path("a Trimmed.mp4"));
    EXPECT_EQ(t2->output(), path("a Trimmed 2.mp4"));
    EXPECT_EQ(t3->output(), path("a Converted.mp4"));
    runAll(manager);
    for (const auto& t : {t1, t2, t3})
        EXPECT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    EXPECT_EQ(t1->outputs(), QStringList{path("a Trimmed.mp4")});
    EXPECT_EQ(t2->outputs(), QStringList{path("a Trimmed 2.mp4")});

    // Run again: the existing files push the new names on.
    const auto t4 = manager.enqueue(a, ConversionOp::trim(0, 1));
    EXPECT_EQ(t4->output(), path("a Trimmed 3.mp4"));
    runAll(manager);
    EXPECT_EQ(t4->status(), Status::done);
    EXPECT_TRUE(leftovers(dir.path()).isEmpty());
}

TEST_F(TaskManagerTest, EveryVideoAndAudioOperationProducesWhatItSays)
{
    const QString a = copy(TestMedia::clip(3, 320, 240, true), "a.mov");
    const QString silent = copy(TestMedia::clip(2, 320, 240, false), "silent.mp4");
    struct Case {
        ConversionOp op;
        QString input;
        QString output;
        bool video;
        bool audio;
        double duration; // expected, 0 = not checked
        int width = 0, height = 0;
    };
    const QList<Case> cases{
        {ConversionOp::convert(OutputFormat::mp4), a, "a.mp4", true, true, 3},
        {ConversionOp::convert(OutputFormat::mkv), a, "a.mkv", true, true, 3},
        {ConversionOp::convert(OutputFormat::mov), a, "a Converted.mov", true, true, 3},
        {ConversionOp::convert(OutputFormat::gif), a, "a.gif", true, false, 0, 480, 360},
        {ConversionOp::convert(OutputFormat::mp3), a, "a.mp3", false, true, 3},
        {ConversionOp::convert(OutputFormat::m4a), a, "a.m4a", false, true, 3},
        {ConversionOp::compress(33), a, "a Compressed.mp4", true, true, 3},
        {ConversionOp::trim(0.5, 2), a, "a Trimmed.mp4", true, true, 1.5},
        {ConversionOp::crop(10, 20, 160, 120), a, "a Cropped.mp4", true, true, 3, 160, 120},
        {ConversionOp::speed(2), a, "a Speed.mp4", true, true, 1.5},
        {ConversionOp::speed(2), silent, "silent Speed.mp4", true, false, 1},
        {ConversionOp::snapshot(1.2), a, "a Snapshot.png", true, false, 0, 320, 240},
        {ConversionOp::mute(), a, "a Muted.mov", true, false, 3},
        {ConversionOp::removeMetadata(), a, "a NoMeta.mov", true, true, 3},
    };
    TaskManager manager(env);
    QList<TaskPtr> tasks;
    for (const Case& c : cases)
        tasks << manager.enqueue(c.input, c.op);
    runAll(manager);
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const TaskPtr& t = tasks[i];
        SCOPED_TRACE(c.op.describe().toStdString());
        ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
        EXPECT_EQ(t->outputs(), QStringList{path(c.output)});
        const auto info = MediaProbe::probe(path(c.output));
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->hasVideo, c.video);
        EXPECT_EQ(info->hasAudio, c.audio);
        if (c.duration > 0) {
            EXPECT_NEAR(info->duration, c.duration, 0.25);
        }
        if (c.width > 0) {
            EXPECT_EQ(info->width, c.width);
            EXPECT_EQ(info->height, c.height);
        }
    }
    EXPECT_TRUE(leftovers(dir.path()).isEmpty());
}

TEST_F(TaskManagerTest, OddSizedSourcesConvertWithTheSoftwareEncoder)
{
    const QString gif = copy(TestMedia::oddGif(), "odd.gif");
    TaskManager manager(env);
    const auto t = manager.enqueue(gif, ConversionOp::convert(OutputFormat::mp4));
    runAll(manager);
    ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    const auto info = MediaProbe::probe(path("odd.mp4"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->width, 160);
    EXPECT_EQ(info->height, 120);
}

TEST_F(TaskManagerTest, SplitWritesPartsEndingAtTheSegmentBoundaries)
{
    const QString a = copy(TestMedia::clip(25, 160, 120, true), "a.mp4");
    TaskManager manager(env);
    QList<double> seen;
    const auto t = manager.enqueue(a, ConversionOp::split(10));
    manager.setOnChange([&] { seen << t->progress(); });
    EXPECT_EQ(t->output(), dir.path());
    runAll(manager);
    ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    const QStringList expected{path("a Part 01.mp4"), path("a Part 02.mp4"), path("a Part 03.mp4")};
    EXPECT_EQ(t->outputs(), expected);
    const double durations[] = {10, 10, 5};
    for (int i = 0; i < 3; ++i) {
        const auto info = MediaProbe::probe(expected[i]);
        ASSERT_TRUE(info);
        EXPECT_NEAR(info->duration, durations[i], 0.3) << i;
    }
    EXPECT_TRUE(std::any_of(seen.cbegin(), seen.cend(), [](double p) { return p >= 1.0 / 3 && p < 2.0 / 3; }));
    EXPECT_TRUE(std::any_of(seen.cbegin(), seen.cend(), [](double p) { return p >= 2.0 / 3 && p < 1.0; }));
}

TEST_F(TaskManagerTest, CancelledQueuedTaskNeverStartsAndTheNextOneRuns)
{
    const QString a = copy(TestMedia::clip(2), "a.mp4");
    TaskManager manager(env);
    const auto first = manager.enqueue(a, ConversionOp::speed(0.5));
    const auto second = manager.enqueue(a, ConversionOp::mute());
    const auto third = manager.enqueue(a, ConversionOp::trim(0, 1));
    second->cancel();
    runAll(manager);
    EXPECT_EQ(first->status(), Status::done);
    EXPECT_EQ(second->status(), Status::cancelled);
    EXPECT_FALSE(second->finishedAt().has_value()); // never picked up
    EXPECT_FALSE(QFileInfo::exists(second->output()));
    EXPECT_EQ(third->status(), Status::done);
}

TEST_F(TaskManagerTest, CancellingARunningTaskAtAnyMomentLeavesNothingBehind)
{
    const QString a = copy(TestMedia::clip(4), "a.mp4");
    TaskManager manager(env);
    auto* random = QRandomGenerator::global();
    for (int round = 0; round < 8; ++round) {
        const auto t = manager.enqueue(a, ConversionOp::speed(0.5));
        const int delay = static_cast<int>(random->bounded(0, 600));
        spin(delay);
        t->cancel();
        runAll(manager);
        SCOPED_TRACE(delay);
        if (t->status() == Status::cancelled) {
            EXPECT_FALSE(QFileInfo::exists(t->output()));
            EXPECT_TRUE(t->outputs().isEmpty());
        } else {
            // It finished before the cancel arrived: then the output is whole.
            EXPECT_EQ(t->status(), Status::done);
            EXPECT_TRUE(MediaProbe::probe(t->output()).has_value());
        }
        EXPECT_TRUE(leftovers(dir.path()).isEmpty()) << leftovers(dir.path()).join(' ').toStdString();
    }
}

TEST_F(TaskManagerTest, FileAppearingUnderThePlannedNameIsKeptAndOutputGoesBesideIt)
{
    const QString a = copy(TestMedia::clip(1), "Track 01.mp4");
    const QString real = TestMedia::clip(1);
    // Another program writes the planned name while "ffmpeg" runs.
    fakeFFmpeg(QString(kLastArg) +
               "final=\"$(dirname \"$(dirname \"$last\")\")/$(basename \"$last\")\"\n"
               "echo other > \"$final\"\ncp '" +
               real + "' \"$last\"\necho progress=end\nexit 0");
    TaskManager manager(env);
    const auto t = manager.enqueue(a, ConversionOp::mute());
    runAll(manager);
    ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    // The source's own number is not taken for a counter ("Track 2 Muted.mp4" would be wrong).
    EXPECT_EQ(t->outputs(), QStringList{path("Track 01 Muted 2.mp4")});
    QFile other(path("Track 01 Muted.mp4")), ours(path("Track 01 Muted 2.mp4")), source(real);
    ASSERT_TRUE(other.open(QIODevice::ReadOnly) && ours.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    EXPECT_EQ(other.readAll(), "other\n");
    EXPECT_EQ(ours.readAll(), source.readAll());
}

TEST_F(TaskManagerTest, ExitZeroIsNotEnoughToPublish)
{
    // ffmpeg 5 exits 0 after "Error closing file" on a full disk; a garbage file is not a conversion.
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    const QString real = TestMedia::clip(1);
    struct Case {
        QString body;
        QString error;
    };
    const QList<Case> cases{
        {QString(kLastArg) + "cp '" + real +
             "' \"$last\"\n"
             "echo \"[out#0/mp4 @ 0x1] Error closing file $last: No space left on device\" >&2\nexit 0",
         "Not enough space in " + dir.path() + "."},
        {QString(kLastArg) + "head -c 5000 '" + real + "' > \"$last\"\nexit 0",
         "Cannot save a Muted.mp4: the written file is incomplete"},
    };
    for (const Case& c : cases) {
        fakeFFmpeg(c.body);
        TaskManager manager(env);
        const auto t = manager.enqueue(a, ConversionOp::mute());
        runAll(manager);
        EXPECT_EQ(t->status(), Status::failed);
        EXPECT_EQ(t->error().value_or(QString()), c.error);
        EXPECT_FALSE(QFileInfo::exists(t->output()));
        EXPECT_TRUE(leftovers(dir.path()).isEmpty());
    }
}

TEST_F(TaskManagerTest, FullDiskForRealPublishesNothing)
{
    // A 1 MB file system: the stream copy of a 3 s clip does not fit.
    QTemporaryDir mountPoint;
    const QString target = mountPoint.path();
    int code = -1;
    TestMedia::run("/bin/mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", target}, &code);
    if (code != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    const QString a = copy(TestMedia::clip1080(), "a.mov");
    ASSERT_GT(QFileInfo(a).size(), 1500000);
    TaskManager manager(env);
    manager.setOutputDirectoryOverride(target);
    const auto t = manager.enqueue(a, ConversionOp::convert(OutputFormat::mkv));
    runAll(manager);
    const QStringList left = QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    TestMedia::run("/bin/umount", {target}, &code);
    EXPECT_EQ(t->status(), Status::failed);
    EXPECT_TRUE(t->error().value_or(QString()).contains("Not enough space in " + target))
        << t->error().value_or(QString()).toStdString();
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}

TEST_F(TaskManagerTest, CancellingJustAfterEnqueueNeverRunsOrRevivesTheTask)
{
    // The worker claims a task while another thread cancels it. Without ffmpeg a claimed task ends at
    // once, so thousands of rounds are quick; a cancelled task must stay cancelled whatever the timing.
    tools->set("ffmpeg", QString());
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    TaskManager manager(env);
    auto* random = QRandomGenerator::global();
    QList<TaskPtr> cancelled;
    const auto stillCancelled = [&] {
        runAll(manager);
        for (const TaskPtr& t : cancelled)
            ASSERT_EQ(t->status(), Status::cancelled) << t->error().value_or(QString()).toStdString();
        manager.purgeFinished();
        cancelled.clear();
    };
    for (int round = 0; round < 20000; ++round) {
        const auto t = manager.enqueue(a, ConversionOp::mute());
        ASSERT_TRUE(t);
        const int delayUs = static_cast<int>(random->bounded(0, 20));
        std::thread canceller([t, delayUs] {
            QThread::usleep(static_cast<unsigned long>(delayUs));
            t->cancel();
        });
        canceller.join();
        const Status after = t->status();
        // The cancel came first, or the task had already ended (failed: no ffmpeg); never running again.
        ASSERT_TRUE(after == Status::cancelled || after == Status::failed) << round;
        if (after == Status::cancelled)
            cancelled << t;
        if (round % 500 == 499)
            stillCancelled();
    }
    stillCancelled();
}

TEST_F(TaskManagerTest, FailingFFmpegGivesItsLastWordsOrItsExitStatus)
{
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    struct Case {
        QString body;
        QString error;
    };
    const QList<Case> cases{
        // Stream dumps and metadata are noise; the line that says what went wrong is the message.
        {"echo 'Stream mapping:' >&2\necho '    handler_name    : SoundHandler' >&2\n"
         "echo '[libx264 @ 0x55d1] width not divisible by 2 (161x121)' >&2\necho 'Conversion failed!' >&2\nexit 1",
         "libx264: width not divisible by 2 (161x121)"},
        {"exit 1", "ffmpeg exited with 1"},
        {"kill -9 $$", "ffmpeg exited with 9"},
        {"exit 0", "Cannot save a Muted.mp4: no output was produced"},
    };
    for (const Case& c : cases) {
        fakeFFmpeg(c.body);
        TaskManager manager(env);
        const auto t = manager.enqueue(a, ConversionOp::mute());
        runAll(manager);
        EXPECT_EQ(t->status(), Status::failed);
        EXPECT_EQ(t->error().value_or(QString()), c.error);
        EXPECT_FALSE(QFileInfo::exists(t->output()));
        EXPECT_TRUE(leftovers(dir.path()).isEmpty());
    }
}

TEST_F(TaskManagerTest, MissingToolsAndUnreadableMediaFailWithTheirTexts)
{
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    const QString broken = copy(TestMedia::truncated(), "broken.mp4");
    {
        TaskManager manager(env);
        const auto t = manager.enqueue(broken, ConversionOp::mute());
        runAll(manager);
        EXPECT_EQ(t->status(), Status::failed);
        EXPECT_EQ(t->error().value_or(QString()), "broken.mp4 could not be read as media: it is damaged, incomplete, "
                                                  "or not a video or audio file.");
    }
    {
        tools->set("ffmpeg", QString());
        TaskManager manager(env);
        const auto t = manager.enqueue(a, ConversionOp::mute());
        runAll(manager);
        EXPECT_EQ(t->status(), Status::failed);
        EXPECT_TRUE(t->error().value_or(QString()).startsWith("ffmpeg not found. Install with: "));
    }
    {
        // ffmpeg without its ffprobe: the probe cannot run, which is not the file's fault.
        tools->set("ffmpeg", ToolLocator::system()->path("ffmpeg"));
        tools->set("ffprobe", QString());
        TaskManager manager(env);
        const auto t = manager.enqueue(a, ConversionOp::mute());
        runAll(manager);
        EXPECT_EQ(t->status(), Status::failed);
        EXPECT_TRUE(t->error().value_or(QString()).startsWith("ffmpeg not found. Install with: "));
    }
}

TEST_F(TaskManagerTest, ReadOnlyOutputFolderWithoutSavedFolderFailsWithTheMoveError)
{
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    QTemporaryDir fallback;
    files->setTemporaryFolder(fallback.path());
    files->refuseStaging(dir.path(), EROFS);
    files->refuseWrites(dir.path(), EROFS);
    TaskManager manager(env);
    const auto t = manager.enqueue(a, ConversionOp::mute());
    runAll(manager);
    EXPECT_EQ(t->status(), Status::failed);
    EXPECT_EQ(t->error().value_or(QString()),
              "Cannot save a Muted.mp4: " + dir.path() + " is read-only. Choose another output folder.");
    EXPECT_TRUE(leftovers(fallback.path()).isEmpty());
    EXPECT_TRUE(QDir(fallback.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(TaskManagerTest, RefusedFolderUsesTheSavedFolderWithoutAsking)
{
    struct CountingPrompt : OutputFolderPrompt {
        int calls = 0;
        std::optional<QString> chooseFolder(const QString&, const QString&) override
        {
            ++calls;
            return std::nullopt;
        }
    };
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    QTemporaryDir saved, fallback;
    OutputLocation::saveBookmark(saved.path());
    QFile existing(saved.filePath("a Muted.mp4"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    files->setTemporaryFolder(fallback.path());
    files->refuseStaging(dir.path(), EACCES);
    files->refuseWrites(dir.path(), EACCES);

    TaskManager manager(env);
    auto prompt = std::make_shared<CountingPrompt>();
    manager.setFolderPrompt(prompt);
    const auto t = manager.enqueue(a, ConversionOp::mute());
    runAll(manager);
    ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    EXPECT_EQ(t->outputs(), QStringList{saved.filePath("a Muted 2.mp4")});
    EXPECT_EQ(prompt->calls, 0);
    EXPECT_TRUE(leftovers(fallback.path()).isEmpty());
}

TEST_F(TaskManagerTest, RefusedFolderAsksOnceAndUsesTheChosenFolder)
{
    struct ChoosingPrompt : OutputFolderPrompt {
        QString folder;
        int calls = 0;
        bool onMainThread = false;
        std::optional<QString> chooseFolder(const QString&, const QString&) override
        {
            ++calls;
            onMainThread = QThread::currentThread() == QCoreApplication::instance()->thread();
            return folder;
        }
    };
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    QTemporaryDir chosen;
    files->refuseWrites(dir.path(), EPERM);
    TaskManager manager(env);
    auto prompt = std::make_shared<ChoosingPrompt>();
    prompt->folder = chosen.path();
    manager.setFolderPrompt(prompt);
    const auto t = manager.enqueue(a, ConversionOp::mute());
    runAll(manager);
    ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    EXPECT_EQ(t->outputs(), QStringList{chosen.filePath("a Muted.mp4")});
    EXPECT_EQ(prompt->calls, 1);
    EXPECT_TRUE(prompt->onMainThread);
    EXPECT_TRUE(leftovers(dir.path()).isEmpty());
}

TEST_F(TaskManagerTest, ReadOnlyFolderForReal)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    TaskManager manager(env);
    const auto t = manager.enqueue(a, ConversionOp::mute());
    runAll(manager);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(t->status(), Status::failed);
    EXPECT_TRUE(t->error().value_or(QString()).startsWith("Cannot save a Muted.mp4: "));
}

TEST_F(TaskManagerTest, StagingOnAnotherFileSystemStillPublishes)
{
    QTemporaryDir shm(QStringLiteral("/dev/shm/karvo-test-XXXXXX"));
    if (!shm.isValid())
        GTEST_SKIP() << "no /dev/shm here";
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    files->setTemporaryFolder(shm.path());
    files->refuseStaging(dir.path(), EACCES);
    TaskManager manager(env);
    const auto t = manager.enqueue(a, ConversionOp::mute());
    runAll(manager);
    ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    EXPECT_TRUE(MediaProbe::probe(path("a Muted.mp4")).has_value());
    EXPECT_TRUE(leftovers(shm.path()).isEmpty());
    EXPECT_TRUE(leftovers(dir.path()).isEmpty());
}

TEST_F(TaskManagerTest, ShutdownWaitsForTheRunningTaskThenRefusesWork)
{
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    fakeFFmpeg("exec sleep 30");
    TaskManager manager(env);
    const auto running = manager.enqueue(a, ConversionOp::mute());
    const auto queued = manager.enqueue(a, ConversionOp::trim(0, 1));
    ASSERT_TRUE(waitFor([&] { return running->status() == Status::running; }));
    spin(300); // ffmpeg is under way
    bool completed = false;
    Status statusAtCompletion = Status::queued;
    manager.shutdown([&] {
        completed = true;
        statusAtCompletion = running->status();
    });
    EXPECT_FALSE(completed);
    ASSERT_TRUE(waitFor([&] { return completed; }, 10000));
    EXPECT_EQ(statusAtCompletion, Status::cancelled);
    EXPECT_TRUE(running->finishedAt().has_value());
    EXPECT_EQ(queued->status(), Status::cancelled);
    EXPECT_TRUE(leftovers(dir.path()).isEmpty());
    EXPECT_EQ(manager.enqueue(a, ConversionOp::mute()), nullptr);
}

TEST_F(TaskManagerTest, ShutdownWhenIdleCompletesOnTheNextTurn)
{
    TaskManager manager(env);
    bool completed = false;
    manager.shutdown([&] { completed = true; });
    EXPECT_FALSE(completed);
    ASSERT_TRUE(waitFor([&] { return completed; }, 1000));
}

TEST_F(TaskManagerTest, DismissAndPurgeKeepActiveTasks)
{
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    fakeFFmpeg("exec sleep 30");
    TaskManager manager(env);
    const auto running = manager.enqueue(a, ConversionOp::mute());
    const auto queued = manager.enqueue(a, ConversionOp::trim(0, 1));
    const auto cancelled = manager.enqueue(a, ConversionOp::speed(2));
    cancelled->cancel();
    ASSERT_TRUE(waitFor([&] { return running->status() == Status::running; }));
    manager.dismiss(running);
    EXPECT_EQ(manager.tasks().size(), 3);
    manager.purgeFinished();
    EXPECT_EQ(manager.tasks(), (QList<TaskPtr>{running, queued}));
    running->cancel();
    queued->cancel();
    runAll(manager);
    manager.dismiss(running);
    EXPECT_EQ(manager.tasks(), QList<TaskPtr>{queued});
}

TEST_F(TaskManagerTest, ChangesArriveOnTheMainThreadAndDoneIsAnnounced)
{
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    TaskManager manager(env);
    int changes = 0;
    bool offMain = false;
    manager.setOnChange([&] {
        ++changes;
        offMain |= QThread::currentThread() != QCoreApplication::instance()->thread();
    });
    QList<TaskPtr> finished;
    QObject::connect(&manager, &TaskManager::conversionFinished, &manager, [&](const TaskPtr& t) { finished << t; });
    const auto t = manager.enqueue(a, ConversionOp::snapshot(0.5));
    const auto failing = manager.enqueue(path("missing.mp4"), ConversionOp::mute());
    runAll(manager);
    EXPECT_EQ(t->status(), Status::done);
    EXPECT_EQ(failing->status(), Status::failed);
    EXPECT_GT(changes, 2);
    EXPECT_FALSE(offMain);
    EXPECT_EQ(finished, QList<TaskPtr>{t});
}

TEST_F(TaskManagerTest, CustomOutputFolderAndOverride)
{
    const QString a = copy(TestMedia::clip(1), "a.mp4");
    QTemporaryDir custom, override;
    Preferences::setValue("kv.outputLocation", "custom");
    OutputLocation::saveBookmark(custom.path());
    TaskManager manager(env);
    EXPECT_EQ(manager.enqueue(a, ConversionOp::mute())->output(), custom.filePath("a Muted.mp4"));
    // A bookmark whose folder is gone sends outputs beside the source again.
    OutputLocation::saveBookmark(custom.filePath("gone"));
    EXPECT_EQ(manager.enqueue(a, ConversionOp::trim(0, 1))->output(), path("a Trimmed.mp4"));
    manager.setOutputDirectoryOverride(override.path());
    EXPECT_EQ(manager.enqueue(a, ConversionOp::trim(0, 1))->output(), override.filePath("a Trimmed.mp4"));
    const auto split = manager.enqueue(a, ConversionOp::split(0.5));
    EXPECT_EQ(split->output(), override.path());
    runAll(manager);
    // The files are where the names said, and nowhere else.
    for (const TaskPtr& t : manager.tasks())
        EXPECT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    EXPECT_EQ(QDir(custom.path()).entryList(QDir::Files), QStringList{"a Muted.mp4"});
    EXPECT_EQ(QDir(override.path()).entryList(QDir::Files),
              (QStringList{"a Part 01.mp4", "a Part 02.mp4", "a Trimmed.mp4"}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a Trimmed.mp4", "a.mp4"}));
}

TEST_F(TaskManagerTest, InputsThatAreNotRegularFilesFailAtOnceWithTheReason)
{
    // A FIFO would block ffprobe until its time limit and a device would be read forever.
    const QString fifo = path("a.mp4");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("zero.mov")));
    TaskManager manager(env);
    const auto fromFifo = manager.enqueue(fifo, ConversionOp::mute());
    const auto fromDevice = manager.enqueue(path("zero.mov"), ConversionOp::convert(OutputFormat::mp4));
    const auto gone = manager.enqueue(path("gone.mov"), ConversionOp::mute());
    runAll(manager, 20000);
    EXPECT_EQ(fromFifo->error().value_or(QString()), "a.mp4 is a named pipe, not a media file.");
    EXPECT_EQ(fromDevice->error().value_or(QString()), "zero.mov is a device, not a media file.");
    EXPECT_EQ(gone->error().value_or(QString()), "gone.mov was not found. It may have been moved, renamed or deleted.");
    for (const auto& t : {fromFifo, fromDevice, gone})
        EXPECT_EQ(t->status(), Status::failed);
}

TEST_F(TaskManagerTest, SnapshotAtOrPastTheEndTakesTheLastFrame)
{
    const QString a = copy(TestMedia::clip(2), "a.mp4");
    TaskManager manager(env);
    const auto nearEnd = manager.enqueue(a, ConversionOp::snapshot(1.999));
    const auto pastEnd = manager.enqueue(a, ConversionOp::snapshot(99999));
    runAll(manager);
    for (const auto& t : {nearEnd, pastEnd}) {
        ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
        const auto info = MediaProbe::probe(t->outputs().value(0));
        ASSERT_TRUE(info);
        EXPECT_EQ(info->width, 320);
    }
    EXPECT_TRUE(leftovers(dir.path()).isEmpty());
}

TEST_F(TaskManagerTest, LongGifIsMadeInTwoPassesAndLeavesNothingBehind)
{
    // One pass would hold more frame memory than allowed before its palette exists: a narrow, tall picture
    // is scaled to a tall GIF, so a short clip crosses the limit that a long one crosses at usual sizes.
    const QString a = copy(TestMedia::clip(3, 48, 480, false), "long.mp4");
    const auto info = MediaProbe::probe(a);
    ASSERT_TRUE(info);
    ASSERT_FALSE(ConversionEngine::gifFitsOnePass(info));
    TaskManager manager(env);
    QList<double> seen;
    const auto t = manager.enqueue(a, ConversionOp::convert(OutputFormat::gif));
    manager.setOnChange([&] { seen << t->progress(); });
    runAll(manager);
    ASSERT_EQ(t->status(), Status::done) << statusText(t).toStdString();
    const auto gif = MediaProbe::probe(path("long.gif"));
    ASSERT_TRUE(gif);
    EXPECT_NEAR(gif->duration, 3, 0.5);
    // Progress moved through both passes, never backwards.
    EXPECT_TRUE(std::any_of(seen.cbegin(), seen.cend(), [](double p) { return p > 0.05 && p < 0.95; }));
    EXPECT_TRUE(std::is_sorted(seen.cbegin(), seen.cend()));
    EXPECT_TRUE(leftovers(dir.path()).isEmpty());
}

TEST_F(TaskManagerTest, ImageOnAFullDiskSaysSoAndPublishesNothing)
{
    QTemporaryDir mountPoint;
    const QString target = mountPoint.path();
    int code = -1;
    TestMedia::run("/bin/mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", target}, &code);
    if (code != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    // Noise does not compress: a 1200x1200 PNG of it is several megabytes.
    const QString png = path("noise.png");
    ASSERT_TRUE(TestMedia::ffmpeg(
        {"-f", "lavfi", "-i", "nullsrc=s=1200x1200,geq=random(1)*255:128:128", "-frames:v", "1", png}));
    TaskManager manager(env);
    manager.setOutputDirectoryOverride(target);
    const auto t = manager.enqueue(png, ConversionOp::convertImage(ImageFormat::png));
    runAll(manager);
    const QStringList left = QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    TestMedia::run("/bin/umount", {target}, &code);
    EXPECT_EQ(t->status(), Status::failed);
    EXPECT_EQ(t->error().value_or(QString()), "Cannot save noise Converted.png: Not enough space in " + target + ".");
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}
