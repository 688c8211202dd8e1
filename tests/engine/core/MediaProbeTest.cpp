// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaProbe.h"

#include "FFmpegLocator.h"
#include "Printers.h"
#include "TestMedia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <thread>

using namespace karvo;
namespace TestMedia = karvo::test::TestMedia;
using karvo::test::writeScript;

namespace {

const QString kMp4Family = QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2");

QString writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return path;
}

// Real ffprobe on generated media.
TEST(MediaProbeReal, ReportsDisplayedSizeStreamsDurationAndContainer)
{
    struct Row {
        const char* name;
        std::function<QString()> file;
        int width;
        int height;
        bool video;
        bool audio;
        QString format;
        double duration;
    };
    const Row rows[] = {
        {"clip1080", TestMedia::clip1080, 1920, 1080, true, true, kMp4Family, 3.0},
        {"rotated -90", TestMedia::rotatedClip, 1080, 1920, true, true, kMp4Family, 1.0},
        {"rotated 180", TestMedia::rotated180, 1920, 1080, true, true, kMp4Family, 1.0},
        {"mp3 with cover", TestMedia::mp3WithCover, 0, 0, false, true, "mp3", 2.0},
        {"wav", TestMedia::wav, 0, 0, false, true, "wav", 2.0},
        {"silent video", TestMedia::silentVideo, 640, 360, true, false, kMp4Family, 2.0},
        {"odd gif", TestMedia::oddGif, 161, 121, true, false, "gif", 1.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto info = MediaProbe::probe(r.file());
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->width, r.width);
        EXPECT_EQ(info->height, r.height);
        EXPECT_EQ(info->hasVideo, r.video);
        EXPECT_EQ(info->hasAudio, r.audio);
        EXPECT_EQ(info->formatName, r.format);
        EXPECT_NEAR(info->duration, r.duration, 0.15);
    }
}

TEST(MediaProbeReal, UnreadableInputsGiveNothing)
{
    QTemporaryDir dir;
    const QString text = writeFile(dir.filePath("fake.mp4"), "this is not a video, just some words\n");
    const QString empty = writeFile(dir.filePath("empty.mov"), {});
    const std::pair<const char*, QString> rows[] = {
        {"truncated", TestMedia::truncated()},         {"text named .mp4", text}, {"empty file", empty},
        {"missing file", dir.filePath("missing.mp4")}, {"folder", dir.path()},
    };
    for (const auto& [name, path] : rows)
        EXPECT_EQ(MediaProbe::probe(path), std::nullopt) << name;
}

TEST(MediaProbeReal, NamesThatLookLikeOptionsOrProtocolsAreReadAsFiles)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    for (const QString name : {"-x.mp4", "concat:a.mp4", "file:b.mp4", "-"}) {
        ASSERT_TRUE(QFile::copy(TestMedia::silentVideo(), dir.filePath(name)));
    }
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    for (const QString name : {"-x.mp4", "concat:a.mp4", "file:b.mp4", "-"}) {
        const auto info = MediaProbe::probe(name, 30);
        ASSERT_TRUE(info.has_value()) << name.toStdString();
        EXPECT_EQ(info->width, 640) << name.toStdString();
        EXPECT_EQ(info->height, 360) << name.toStdString();
    }
    QDir::setCurrent(previous);
}

