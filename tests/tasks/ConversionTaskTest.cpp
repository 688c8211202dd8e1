// SPDX-License-Identifier: GPL-3.0-or-later
// The task's lock-protected state, publishing without replacing, and staging folders.
#include "ConversionTask.h"

#include "ChildProcess.h"
#include "FileSystemFaults.h"
#include "SafeMove.h"
#include "StagingFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <gtest/gtest.h>
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
    void TearDown() override
    {
        FileSystemFaults::clear();
        SafeMove::setForceCrossDeviceForTesting(false);
        StagingFolder::setFallbackFolderForTesting({});
    }
    QTemporaryDir dir;
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
    task.finish(Status::done, std::nullopt);
    EXPECT_EQ(task.status(), Status::cancelled);
    EXPECT_TRUE(task.finishedAt().has_value());
}

TEST_F(ConversionTaskTest, PublishOnCancelledTaskKeepsStagedFile)
{
    const QString staged = writeFile(path("staged.mp4"), "data");
    ConversionTask task(path("a.mov"), ConversionOp::trim(0, 1), path("a Trimmed.mp4"));
    task.cancel();
    const auto result = task.publish(staged, path("a Trimmed.mp4"), true);
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
    const auto result = task.publish(writeFile(path("s1"), "1"), path("a Part 01.mp4"), false);
    EXPECT_TRUE(result.published);
    EXPECT_EQ(task.status(), Status::running);
    EXPECT_DOUBLE_EQ(task.progress(), 0.4);
    EXPECT_EQ(task.outputs(), QStringList{path("a Part 01.mp4")});

    task.publish(writeFile(path("s2"), "2"), path("a Part 02.mp4"), true);
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
    const auto refused = task.publish(staged, path("a Trimmed.mp4"), true);
    EXPECT_FALSE(refused.published);
    EXPECT_EQ(refused.error, EEXIST);
    EXPECT_EQ(readFile(path("a Trimmed.mp4")), "someone else's");
    EXPECT_EQ(task.status(), Status::running);

    // With the naming rule the finished work lands under the next free name.
    const auto moved =
        task.publish(staged, path("a Trimmed.mp4"), true, [this](const QString&) { return path("a Trimmed 2.mp4"); });
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
        const auto result = task.publish(staged, dest, true);
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
    SafeMove::setForceCrossDeviceForTesting(true);
    const QString staged = writeFile(path("staged.bin"), QByteArray(300000, 'k'));
    EXPECT_EQ(SafeMove::moveNoReplace(staged, path("final.bin")), 0);
    EXPECT_EQ(readFile(path("final.bin")).size(), 300000);
    EXPECT_FALSE(QFileInfo::exists(staged));

    const QString second = writeFile(path("second.bin"), "second");
    EXPECT_EQ(SafeMove::moveNoReplace(second, path("final.bin")), EEXIST);
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
        StagingFolder staging(dir.path());
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
    StagingFolder::setFallbackFolderForTesting(fallback.path());
    FileSystemFaults::refuseStaging(dir.path(), EROFS);
    StagingFolder staging(dir.path());
    ASSERT_TRUE(staging.isValid());
    EXPECT_EQ(QFileInfo(staging.path()).absolutePath(), fallback.path());

    FileSystemFaults::refuseStaging(fallback.path(), ENOSPC);
    StagingFolder none(dir.path());
    EXPECT_FALSE(none.isValid());
    EXPECT_FALSE(none.error().isEmpty());

    // A missing output folder is not created on the way.
    FileSystemFaults::clear();
    StagingFolder::setFallbackFolderForTesting(fallback.path());
    StagingFolder missing(path("does/not/exist"));
    ASSERT_TRUE(missing.isValid());
    EXPECT_FALSE(QFileInfo::exists(path("does")));
}
