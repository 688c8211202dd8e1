// SPDX-License-Identifier: GPL-3.0-or-later
// The argument lists are run through the real ffmpeg, so a list ffmpeg refuses fails here.
#include "ConversionEngine.h"
#include "MediaProbe.h"
#include "Printers.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace karvo;
namespace TestMedia = karvo::test::TestMedia;

namespace {

class FFmpegRun : public ::testing::Test {
protected:
    // Runs ffmpeg the way the runner does (fixed prefix, then the built list); returns the exit code.
    static int runFFmpeg(const QStringList& args)
    {
        int code = -1;
        TestMedia::run(QStringLiteral("ffmpeg"),
                       QStringList{"-hide_banner", "-nostdin", "-nostats", "-loglevel", "error"} + args, &code);
        return code;
    }

    // Builds the list for the platform encoder from a real probe, runs it, and probes the output.
    std::optional<MediaInfo> convert(const ConversionOp& op, const QString& input, const QString& name)
    {
        const QString output = dir.filePath(name);
        const QStringList args = ConversionEngine::arguments(op, input, output, MediaProbe::probe(input));
        EXPECT_FALSE(args.isEmpty());
        EXPECT_EQ(runFFmpeg(args), 0) << args.join(' ').toStdString();
        EXPECT_TRUE(QFileInfo::exists(output)) << output.toStdString();
        return MediaProbe::probe(output);
    }

    static QJsonObject ffprobe(const QString& path)
    {
        const QByteArray out = TestMedia::run(
            QStringLiteral("ffprobe"), {"-v", "quiet", "-print_format", "json", "-show_format", "-show_streams", path});
        return QJsonDocument::fromJson(out).object();
    }

    static QStringList streamTypes(const QString& path)
    {
        QStringList types;
        for (const QJsonValue& s : ffprobe(path).value("streams").toArray())
            types << s.toObject().value("codec_type").toString();
        return types;
    }