TEST(MediaProbeReal, LastVideoFrameTime)
{
    QTemporaryDir dir;
    const QString four = TestMedia::clip(4, 160, 120, true);
    const QString twelve = TestMedia::clip(12, 160, 120, false);
    // MPEG-TS starts its clock at about 1.4 s; the result is relative to the file's start.
    const QString ts = dir.filePath("four.ts");
    ASSERT_TRUE(TestMedia::ffmpeg({"-i", four, "-map", "0", "-c", "copy", "-f", "mpegts", ts}));
    const double lastOf4 = 4.0 - 1.0 / 25;
    struct Row {
        const char* name;
        QString path;
        double duration;
        std::optional<double> expected;
    };
    const Row rows[] = {
        {"4 s clip", four, 4.0, lastOf4},
        {"12 s clip, searched from 2 s", twelve, 12.0, 12.0 - 1.0 / 25},
        {"duration too long: falls back to the start", four, 100.0, lastOf4},
        {"mpeg-ts with a start offset", ts, 4.0, lastOf4},
        {"audio only", TestMedia::wav(), 2.0, std::nullopt},
        {"cover picture is not a video frame", TestMedia::mp3WithCover(), 2.0, std::nullopt},
        {"truncated", TestMedia::truncated(), 3.0, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const auto t = MediaProbe::lastVideoFrameTime(r.path, r.duration);
        ASSERT_EQ(t.has_value(), r.expected.has_value());
        if (t) {
            EXPECT_NEAR(*t, *r.expected, 0.05);
        }
    }
}

TEST(MediaProbeParse, IntervalStartKeepsAFractionalPart)
{
    const std::pair<double, const char*> rows[] = {
        {50, "50.0"}, {0, "0.0"}, {12.5, "12.5"}, {2, "2.0"}, {0.25, "0.25"}};
    for (const auto& [x, text] : rows)
        EXPECT_EQ(MediaProbe::intervalStart(x), QString::fromLatin1(text)) << x;
}

// Fake ffprobe programs stand in for what real media cannot produce: bad output, failures, hangs.
class MediaProbeFake : public ::testing::Test {
protected:
    void SetUp() override { FFmpegLocator::setTestFolders({dir.path()}, true); }
    void TearDown() override { FFmpegLocator::setTestFolders({}); }

    void fakeProbe(const QString& body) { ASSERT_FALSE(writeScript(dir.path(), "ffprobe", body).isEmpty()); }
    QString log() const { return dir.filePath("log"); }
    QString readLog() const
    {
        QFile f(log());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir dir;
};

TEST_F(MediaProbeFake, PassesQuietJsonOptionsAndTheAbsolutePath)
{
    fakeProbe(QStringLiteral("printf '%s\\n' \"$@\" > '%1'\necho '{}'").arg(log()));
    writeFile(dir.filePath("-i.mov"), "frames");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const auto info = MediaProbe::probe("-i.mov");
    QDir::setCurrent(previous);
    EXPECT_EQ(info, MediaInfo{});
    EXPECT_EQ(readLog().split('\n', Qt::SkipEmptyParts),
              (QStringList{"-v", "quiet", "-print_format", "json", "-show_format", "-show_streams",
                           QDir(dir.path()).filePath("-i.mov")}));
}

// A FIFO would keep ffprobe waiting for a writer until the time limit, a device would feed it forever.
TEST_F(MediaProbeFake, OnlyRegularReadableFilesReachFFprobe)
{
    fakeProbe(QStringLiteral("printf '%s\\n' \"$@\" >> '%1'\n"
                             "echo '{\"streams\":[{\"codec_type\":\"video\"}],\"frames\":[]}'")
                  .arg(log()));
    QTemporaryDir media;
    ASSERT_EQ(::mkfifo(QFile::encodeName(media.filePath("stream.mp4")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", media.filePath("zero.mp4")));
    ASSERT_TRUE(QDir(media.path()).mkdir("album.mp4"));
    const QStringList refused{media.filePath("stream.mp4"), media.filePath("zero.mp4"), media.filePath("album.mp4"),
                              writeFile(media.filePath("empty.mov"), {}), media.filePath("missing.mp4")};
    for (const QString& path : refused) {
        EXPECT_EQ(MediaProbe::probe(path), std::nullopt) << path.toStdString();
        EXPECT_EQ(MediaProbe::lastVideoFrameTime(path, 20), std::nullopt) << path.toStdString();
    }
    EXPECT_EQ(readLog(), QString());

    const QString regular = writeFile(media.filePath("clip.mp4"), "frames");
    EXPECT_TRUE(MediaProbe::probe(regular).has_value());
    EXPECT_TRUE(readLog().contains(regular));
}

TEST_F(MediaProbeFake, BadOutputOrFailureGivesNothing)
{
    const std::pair<const char*, QString> rows[] = {
        {"bad json", "echo '{\"streams\": [ {\"codec_type\": '"},
        {"exit 1 with good json", "echo '{\"streams\":[{\"codec_type\":\"audio\"}]}'; exit 1"},
        {"json array", "echo '[{\"codec_type\":\"audio\"}]'"},
        {"json string", "echo '\"audio\"'"},
        {"no output", "exit 0"},
        {"killed by a signal", "echo '{}'; kill -KILL $$"},
    };
    for (const auto& [name, body] : rows) {
        fakeProbe(body);
        EXPECT_EQ(MediaProbe::probe(TestMedia::wav()), std::nullopt) << name;
    }
}

TEST_F(MediaProbeFake, ParsesStreamsDispositionRotationAndDuration)
{
    const std::pair<QString, MediaInfo> rows[] = {
        {R"({"format":{"format_name":"x"}})", MediaInfo{0, 0, 0, false, false, "x"}},
        {R"({"streams":[{"codec_type":"video","disposition":{"attached_pic":1},"width":300,"height":300},
             {"codec_type":"video","width":640,"height":480,"duration":"4.5"},
             {"codec_type":"video","width":1280,"height":720,"duration":"9.0"},
             {"codec_type":"subtitle"},{"codec_type":"audio","duration":"5.25"}],
            "format":{"format_name":"matroska,webm","duration":"4.0"}})",
         MediaInfo{4.5, 640, 480, true, true, "matroska,webm"}},
        {R"({"streams":[{"codec_type":"video","width":1920,"height":1080,
             "side_data_list":[{"side_data_type":"x"},{"rotation":90},{"rotation":0}]}],"format":{"duration":"N/A"}})",
         MediaInfo{0, 1080, 1920, true, false, ""}},
        {R"({"streams":[{"codec_type":"video","width":1920,"height":1080,"side_data_list":[{"rotation":"-270"}]}]})",
         MediaInfo{0, 1080, 1920, true, false, ""}},
        {R"({"streams":[{"codec_type":"video","width":1920,"height":1080,"side_data_list":[{"rotation":45}]}]})",
         MediaInfo{0, 1920, 1080, true, false, ""}},
        {R"({"streams":[{"codec_type":"video","width":1920,"height":1080,"side_data_list":[{"rotation":-180}]}]})",
         MediaInfo{0, 1920, 1080, true, false, ""}},
        {R"({"streams":[{"codec_type":"audio"},{"codec_type":"data"}],"format":{"duration":"7.5"}})",
         MediaInfo{7.5, 0, 0, false, true, ""}},
        {R"({"streams":[{"codec_type":"video","disposition":{"attached_pic":1},"width":500,"height":500}]})",
         MediaInfo{0, 0, 0, false, false, ""}},
    };
    for (const auto& [json, expected] : rows) {
        QString quoted = json;
        quoted.replace('\n', ' ');
        fakeProbe("cat <<'EOF'\n" + quoted + "\nEOF");
        EXPECT_EQ(MediaProbe::probe(TestMedia::wav()), expected) << json.toStdString();
    }
}

