// SPDX-License-Identifier: GPL-3.0-or-later
// One ffmpeg run through the runner itself: staging, progress from the report, what counts as success.
#include "FFmpegRun.h"

#include "ChildProcess.h"
#include "ConversionEngine.h"
#include "EventLoop.h"
#include "MediaProbe.h"
#include "TaskTestDoubles.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;
using namespace karvo::test;
using Outcome = FFmpegRun::Outcome;

namespace {
class FFmpegRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.files = files;
        env.tools = tools;
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList leftovers() const { return QDir(dir.path()).entryList({".tessvane-*"}, QDir::Dirs | QDir::Hidden); }
    void fakeFFmpeg(const QString& body) { tools->set("ffmpeg", writeScript(fakes.filePath("bin"), "ffmpeg", body)); }

    struct Run {
        FFmpegRun::Result result;
        QList<double> progress;
    };
    Run run(const FFmpegStep& step, const TaskPtr& task)
    {
        OutputPublisher publisher(*env.files, {});
        FFmpegRun runner(env, publisher);
        Run r;
        QMutex mutex;
        r.result = runner.run(step, task, {}, [&](double f) {
            QMutexLocker lock(&mutex);
            r.progress << f;
        });
        return r;
    }
    TaskPtr runningTask(const QString& output)
    {
        auto task = std::make_shared<ConversionTask>(path("in.mp4"), ConversionOp::mute(), output);
        task->claim();
        return task;
    }

    QTemporaryDir dir, fakes;
    std::shared_ptr<FaultyFileSystem> files = std::make_shared<FaultyFileSystem>();
    std::shared_ptr<TestToolLocator> tools = std::make_shared<TestToolLocator>();
    TaskEnvironment env;
};
} // namespace

TEST_F(FFmpegRunTest, RealRunReportsRisingProgressAndPublishesOnlyWhenFinal)
{
    const QString input = TestMedia::clip(4);
    const auto info = MediaProbe::probe(input);
    ASSERT_TRUE(info);
    const QString output = path("in Speed.mp4");
    const auto task = runningTask(output);
    const FFmpegStep step{ConversionEngine::arguments(ConversionOp::speed(0.5), input, output, info), 8.0, false};
    const Run r = run(step, task);
    ASSERT_EQ(r.result.outcome, Outcome::success) << r.result.message.toStdString();
    // Fractions come from ffmpeg's own report while it works, never backwards, ending at 1.
    ASSERT_FALSE(r.progress.isEmpty());
    EXPECT_TRUE(std::any_of(r.progress.cbegin(), r.progress.cend(), [](double f) { return f > 0 && f < 1; }));
    EXPECT_TRUE(std::is_sorted(r.progress.cbegin(), r.progress.cend()));
    EXPECT_DOUBLE_EQ(r.progress.last(), 1.0);
    // Not final: the file is published but the task keeps running, as between split parts.
    EXPECT_EQ(task->outputs(), QStringList{output});
    EXPECT_EQ(task->status(), ConversionTask::Status::running);
    EXPECT_DOUBLE_EQ(task->progress(), 0.0);
    EXPECT_NEAR(MediaProbe::probe(output)->duration, 8.0, 0.3);
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(FFmpegRunTest, EndOfReportIsCompleteEvenWithoutADuration)
{
    const QString real = TestMedia::clip(1);
    fakeFFmpeg("for last; do :; done\ncp '" + real + "' \"$last\"\necho progress=end\n");
    const auto task = runningTask(path("o.mp4"));
    const Run r = run({{"-i", "x", path("o.mp4")}, 0, true}, task);
    ASSERT_EQ(r.result.outcome, Outcome::success) << r.result.message.toStdString();
    EXPECT_EQ(r.progress, QList<double>{1.0});
    EXPECT_EQ(task->status(), ConversionTask::Status::done);
}

TEST_F(FFmpegRunTest, CancelledBeforeLaunchStartsNothingAndLeavesNothing)
{
    const QString marker = path("started");
    fakeFFmpeg("touch '" + marker + "'\n");
    const auto task = runningTask(path("o.mp4"));
    task->cancel();
    const Run r = run({{"-i", "x", path("o.mp4")}, 0, true}, task);
    EXPECT_EQ(r.result.outcome, Outcome::cancelled);
    EXPECT_FALSE(QFileInfo::exists(marker));
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(FFmpegRunTest, HugeStandardErrorIsCutToItsTail)
{
    // 4 MB of noise then the real reason: the tail is kept, and its reason is told in plain words.
    fakeFFmpeg("head -c 4000000 /dev/zero | tr '\\0' 'x' >&2\necho >&2\necho 'Invalid data found when processing "
               "input' >&2\nexit 1\n");
    const auto task = runningTask(path("o.mp4"));
    const Run r = run({{"-i", "x", path("o.mp4")}, 0, true}, task);
    EXPECT_EQ(r.result.outcome, Outcome::failed);
    EXPECT_EQ(r.result.message, "The file looks damaged or isn't a supported media file.");
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(FFmpegRunTest, NoStagingFolderAnywhereFailsWithTheReason)
{
    QTemporaryDir fallback;
    files->refuseStaging(dir.path(), EACCES);
    files->refuseStaging(fallback.path(), ENOSPC);
    files->setTemporaryFolder(fallback.path());
    const auto task = runningTask(path("o.mp4"));
    const Run r = run({{"-i", "x", path("o.mp4")}, 0, true}, task);
    EXPECT_EQ(r.result.outcome, Outcome::failed);
    EXPECT_EQ(r.result.message, "Cannot create output: No space left on device");
}