    QTemporaryDir dir;
};

TEST_F(FFmpegRun, OddSizedGifBecomesAnEvenSizedYuv420pMp4)
{
    const auto out = convert(ConversionOp::convert(OutputFormat::mp4), TestMedia::oddGif(), "odd.mp4");
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(out->width, 160);
    EXPECT_EQ(out->height, 120);
    const QJsonObject video = ffprobe(dir.filePath("odd.mp4")).value("streams").toArray().at(0).toObject();
    EXPECT_EQ(video.value("codec_name").toString(), "h264");
    EXPECT_EQ(video.value("pix_fmt").toString(), "yuv420p");
}

TEST_F(FFmpegRun, VideoOperationsProduceWhatTheyPromise)
{
    const QString clip = TestMedia::clip(2, 320, 240, true);
    struct Row {
        ConversionOp op;
        const char* name;
        int width;
        int height;
        double minDuration;
        double maxDuration;
        QStringList streams;
    };
    const Row rows[] = {
        {ConversionOp::convert(OutputFormat::mov), "c.mov", 320, 240, 1.8, 2.2, {"video", "audio"}},
        {ConversionOp::convert(OutputFormat::mkv), "c.mkv", 320, 240, 1.8, 2.2, {"video", "audio"}},
        {ConversionOp::compress(28), "c compressed.mp4", 320, 240, 1.8, 2.2, {"video", "audio"}},
        {ConversionOp::speed(2), "c fast.mp4", 320, 240, 0.9, 1.15, {"video", "audio"}},
        {ConversionOp::speed(0.5), "c slow.mp4", 320, 240, 3.8, 4.3, {"video", "audio"}},
        {ConversionOp::trim(0.5, 1.5), "c trimmed.mp4", 320, 240, 0.9, 1.15, {"video", "audio"}},
        {ConversionOp::crop(10, 20, 100, 60), "c cropped.mp4", 100, 60, 1.8, 2.2, {"video", "audio"}},
        {ConversionOp::crop(1, 1, 101, 61), "c cropped odd.mp4", 100, 60, 1.8, 2.2, {"video", "audio"}},
        {ConversionOp::mute(), "c muted.mp4", 320, 240, 1.8, 2.2, {"video"}},
        {ConversionOp::convert(OutputFormat::gif), "c.gif", 480, 360, 1.5, 2.2, {"video"}}, // scaled to 480 wide
        {ConversionOp::convert(OutputFormat::mp3), "c.mp3", 0, 0, 1.8, 2.2, {"audio"}},
        {ConversionOp::convert(OutputFormat::m4a), "c.m4a", 0, 0, 1.8, 2.2, {"audio"}},
        {ConversionOp::snapshot(1.2345678), "c.png", 320, 240, 0, 0.1, {"video"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.op.describe().toStdString());
        const auto out = convert(r.op, clip, QString::fromUtf8(r.name));
        ASSERT_TRUE(out.has_value());
        EXPECT_EQ(out->width, r.width);
        EXPECT_EQ(out->height, r.height);
        EXPECT_GE(out->duration, r.minDuration);
        EXPECT_LE(out->duration, r.maxDuration);
        EXPECT_EQ(streamTypes(dir.filePath(QString::fromUtf8(r.name))), r.streams);
    }
}

TEST_F(FFmpegRun, SpeedOnASilentClipNeedsNoAudioFilter)
{
    const auto out = convert(ConversionOp::speed(4), TestMedia::clip(2, 320, 240, false), "silent fast.mp4");
    ASSERT_TRUE(out.has_value());
    EXPECT_FALSE(out->hasAudio);
    EXPECT_NEAR(out->duration, 0.5, 0.15);
}

TEST_F(FFmpegRun, RemoveMetadataDropsTagsAndKeepsStreams)
{
    const QString tagged = dir.filePath("tagged.mp4");
    ASSERT_TRUE(TestMedia::ffmpeg({"-i", TestMedia::clip(2, 320, 240, true), "-map", "0", "-c", "copy", "-metadata",
                                   "title=Secret Title", "-metadata:s:a:0", "language=fra", tagged}));
    ASSERT_EQ(ffprobe(tagged).value("format").toObject().value("tags").toObject().value("title").toString(),
              "Secret Title");

    const auto out = convert(ConversionOp::removeMetadata(), tagged, "clean.mp4");
    ASSERT_TRUE(out.has_value());
    const QJsonObject probe = ffprobe(dir.filePath("clean.mp4"));
    EXPECT_FALSE(probe.value("format").toObject().value("tags").toObject().contains("title"));
    for (const QJsonValue& s : probe.value("streams").toArray())
        EXPECT_NE(s.toObject().value("tags").toObject().value("language").toString(), "fra");
    EXPECT_EQ(streamTypes(dir.filePath("clean.mp4")), (QStringList{"video", "audio"}));
}

TEST_F(FFmpegRun, SplitSegmentsCutConsecutiveParts)
{
    const QString clip = TestMedia::clip(3, 320, 240, true);
    const auto info = MediaProbe::probe(clip);
    ASSERT_TRUE(info.has_value());
    for (int i = 0; i < 2; ++i) {
        const QString out = ConversionEngine::splitOutputPath(clip, i, dir.path());
        EXPECT_EQ(QFileInfo(out).fileName(), QStringLiteral("clip-3s-320x240 Part 0%1.mp4").arg(i + 1));
        const double start = 1.5 * i;
        EXPECT_EQ(runFFmpeg(ConversionEngine::splitSegmentArguments(clip, out, start, start + 1.5, info)), 0);
        const auto part = MediaProbe::probe(out);
        ASSERT_TRUE(part.has_value());
        EXPECT_NEAR(part->duration, 1.5, 0.2);
        EXPECT_TRUE(part->hasAudio);
    }
}

// Checksums of the decoded RGB pictures of the first video stream: every frame in presentation order for
// one file, one picture each for several pictures.
QStringList pictureSums(const QStringList& paths)
{
    QStringList args{"-v", "error", "-nostdin"};
    for (const QString& path : paths)
        args << "-i" << path;
    for (qsizetype i = 0; i < paths.size(); ++i)
        args << "-map" << QStringLiteral("%1:V:0").arg(i);
    args << "-fps_mode"
         << "passthrough"
         << "-pix_fmt"
         << "rgb24"
         << "-f"
         << "framemd5"
         << "-";
    const QByteArray out = TestMedia::run(QStringLiteral("ffmpeg"), args);
    QStringList sums;
    if (paths.size() > 1)
        sums.resize(paths.size());
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QString sum = QString::fromLatin1(line.split(',').last().trimmed());
        if (paths.size() == 1)
            sums << sum;
        else
            sums[line.split(',').first().trimmed().toInt()] = sum;
    }
    return sums;
}

// The decoded frames of the first video stream: their times from the file's start (as the probe counts
// them) and their picture checksums, in presentation order.
struct DecodedFrames {
    QList<double> times;
    QStringList sums;
};

DecodedFrames decodedFrames(const QString& path)
{
    DecodedFrames frames;
    const QJsonObject root =
        QJsonDocument::fromJson(
            TestMedia::run(QStringLiteral("ffprobe"), {"-v", "quiet", "-print_format", "json", "-select_streams", "V:0",
                                                       "-show_frames", "-show_format", "-show_entries",
                                                       "frame=best_effort_timestamp_time:format=start_time", path}))
            .object();
    const double start = root.value("format").toObject().value("start_time").toString().toDouble();
    for (const QJsonValue& f : root.value("frames").toArray())
        frames.times << f.toObject().value("best_effort_timestamp_time").toString().toDouble() - start;
    std::sort(frames.times.begin(), frames.times.end());
    frames.sums = pictureSums({path});
    return frames;
}

// A picture taken at any time, up to and past the end, is the first frame at or after that time, or the
// last frame when there is none: whatever the frame rate, and in a transport stream, whose seeking lands
// anywhere near the target.
TEST_F(FFmpegRun, SnapshotAtAnyTimeIsThatFrameOrTheLastOne)
{
    const auto make = [](const QString& rate, const QStringList& codec, const QString& seconds = "3") {
        return [=](const QString& out) {
            return TestMedia::ffmpeg(
                QStringList{"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=" + rate + ":duration=" + seconds, "-f",
                            "lavfi", "-i", "sine=duration=" + seconds, "-c:a", "aac", "-shortest"} +
                codec + QStringList{out});
        };
    };
    const QStringList x264{"-c:v", "libx264", "-preset", "veryfast", "-bf", "2", "-g", "30", "-pix_fmt", "yuv420p"};
    const std::pair<const char*, QString> clips[] = {
        {"24 fps", TestMedia::cached("snap-24.mp4", make("24", x264 + QStringList{"-f", "mp4"}))},
        {"25 fps", TestMedia::cached("snap-25.mp4", make("25", x264 + QStringList{"-f", "mp4"}))},
        {"29.97 fps", TestMedia::cached("snap-2997.mp4", make("30000/1001", x264 + QStringList{"-f", "mp4"}))},
        {"60 fps", TestMedia::cached("snap-60.mp4", make("60", x264 + QStringList{"-f", "mp4"}))},
        {"7 fps mkv", TestMedia::cached("snap-7.mkv", make("7", x264 + QStringList{"-f", "matroska"}))},
        {"29.97 fps transport stream",
         TestMedia::cached("snap-2997.ts", make("30000/1001", x264 + QStringList{"-g", "15", "-f", "mpegts"}))},
        {"transport stream longer than the look-ahead",
         TestMedia::cached("snap-25-long.ts", make("25", x264 + QStringList{"-g", "15", "-f", "mpegts"}, "14"))},
    };
    for (const auto& [name, clip] : clips) {
        SCOPED_TRACE(name);
        const auto info = MediaProbe::probe(clip);
        ASSERT_TRUE(info.has_value());
        const auto last = MediaProbe::lastVideoFrameTime(clip, info->duration);
        ASSERT_TRUE(last.has_value());
        const DecodedFrames frames = decodedFrames(clip);
        ASSERT_EQ(frames.times.size(), frames.sums.size());
        ASSERT_GT(frames.times.size(), 20);
        const double frameGap = frames.times.last() - frames.times[frames.times.size() - 2];
        EXPECT_NEAR(*last, frames.times.last(), 1e-5);

        const double d = info->duration;
        QStringList outputs, expected, commands;
        for (const double requested : {0.0, d / 2, d - frameGap, d - 0.001, d, 99999.0}) {
            qsizetype frame = frames.times.size() - 1;
            for (qsizetype i = 0; i < frames.times.size(); ++i) {
                if (frames.times[i] >= requested - 1e-6) {
                    frame = i;
                    break;
                }
            }
            const double at = ConversionEngine::snapshotSeekTime(requested, *info, last);
            const QString output = dir.filePath(QStringLiteral("%1 at %2.png").arg(name).arg(requested));
            const QStringList args = ConversionEngine::arguments(ConversionOp::snapshot(at), clip, output, info);
            ASSERT_EQ(runFFmpeg(args), 0) << args.join(' ').toStdString();
            ASSERT_TRUE(QFileInfo(output).size() > 0) << args.join(' ').toStdString();
            outputs << output;
            expected << frames.sums[frame];
            commands << QStringLiteral("at %1: frame %2 of %3 expected; %4")
                            .arg(requested)
                            .arg(frame)
                            .arg(frames.times.size())
                            .arg(args.join(u' '));
        }
        EXPECT_EQ(pictureSums(outputs), expected) << commands.join(u'\n').toStdString();
    }
}

// A frame of a clip as 8-bit grey, by its index in decoding order.
QByteArray greyFrame(const QString& path, int index)
{
    return TestMedia::run(QStringLiteral("ffmpeg"),
                          {"-v", "error", "-nostdin", "-i", path, "-vf", QStringLiteral("select=eq(n\\,%1)").arg(index),
                           "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "gray", "-"});
}

double meanDifference(const QByteArray& a, const QByteArray& b)
{
    if (a.isEmpty() || a.size() != b.size())
        return 1e9;
    double total = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        total += std::abs(static_cast<int>(static_cast<uchar>(a[i])) - static_cast<int>(static_cast<uchar>(b[i])));
    return total / static_cast<double>(a.size());
}

// Seeking in a transport stream lands on the key frame after the target; a trim or a split part must still
// begin on the frame at its start time, not up to a key-frame interval later.
TEST_F(FFmpegRun, TrimAndSplitOfATransportStreamBeginAtTheirStart)
{
    const QString clip = TestMedia::cached("seek-25-g50.ts", [](const QString& out) {
        return TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=8", "-c:v", "libx264",
                                  "-preset", "veryfast", "-g", "50", "-pix_fmt", "yuv420p", "-f", "mpegts", out});
    });
    const auto info = MediaProbe::probe(clip);
    ASSERT_TRUE(info.has_value());
    ASSERT_TRUE(ConversionEngine::seeksInexactly(info->formatName));
    const QString trimmed = dir.filePath("trimmed.mp4");
    const QString part = dir.filePath("part.mp4");
    ASSERT_EQ(runFFmpeg(ConversionEngine::arguments(ConversionOp::trim(3.0, 5.0), clip, trimmed, info)), 0);
    ASSERT_EQ(runFFmpeg(ConversionEngine::splitSegmentArguments(clip, part, 3.0, 5.0, info)), 0);
    for (const QString& output : {trimmed, part}) {
        SCOPED_TRACE(output.toStdString());
        const QByteArray first = greyFrame(output, 0);
        const double atStart = meanDifference(first, greyFrame(clip, 75)); // 3.0 s at 25 fps
        EXPECT_LT(atStart, meanDifference(first, greyFrame(clip, 74)));
        EXPECT_LT(atStart, meanDifference(first, greyFrame(clip, 76)));
        EXPECT_LT(atStart, meanDifference(first, greyFrame(clip, 100))); // the next key frame
        const auto out = MediaProbe::probe(output);
        ASSERT_TRUE(out.has_value());
        EXPECT_NEAR(out->duration, 2.0, 0.1);
    }
}

TEST_F(FFmpegRun, NeverOverwritesAnExistingOutput)
{
    const QString output = dir.filePath("taken.mp4");
    {
        QFile f(output);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep me");
    }
    const QString input = TestMedia::clip(2, 320, 240, true);
    EXPECT_NE(runFFmpeg(ConversionEngine::arguments(ConversionOp::mute(), input, output, std::nullopt)), 0);
    QFile f(output);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("keep me"));
}

} // namespace