TEST_F(MediaProbeFake, LastFrameSearchStartsTenSecondsBeforeTheEndThenFromZero)
{
    fakeProbe(QStringLiteral("printf '%s\\n' \"$@\" >> '%1'\necho '{\"frames\":[]}'").arg(log()));
    EXPECT_EQ(MediaProbe::lastVideoFrameTime(TestMedia::wav(), 62.5), std::nullopt);
    QStringList intervals;
    const QStringList lines = readLog().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == "-read_intervals")
            intervals << lines[i + 1];
    }
    EXPECT_EQ(intervals, (QStringList{"52.5%", "0.0%"}));

    QFile::remove(log());
    EXPECT_EQ(MediaProbe::lastVideoFrameTime(TestMedia::wav(), 4), std::nullopt);
    EXPECT_EQ(readLog().count("-read_intervals"), 1) << "a short clip is searched from 0 once";
}

TEST_F(MediaProbeFake, LastFrameIsRelativeToTheStartTime)
{
    const std::pair<QString, std::optional<double>> rows[] = {
        {R"({"frames":[{"best_effort_timestamp_time":"10.5"},{"best_effort_timestamp_time":"N/A"},
            {"best_effort_timestamp_time":"11.25"},{"best_effort_timestamp_time":"11.0"}],
            "format":{"start_time":"1.5"}})",
         9.75},
        {R"({"frames":[{"best_effort_timestamp_time":"3.0"}]})", 3.0},
        {R"({"frames":[{"best_effort_timestamp_time":"3.0"}],"format":{"start_time":"N/A"}})", 3.0},
        {R"({"frames":[{"best_effort_timestamp_time":"1.0"}],"format":{"start_time":"5.0"}})", 0.0},
        {R"({"frames":[{"best_effort_timestamp_time":"N/A"}]})", std::nullopt},
    };
    for (const auto& [json, expected] : rows) {
        QString oneLine = json;
        oneLine.replace('\n', ' ');
        fakeProbe("cat <<'EOF'\n" + oneLine + "\nEOF");
        EXPECT_EQ(MediaProbe::lastVideoFrameTime(TestMedia::wav(), 3), expected) << json.toStdString();
    }
}

