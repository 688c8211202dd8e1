// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-cli converting real files: names, progress, exit statuses and Ctrl-C.
#include "ChildProcess.h"
#include "EventLoop.h"
#include "MediaProbe.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

using namespace karvo;
using namespace karvo::test;

namespace {
struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

class CliConvertTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString copy(const QString& source, const QString& name)
    {
        const QString target = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(source, target));
        return target;
    }

    // Runs karvo-cli in the test folder; `interruptAfterMs` >= 0 sends SIGINT after that long.
    CliRun cli(const QStringList& args, int interruptAfterMs = -1)
    {
        ChildProcess process;
        const QString launcher = QStringLiteral("/usr/bin/env");
        const QStringList full = QStringList{"-C", dir.path(), QStringLiteral(KARVO_CLI_PATH)} + args;
        EXPECT_EQ(process.start(launcher, full), QString());
        std::thread interrupter;
        if (interruptAfterMs >= 0) {
            interrupter = std::thread([&] {
                QThread::msleep(static_cast<unsigned long>(interruptAfterMs));
                process.sendSignal(SIGINT);
            });
        }
        CliRun run;
        QByteArray err;
        std::thread errReader([&] { err = ChildProcess::readAll(process.stderrFd()); });
        run.out = QString::fromUtf8(ChildProcess::readAll(process.stdoutFd()));
        errReader.join();
        const auto exit = process.waitForExit();
        if (interrupter.joinable())
            interrupter.join();
        run.err = QString::fromUtf8(err);
        run.status = exit.normal ? exit.code : 128 + exit.signal;
        return run;
    }

    QStringList hiddenEntries() const
    {
        return QDir(dir.path()).entryList({".*"}, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
};
} // namespace

TEST_F(CliConvertTest, ConvertsBesideTheSourceAndNeverOverwrites)
{
    copy(TestMedia::clip(2), "clip.mov");
    const CliRun first = cli({"mp4", "clip.mov"});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("done  clip.mov -> " + dir.filePath("clip.mp4"))) << first.out.toStdString();
    EXPECT_TRUE(MediaProbe::probe(dir.filePath("clip.mp4")).has_value());

    const CliRun second = cli({"mp4", "clip.mov"});
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("clip 2.mp4")));
    EXPECT_TRUE(hiddenEntries().isEmpty());
}

TEST_F(CliConvertTest, ToolsTakeOptionsAndSplitWritesEveryPart)
{
    copy(TestMedia::clip(25, 160, 120, true), "long.mov");
    const CliRun split = cli({"split", "--every", "10", "long.mov"});
    EXPECT_EQ(split.status, 0) << split.err.toStdString();
    for (const char* part : {"long Part 01.mp4", "long Part 02.mp4", "long Part 03.mp4"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(part))) << part;

    const CliRun trim = cli({"trim", "--start", "1", "--end", "3", "long.mov"});
    EXPECT_EQ(trim.status, 0) << trim.err.toStdString();
    const auto info = MediaProbe::probe(dir.filePath("long Trimmed.mp4"));
    ASSERT_TRUE(info);
    EXPECT_NEAR(info->duration, 2.0, 0.2);
}

TEST_F(CliConvertTest, JsonReportsOneObjectPerTask)
{
    copy(TestMedia::clip(1), "a.mp4");
    copy(TestMedia::wav(), "b.wav");
    const CliRun run = cli({"m4a", "--json", "a.mp4", "b.wav"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
    for (const QString& line : lines) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        EXPECT_EQ(o["status"].toString(), "done");
        EXPECT_EQ(o["outputs"].toArray().size(), 1);
    }
}

TEST_F(CliConvertTest, FilesThatDoNotFitFailTheRun)
{
    copy(TestMedia::clip(2), "short.mp4");
    copy(TestMedia::clip(4), "long.mp4");
    // short.mp4 ends before the chosen start: it is refused, long.mp4 is trimmed all the same.
    const CliRun run = cli({"trim", "--start", "3", "--end", "4", "short.mp4", "long.mp4"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Cannot process short.mp4: This file doesn't fit the chosen settings."))
        << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("long Trimmed.mp4")));

    const CliRun none = cli({"mp4", "notes.txt"});
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.err.contains("Unsupported file"));

    const CliRun bad = cli({"speed", "--factor", "fast", "long.mp4"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains("--factor"));
}

TEST_F(CliConvertTest, OutputDirSendsOutputsThere)
{
    copy(TestMedia::clip(1), "a.mp4");
    QTemporaryDir out;
    const CliRun run = cli({"mute", "--output-dir", out.path(), "a.mp4"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out.filePath("a Muted.mp4")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("a Muted.mp4")));
}

TEST_F(CliConvertTest, InterruptCancelsEverythingAndLeavesNothing)
{
    copy(TestMedia::clip(25, 640, 360, true), "long.mov");
    const CliRun run = cli({"speed", "--factor", "0.25", "long.mov"}, 1500);
    EXPECT_EQ(run.status, 130) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("cancelled")) << run.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("long Speed.mp4")));
    EXPECT_TRUE(hiddenEntries().isEmpty()) << hiddenEntries().join(' ').toStdString();
}

