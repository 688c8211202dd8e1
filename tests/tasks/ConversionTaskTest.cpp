// SPDX-License-Identifier: GPL-3.0-or-later
// The task's lock-protected state, publishing without replacing, and staging folders.
#include "ConversionTask.h"

#include "ChildProcess.h"
#include "SafeMove.h"
#include "StagingFolder.h"
#include "TaskTestDoubles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/time.h>
#include <thread>

using namespace karvo;
using Status = ConversionTask::Status;

namespace {
QString writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(content);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ConversionTaskTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    karvo::test::FaultyFileSystem files;
    QString path(const QString& name) const { return dir.filePath(name); }
};
} // namespace

TEST_F(ConversionTaskTest, CancelLeavesFinalTasksAlone)
{
    for (Status final : {Status::done, Status::failed, Status::cancelled}) {
        ConversionTask task(path("a.mov"), ConversionOp::mute(), path("a Muted.mov"));
        task.setStatus(final);
        task.cancel();
        EXPECT_EQ(task.status(), final);
    }
    ConversionTask queued(path("a.mov"), ConversionOp::mute(), path("a Muted.mov"));
    queued.cancel();
    EXPECT_EQ(queued.status(), Status::cancelled);
}

TEST_F(ConversionTaskTest, FinishNeverOverwritesCancelled)
{
    ConversionTask task(path("a.mov"), ConversionOp::mute(), path("a Muted.mov"));
    task.setStatus(Status::running);
    task.cancel();
    task.finish(Status::done, std::nullopt, QDateTime::currentDateTime());
    EXPECT_EQ(task.status(), Status::cancelled);
    EXPECT_TRUE(task.finishedAt().has_value());
}

TEST_F(ConversionTaskTest, PublishOnCancelledTaskKeepsStagedFile)
{
    const QString staged = writeFile(path("staged.mp4"), "data");
    ConversionTask task(path("a.mov"), ConversionOp::trim(0, 1), path("a Trimmed.mp4"));
    task.cancel();
    const auto result = task.publish(files, staged, path("a Trimmed.mp4"), true);
    EXPECT_FALSE(result.published);
    EXPECT_EQ(result.error, 0);
    EXPECT_TRUE(QFileInfo::exists(staged));
    EXPECT_FALSE(QFileInfo::exists(path("a Trimmed.mp4")));
    EXPECT_TRUE(task.outputs().isEmpty());
}

TEST_F(ConversionTaskTest, PublishNotFinalKeepsRunningAndProgress)
{
    ConversionTask task(path("a.mov"), ConversionOp::split(10), dir.path());
    task.setStatus(Status::running);
    task.setProgress(0.4);
    const auto result = task.publish(files, writeFile(path("s1"), "1"), path("a Part 01.mp4"), false);
    EXPECT_TRUE(result.published);
    EXPECT_EQ(task.status(), Status::running);
    EXPECT_DOUBLE_EQ(task.progress(), 0.4);
    EXPECT_EQ(task.outputs(), QStringList{path("a Part 01.mp4")});

    task.publish(files, writeFile(path("s2"), "2"), path("a Part 02.mp4"), true);
    EXPECT_EQ(task.status(), Status::done);
    EXPECT_DOUBLE_EQ(task.progress(), 1.0);
    EXPECT_EQ(task.outputs(), (QStringList{path("a Part 01.mp4"), path("a Part 02.mp4")}));
}

TEST_F(ConversionTaskTest, PublishNeverReplacesAFileThatAppeared)
{
    writeFile(path("a Trimmed.mp4"), "someone else's");
    const QString staged = writeFile(path("staged.mp4"), "ours");
    ConversionTask task(path("a.mov"), ConversionOp::trim(0, 1), path("a Trimmed.mp4"));
    task.setStatus(Status::running);

    // Without a fallback rule the move is refused and nothing changes.
    const auto refused = task.publish(files, staged, path("a Trimmed.mp4"), true);
    EXPECT_FALSE(refused.published);
    EXPECT_EQ(refused.error, EEXIST);
    EXPECT_EQ(readFile(path("a Trimmed.mp4")), "someone else's");
    EXPECT_EQ(task.status(), Status::running);

    // With the naming rule the finished work lands under the next free name.
    const auto moved = task.publish(files, staged, path("a Trimmed.mp4"), true,
                                    [this](const QString&) { return path("a Trimmed 2.mp4"); });
    EXPECT_TRUE(moved.published);
    EXPECT_EQ(moved.destination, path("a Trimmed 2.mp4"));
    EXPECT_EQ(readFile(path("a Trimmed 2.mp4")), "ours");
    EXPECT_EQ(readFile(path("a Trimmed.mp4")), "someone else's");
    EXPECT_EQ(task.status(), Status::done);
}