TEST_F(MediaProbeFake, NoFFprobeGivesNothing)
{
    EXPECT_EQ(MediaProbe::probe(TestMedia::wav()), std::nullopt);
    EXPECT_EQ(MediaProbe::lastVideoFrameTime(TestMedia::clip(4, 160, 120, true), 4), std::nullopt);
}

// A hanging probe: asked to stop at the limit; the trap records the request and ends the script at once.
TEST_F(MediaProbeFake, HangingProbeIsAskedToStopAtTheLimit)
{
    fakeProbe(QStringLiteral("trap 'echo term > \"%1\"; kill $! 2>/dev/null; exit 0' TERM\n"
                             "sleep 30 >/dev/null &\nwait")
                  .arg(log()));
    QElapsedTimer timer;
    timer.start();
    const auto info = MediaProbe::probe(TestMedia::wav(), 1.0);
    const double elapsed = timer.elapsed() / 1000.0;
    EXPECT_EQ(info, std::nullopt);
    EXPECT_EQ(readLog().trimmed(), "term");
    EXPECT_GE(elapsed, 0.9);
    EXPECT_LE(elapsed, 2.0);
}

TEST_F(MediaProbeFake, TimedOutProbeGivesNothingEvenWhenTheToolExitsCleanly)
{
    // Valid output, then a hang; the tool exits 0 when asked to stop.
    fakeProbe(QStringLiteral("echo '{\"streams\":[{\"codec_type\":\"audio\"}]}'\n"
                             "trap 'kill $! 2>/dev/null; exit 0' TERM\nsleep 30 >/dev/null &\nwait"));
    EXPECT_EQ(MediaProbe::probe(TestMedia::wav(), 0.5), std::nullopt);
    EXPECT_EQ(MediaProbe::probe(TestMedia::wav(), 30, [] { return true; }), std::nullopt);
}

TEST_F(MediaProbeFake, ProbeIgnoringTheStopRequestIsKilledTwoSecondsLater)
{
    fakeProbe("trap '' TERM\nexec sleep 30");
    QElapsedTimer timer;
    timer.start();
    const auto info = MediaProbe::probe(TestMedia::wav(), 1.0);
    const double elapsed = timer.elapsed() / 1000.0;
    EXPECT_EQ(info, std::nullopt);
    EXPECT_GE(elapsed, 2.8);
    EXPECT_LE(elapsed, 5.0);
}

TEST_F(MediaProbeFake, CancellationStopsTheProbeAndIsAskedOffTheCallingThread)
{
    fakeProbe(QStringLiteral("trap 'echo term > \"%1\"; kill $! 2>/dev/null; exit 0' TERM\n"
                             "sleep 30 >/dev/null &\nwait")
                  .arg(log()));
    std::mutex mutex;
    std::set<std::thread::id> threads;
    std::atomic<int> calls = 0;
    QElapsedTimer timer;
    timer.start();
    const auto info = MediaProbe::probe(TestMedia::wav(), 30, [&] {
        {
            std::lock_guard lock(mutex);
            threads.insert(std::this_thread::get_id());
        }
        ++calls;
        return timer.elapsed() >= 300;
    });
    const double elapsed = timer.elapsed() / 1000.0;
    EXPECT_EQ(info, std::nullopt);
    EXPECT_EQ(readLog().trimmed(), "term");
    EXPECT_LT(elapsed, 1.5);
    EXPECT_GE(calls.load(), 2);
    std::lock_guard lock(mutex);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0u);
    EXPECT_EQ(threads.size(), 1u);
}

} // namespace