TEST_F(CliConvertTest, NamesAndMessagesReachTheTerminalEscaped)
{
    const QString hostile = QString::fromUtf8("a\x1b]0;owned\x07\x1b[2J\nb.mov");
    copy(TestMedia::clip(1), hostile);
    const CliRun run = cli({"mute", hostile});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QString::fromUtf8("a\x1b]0;owned\x07\x1b[2J\nb Muted.mov"))));
    EXPECT_TRUE(run.out.contains("a\\x1b]0;owned\\x07\\x1b[2J\\nb.mov")) << run.out.toStdString();

    // Refusals and usage errors repeat what they were given, escaped as well.
    const CliRun refused = cli({"trim", "--start", "50", hostile});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("Cannot process a\\x1b]0;owned")) << refused.err.toStdString();
    const CliRun unknown = cli({"\x1b[2Jfrob"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains("\\x1b[2Jfrob")) << unknown.err.toStdString();
    const CliRun badValue = cli({"speed", "--factor", "\x1b[5m", "x.mov"});
    EXPECT_EQ(badValue.status, 2);
    for (const CliRun* r : {&run, &refused, &unknown, &badValue}) {
        for (const QString& text : {r->out, r->err}) {
            EXPECT_FALSE(text.contains(QChar(0x1b))) << text.toStdString();
            EXPECT_FALSE(text.contains(QChar(0x07))) << text.toStdString();
        }
    }
}

TEST_F(CliConvertTest, OptionsThatDoNotFitTheFilesAreErrors)
{
    copy(TestMedia::clip(1), "clip.mp4");
    const QString png = TestMedia::cached("photo.png", [](const QString& path) {
        return TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240", "-frames:v", "1", path});
    });
    copy(png, "photo.png");
    const struct {
        QStringList args;
        QString named;
    } rows[] = {
        {{"compress", "--preset", "2", "photo.png"}, "--preset"},
        {{"compress", "--quality", "0.5", "clip.mp4"}, "--quality"},
        {{"compress", "--preset", "2", "clip.mp4", "photo.png"}, "--preset"},
        {{"mp4", "--at", "3", "clip.mp4"}, "--at"},
        {{"crop", "--rect", "1,1,1,1", "clip.mp4"}, "--rect"},
        {{"split", "--every", "0.0000001", "clip.mp4"}, "--every"},
    };
    for (const auto& r : rows) {
        const CliRun run = cli(r.args);
        EXPECT_EQ(run.status, 2) << r.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(r.named)) << run.err.toStdString();
    }
    // Nothing was converted.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"clip.mp4", "photo.png"}));

    // A quality outside the setting's range is clamped as the setting is, and said.
    const CliRun clamped = cli({"compress", "--quality", "1", "photo.png"});
    EXPECT_EQ(clamped.status, 0) << clamped.err.toStdString();
    EXPECT_TRUE(clamped.err.contains("using 0.95")) << clamped.err.toStdString();
}

// libvips and OpenCV come with the image module, loaded at the first picture: karvo-cli does not link them,
// and pictures are still converted.
TEST_F(CliConvertTest, PicturesGoThroughTheImageModuleLoadedWhenNeeded)
{
    const QByteArray headers = TestMedia::run(QStringLiteral("objdump"), {"-p", QStringLiteral(KARVO_CLI_PATH)});
    ASSERT_TRUE(headers.contains("NEEDED"));
    EXPECT_FALSE(headers.contains("libvips"));
    EXPECT_FALSE(headers.contains("libopencv"));
    const QString png = TestMedia::cached("photo.png", [](const QString& path) {
        return TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240", "-frames:v", "1", path});
    });
    copy(png, "photo.png");
    const CliRun run = cli({"jpeg", "photo.png"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const auto info = MediaProbe::probe(dir.filePath("photo.jpg"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->width, 320);
}