TEST_F(ConversionTaskTest, CancelAndPublishRacingNeverDisagree)
{
    // Whichever wins, a published task is done and a cancelled one published nothing.
    for (int round = 0; round < 200; ++round) {
        const QString staged = writeFile(path(QStringLiteral("s%1").arg(round)), "x");
        const QString dest = path(QStringLiteral("out%1.mp4").arg(round));
        ConversionTask task(path("a.mov"), ConversionOp::mute(), dest);
        task.setStatus(Status::running);
        std::thread canceller([&] { task.cancel(); });
        const auto result = task.publish(files, staged, dest, true);
        canceller.join();
        if (result.published) {
            EXPECT_EQ(task.status(), Status::done);
            EXPECT_TRUE(QFileInfo::exists(dest));
        } else {
            EXPECT_EQ(task.status(), Status::cancelled);
            EXPECT_FALSE(QFileInfo::exists(dest));
        }
    }
}

TEST_F(ConversionTaskTest, CancelTerminatesTheAttachedProcess)
{
    ConversionTask task(path("a.mov"), ConversionOp::mute(), path("o.mov"));
    task.setStatus(Status::running);
    auto process = std::make_shared<ChildProcess>();
    ASSERT_TRUE(task.attachProcess(process, [&] {
        EXPECT_EQ(process->start("/bin/sleep", {"30"}, ChildProcess::Output::discard, ChildProcess::Output::discard),
                  QString());
    }));
    task.cancel();
    const auto exit = process->waitForExit();
    EXPECT_FALSE(exit.normal);
    EXPECT_EQ(exit.signal, SIGTERM);

    // A cancelled task never launches anything.
    bool started = false;
    EXPECT_FALSE(task.attachProcess(std::make_shared<ChildProcess>(), [&] { started = true; }));
    EXPECT_FALSE(started);
}

TEST_F(ConversionTaskTest, SafeMoveAcrossFileSystemsCopiesWithoutReplacing)
{
    const QString staged = writeFile(path("staged.bin"), QByteArray(300000, 'k'));
    EXPECT_EQ(SafeMove::moveAcrossFileSystems(staged, path("final.bin")), 0);
    EXPECT_EQ(readFile(path("final.bin")).size(), 300000);
    EXPECT_FALSE(QFileInfo::exists(staged));

    const QString second = writeFile(path("second.bin"), "second");
    EXPECT_EQ(SafeMove::moveAcrossFileSystems(second, path("final.bin")), EEXIST);
    EXPECT_EQ(readFile(path("final.bin")).size(), 300000);
    EXPECT_TRUE(QFileInfo::exists(second));
    // No hidden temporary copy is left in the destination folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter(".karvo-").size(), 0);
}

TEST_F(ConversionTaskTest, SafeMoveToRealOtherFileSystem)
{
    // /dev/shm is a tmpfs on Linux: a real EXDEV.
    QTemporaryDir shm(QStringLiteral("/dev/shm/karvo-test-XXXXXX"));
    if (!shm.isValid())
        GTEST_SKIP() << "no /dev/shm here";
    const QString staged = writeFile(shm.filePath("staged.bin"), "across");
    EXPECT_EQ(SafeMove::moveNoReplace(staged, path("across.bin")), 0);
    EXPECT_EQ(readFile(path("across.bin")), "across");
    EXPECT_FALSE(QFileInfo::exists(staged));
}

TEST_F(ConversionTaskTest, StagingFolderIsRemovedWithItsContents)
{
    QString where;
    {
        StagingFolder staging(dir.path(), files);
        ASSERT_TRUE(staging.isValid());
        where = staging.path();
        EXPECT_TRUE(QFileInfo(where).fileName().startsWith(".tessvane-"));
        EXPECT_EQ(QFileInfo(where).fileName(),
                  QFileInfo(where).fileName().toUpper().replace(".TESSVANE-", ".tessvane-"));
        EXPECT_EQ(QFileInfo(where).absolutePath(), dir.path());
        writeFile(where + "/partial.mp4", "half");
    }
    EXPECT_FALSE(QFileInfo::exists(where));
}

TEST_F(ConversionTaskTest, StagingFallsBackToTheTemporaryFolder)
{
    QTemporaryDir fallback;
    files.setTemporaryFolder(fallback.path());
    files.refuseStaging(dir.path(), EROFS);
    StagingFolder staging(dir.path(), files);
    ASSERT_TRUE(staging.isValid());
    EXPECT_EQ(QFileInfo(staging.path()).absolutePath(), fallback.path());

    files.refuseStaging(fallback.path(), ENOSPC);
    StagingFolder none(dir.path(), files);
    EXPECT_FALSE(none.isValid());
    EXPECT_FALSE(none.error().isEmpty());

    // A missing output folder is not created on the way.
    karvo::test::FaultyFileSystem healthy;
    healthy.setTemporaryFolder(fallback.path());
    StagingFolder missing(path("does/not/exist"), healthy);
    ASSERT_TRUE(missing.isValid());
    EXPECT_FALSE(QFileInfo::exists(path("does")));
}

TEST_F(ConversionTaskTest, ClaimAndCancelRacingNeverRunACancelledTask)
{
    // The worker's claim and the user's cancel meet on the task's own lock: exactly one of them wins.
    for (int round = 0; round < 2000; ++round) {
        ConversionTask task(path("a.mov"), ConversionOp::mute(), path("o.mov"));
        std::atomic<bool> go{false};
        std::thread canceller([&] {
            while (!go.load()) {
            }
            task.cancel();
        });
        go = true;
        const bool claimed = task.claim();
        canceller.join();
        // Cancel always lands: before the claim, or on the running task after it.
        ASSERT_EQ(task.status(), Status::cancelled) << round;
        EXPECT_FALSE(task.claim());
        (void)claimed;
    }
    ConversionTask done(path("a.mov"), ConversionOp::mute(), path("o.mov"));
    done.setStatus(Status::done);
    EXPECT_FALSE(done.claim());
    EXPECT_EQ(done.status(), Status::done);
}

TEST_F(ConversionTaskTest, AbandonedStagingFoldersAreRemovedAndLiveOnesKept)
{
    // A folder whose run was killed: its owner file is there but nobody holds the lock.
    const QString killed = path(".tessvane-11111111-2222-3333-4444-555555555555");
    ASSERT_TRUE(QDir().mkdir(killed));
    writeFile(killed + "/.owner", "4242\n");
    writeFile(killed + "/clip.mp4", "half written");
    // Ownerless folders: a recent one may be a run that is just starting, an old one is a leftover.
    const QString young = path(".tessvane-AAAAAAAA-2222-3333-4444-555555555555");
    const QString old = path(".tessvane-BBBBBBBB-2222-3333-4444-555555555555");
    ASSERT_TRUE(QDir().mkdir(young));
    ASSERT_TRUE(QDir().mkdir(old));
    const struct timeval twoDaysAgo[2] = {{::time(nullptr) - 2 * 86400, 0}, {::time(nullptr) - 2 * 86400, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(old).constData(), twoDaysAgo), 0);
    // Something of the user's that only looks similar stays.
    writeFile(path(".tessvane-notes.txt"), "mine");

    StagingFolder live(dir.path(), files);
    ASSERT_TRUE(live.isValid());
    writeFile(live.path() + "/ours.mp4", "in progress");
    EXPECT_FALSE(QFileInfo::exists(killed));
    EXPECT_FALSE(QFileInfo::exists(old));
    EXPECT_TRUE(QFileInfo::exists(young));

    // Another run in the same folder leaves the live one alone.
    EXPECT_EQ(StagingFolder::removeAbandoned(dir.path()), 0);
    EXPECT_TRUE(QFileInfo::exists(live.path() + "/ours.mp4"));
    EXPECT_TRUE(QFileInfo::exists(path(".tessvane-notes.txt")));
}
