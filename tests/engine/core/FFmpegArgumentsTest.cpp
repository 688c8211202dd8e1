// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversionEngine.h"
#include "MediaProbe.h"
#include "Printers.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

using namespace karvo;
namespace TestMedia = karvo::test::TestMedia;

namespace karvo {
inline void PrintTo(const FFmpegPass& pass, std::ostream* os)
{
    *os << "{" << pass.arguments.join(u' ').toStdString() << "; share " << pass.progressShare
        << (pass.producesResult ? "; result}" : "; intermediate}");
}
} // namespace karvo

namespace {

const QString IN = QStringLiteral("/media/in put.mov");
const QString OUT = QStringLiteral("/media/out put.mp4");
const QString kGif = QStringLiteral(
    "fps=12,scale=480:-1:flags=lanczos,split[s0][s1];[s0]palettegen=max_colors=128[p];[s1][p]paletteuse=dither=bayer");
const QString kEven = QStringLiteral("crop=trunc(iw/2)*2:trunc(ih/2)*2");

QStringList vt(const QString& q)
{
    return {"-c:v", "h264_videotoolbox", "-allow_sw", "1", "-q:v", q};
}

QStringList x264(const QString& crf)
{
    return {"-c:v", "libx264", "-preset", "veryfast", "-crf", crf, "-pix_fmt", "yuv420p"};
}

const MediaInfo kEvenAV{3.0, 1920, 1080, true, true, "mov,mp4,m4a,3gp,3g2,mj2"};
const MediaInfo kEvenSilent{3.0, 640, 360, true, false, "mov,mp4,m4a,3gp,3g2,mj2"};
const MediaInfo kOddAV{1.0, 161, 121, true, true, "gif"};

struct ArgsCase {
    const char* name;
    ConversionOp op;
    std::optional<MediaInfo> info;
    H264Encoder encoder;
    QStringList expected;
};

QList<ArgsCase> argumentCases()
{
    const QStringList maps{"-map", "0:V:0?", "-map", "0:a:0?"};
    const QStringList mp4Tail{"-c:a", "aac", "-b:a", "192k", "-movflags", "+faststart", "-n", OUT};
    const QStringList compressTail{"-c:a", "aac", "-b:a", "128k", "-movflags", "+faststart", "-n", OUT};
    const QStringList trimHead{"-ss", "1.000", "-to", "2.500", "-i", IN};
    const QStringList trimTail{"-c:a", "aac", "-b:a", "192k", "-n", OUT};
    const QStringList cropHead{"-i", IN, "-map", "0:V:0", "-map", "0:a:0?"};
    const QStringList cropTail{"-c:a", "copy", "-n", OUT};
    const QStringList evenVf{"-vf", kEven};
    using E = H264Encoder;
    const auto mp4 = ConversionOp::convert(OutputFormat::mp4);
    const auto mov = ConversionOp::convert(OutputFormat::mov);
    return {
        {"mp4 vt", mp4, kEvenAV, E::videoToolbox, QStringList{"-i", IN} + maps + vt("70") + mp4Tail},
        {"mp4 vt odd", mp4, kOddAV, E::videoToolbox, QStringList{"-i", IN} + maps + vt("70") + mp4Tail},
        {"mp4 vt no info", mp4, std::nullopt, E::videoToolbox, QStringList{"-i", IN} + maps + vt("70") + mp4Tail},
        {"mp4 x264 even", mp4, kEvenAV, E::x264, QStringList{"-i", IN} + maps + x264("20") + mp4Tail},
        {"mp4 x264 odd", mp4, kOddAV, E::x264, QStringList{"-i", IN} + maps + evenVf + x264("20") + mp4Tail},
        {"mp4 x264 no info", mp4, std::nullopt, E::x264, QStringList{"-i", IN} + maps + evenVf + x264("20") + mp4Tail},
        {"mp4 x264 zero size", mp4, MediaInfo{1, 0, 0, false, true, "mp3"}, E::x264,
         QStringList{"-i", IN} + maps + evenVf + x264("20") + mp4Tail},
        {"mov vt", mov, kEvenAV, E::videoToolbox, QStringList{"-i", IN} + maps + vt("70") + mp4Tail},
        {"mov x264", mov, kEvenAV, E::x264, QStringList{"-i", IN} + maps + x264("20") + mp4Tail},
        {"mov x264 odd width", mov, MediaInfo{1, 161, 120, true, true, ""}, E::x264,
         QStringList{"-i", IN} + maps + evenVf + x264("20") + mp4Tail},
        {"mkv vt",
         ConversionOp::convert(OutputFormat::mkv),
         kEvenAV,
         E::videoToolbox,
         {"-i", IN, "-map", "0", "-c", "copy", "-n", OUT}},
        {"mkv x264 odd",
         ConversionOp::convert(OutputFormat::mkv),
         kOddAV,
         E::x264,
         {"-i", IN, "-map", "0", "-c", "copy", "-n", OUT}},
        {"gif vt",
         ConversionOp::convert(OutputFormat::gif),
         kEvenAV,
         E::videoToolbox,
         {"-i", IN, "-map", "0:V:0", "-vf", kGif, "-loop", "0", "-n", OUT}},
        {"gif x264 odd",
         ConversionOp::convert(OutputFormat::gif),
         kOddAV,
         E::x264,
         {"-i", IN, "-map", "0:V:0", "-vf", kGif, "-loop", "0", "-n", OUT}},
        {"mp3",
         ConversionOp::convert(OutputFormat::mp3),
         std::nullopt,
         E::x264,
         {"-i", IN, "-vn", "-c:a", "libmp3lame", "-q:a", "3", "-n", OUT}},
        {"mp3 vt",
         ConversionOp::convert(OutputFormat::mp3),
         kEvenAV,
         E::videoToolbox,
         {"-i", IN, "-vn", "-c:a", "libmp3lame", "-q:a", "3", "-n", OUT}},
        {"m4a",
         ConversionOp::convert(OutputFormat::m4a),
         std::nullopt,
         E::x264,
         {"-i", IN, "-vn", "-c:a", "aac", "-b:a", "192k", "-n", OUT}},
        {"m4a vt",
         ConversionOp::convert(OutputFormat::m4a),
         kEvenAV,
         E::videoToolbox,
         {"-i", IN, "-vn", "-c:a", "aac", "-b:a", "192k", "-n", OUT}},
        {"compress vt", ConversionOp::compress(23), kEvenAV, E::videoToolbox,
         QStringList{"-i", IN} + maps + vt("64") + compressTail},
        {"compress x264", ConversionOp::compress(23), kEvenAV, E::x264,
         QStringList{"-i", IN} + maps + x264("23") + compressTail},
        {"compress x264 odd", ConversionOp::compress(28), kOddAV, E::x264,
         QStringList{"-i", IN} + maps + evenVf + x264("28") + compressTail},
        {"trim vt", ConversionOp::trim(1, 2.5), kEvenAV, E::videoToolbox, trimHead + maps + vt("74") + trimTail},
        {"trim x264", ConversionOp::trim(1, 2.5), kEvenAV, E::x264, trimHead + maps + x264("18") + trimTail},
        {"trim x264 no info", ConversionOp::trim(1, 2.5), std::nullopt, E::x264,
         trimHead + maps + evenVf + x264("18") + trimTail},
        {"crop vt", ConversionOp::crop(10, 20, 640, 360), kEvenAV, E::videoToolbox,
         cropHead + QStringList{"-vf", "crop=640:360:10:20"} + vt("74") + cropTail},
        {"crop x264 even", ConversionOp::crop(10, 20, 640, 360), kOddAV, E::x264,
         cropHead + QStringList{"-vf", "crop=640:360:10:20"} + x264("18") + cropTail},
        {"crop x264 odd", ConversionOp::crop(1, 3, 641, 361), kEvenAV, E::x264,
         cropHead + QStringList{"-vf", "crop=641:361:1:3," + kEven} + x264("18") + cropTail},
        {"crop vt odd", ConversionOp::crop(1, 3, 641, 361), kEvenAV, E::videoToolbox,
         cropHead + QStringList{"-vf", "crop=641:361:1:3"} + vt("74") + cropTail},
        {"speed vt no audio", ConversionOp::speed(2), kEvenSilent, E::videoToolbox,
         QStringList{"-i", IN} + maps + QStringList{"-vf", "setpts=PTS/2"} + vt("74") + QStringList{"-n", OUT}},
        {"speed vt no info", ConversionOp::speed(2), std::nullopt, E::videoToolbox,
         QStringList{"-i", IN} + maps + QStringList{"-vf", "setpts=PTS/2", "-af", "atempo=2", "-c:a", "aac"} +
             vt("74") + QStringList{"-n", OUT}},
        {"speed vt audio", ConversionOp::speed(1.5), kEvenAV, E::videoToolbox,
         QStringList{"-i", IN} + maps + QStringList{"-vf", "setpts=PTS/1.5", "-af", "atempo=1.5", "-c:a", "aac"} +
             vt("74") + QStringList{"-n", OUT}},
        {"speed vt slow", ConversionOp::speed(0.25), kEvenAV, E::videoToolbox,
         QStringList{"-i", IN} + maps +
             QStringList{"-vf", "setpts=PTS/0.25", "-af", "atempo=0.5,atempo=0.5", "-c:a", "aac"} + vt("74") +
             QStringList{"-n", OUT}},
        {"speed x264 even no audio", ConversionOp::speed(2), kEvenSilent, E::x264,
         QStringList{"-i", IN} + maps + QStringList{"-vf", "setpts=PTS/2"} + x264("18") + QStringList{"-n", OUT}},
        {"speed x264 even audio", ConversionOp::speed(4), kEvenAV, E::x264,
         QStringList{"-i", IN} + maps +
             QStringList{"-vf", "setpts=PTS/4", "-af", "atempo=2.0,atempo=2", "-c:a", "aac"} + x264("18") +
             QStringList{"-n", OUT}},
        {"speed x264 no info", ConversionOp::speed(2), std::nullopt, E::x264,
         QStringList{"-i", IN} + maps + QStringList{"-vf", "setpts=PTS/2," + kEven, "-af", "atempo=2", "-c:a", "aac"} +
             x264("18") + QStringList{"-n", OUT}},
        {"speed x264 odd", ConversionOp::speed(0.5), kOddAV, E::x264,
         QStringList{"-i", IN} + maps +
             QStringList{"-vf", "setpts=PTS/0.5," + kEven, "-af", "atempo=0.5", "-c:a", "aac"} + x264("18") +
             QStringList{"-n", OUT}},
        {"snapshot vt",
         ConversionOp::snapshot(1.2345678),
         kEvenAV,
         E::videoToolbox,
         {"-ss", "1.234567", "-i", IN, "-map", "0:V:0", "-frames:v", "1", "-q:v", "2", "-n", OUT}},
        {"snapshot x264 odd",
         ConversionOp::snapshot(0),
         kOddAV,
         E::x264,
         {"-ss", "0.000000", "-i", IN, "-map", "0:V:0", "-frames:v", "1", "-q:v", "2", "-n", OUT}},
        {"mute", ConversionOp::mute(), kOddAV, E::x264, {"-i", IN, "-map", "0:V:0?", "-c", "copy", "-an", "-n", OUT}},
        {"mute vt",
         ConversionOp::mute(),
         kEvenAV,
         E::videoToolbox,
         {"-i", IN, "-map", "0:V:0?", "-c", "copy", "-an", "-n", OUT}},
        {"removeMetadata",
         ConversionOp::removeMetadata(),
         std::nullopt,
         E::x264,
         {"-i", IN, "-map", "0", "-map_metadata", "-1", "-map_metadata:s", "-1", "-map_chapters", "-1", "-c", "copy",
          "-n", OUT}},
        {"removeMetadata vt",
         ConversionOp::removeMetadata(),
         kEvenAV,
         E::videoToolbox,
         {"-i", IN, "-map", "0", "-map_metadata", "-1", "-map_metadata:s", "-1", "-map_chapters", "-1", "-c", "copy",
          "-n", OUT}},
        {"convertImage", ConversionOp::convertImage(ImageFormat::png), kEvenAV, E::x264, {}},
        {"compressImage", ConversionOp::compressImage(0.8), std::nullopt, E::videoToolbox, {}},
        {"resizeImage", ConversionOp::resizeImage(800), std::nullopt, E::x264, {}},
        {"rotateImage", ConversionOp::rotateImage(), std::nullopt, E::videoToolbox, {}},
        {"removeBackground", ConversionOp::removeBackground(), std::nullopt, E::x264, {}},
        {"split", ConversionOp::split(10), kEvenAV, E::x264, {}},
        {"split vt", ConversionOp::split(10), kEvenAV, E::videoToolbox, {}},
    };
}

TEST(FFmpegArguments, ExactListForEveryOperationAndEncoder)
{
    for (const ArgsCase& c : argumentCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ConversionEngine::arguments(c.op, IN, OUT, c.info, c.encoder), c.expected);
    }
}

TEST(FFmpegArguments, EveryListEndsWithNoOverwriteAndTheOutput)
{
    for (const ArgsCase& c : argumentCases()) {
        const QStringList args = ConversionEngine::arguments(c.op, IN, OUT, c.info, c.encoder);
        if (args.isEmpty())
            continue;
        SCOPED_TRACE(c.name);
        ASSERT_GE(args.size(), 4);
        EXPECT_EQ(args.mid(args.size() - 2), (QStringList{"-n", OUT}));
        EXPECT_EQ(args.count(OUT), 1);
        EXPECT_EQ(args.count("-n"), 1);
        // The input follows "-i", exactly once.
        const qsizetype i = args.indexOf("-i");
        ASSERT_GE(i, 0);
        EXPECT_EQ(args.value(i + 1), IN);
        EXPECT_EQ(args.count(IN), 1);
    }
}

TEST(FFmpegArguments, PlatformEncoderOnLinuxIsX264)
{
    EXPECT_EQ(ConversionEngine::platformEncoder(), H264Encoder::x264);
    EXPECT_EQ(ConversionEngine::h264VideoArgs(23), x264("23"));
    for (const ArgsCase& c : argumentCases()) {
        if (c.encoder != H264Encoder::x264)
            continue;
        EXPECT_EQ(ConversionEngine::arguments(c.op, IN, OUT, c.info), c.expected) << c.name;
    }
}

TEST(FFmpegArguments, VideoToolboxQualityFromCrf)
{
    const std::pair<int, const char*> rows[] = {{18, "74"}, {20, "70"}, {23, "64"}, {28, "54"},
                                                {44, "22"}, {45, "20"}, {46, "20"}, {51, "20"},
                                                {6, "98"},  {5, "100"}, {0, "100"}, {-4, "100"}};
    for (const auto& [crf, q] : rows)
        EXPECT_EQ(ConversionEngine::h264VideoArgs(crf, H264Encoder::videoToolbox), vt(q)) << "crf " << crf;
}

TEST(FFmpegArguments, X264CarriesTheCrfAsIs)
{
    for (int crf : {0, 18, 20, 23, 28, 51})
        EXPECT_EQ(ConversionEngine::h264VideoArgs(crf, H264Encoder::x264), x264(QString::number(crf)));
}

TEST(FFmpegArguments, TrimZeros)
{
    const std::pair<double, const char*> rows[] = {
        {2.0, "2"},          {1.25, "1.25"}, {0.333333, "0.3333"}, {10.0, "10"},   {0.0, "0"},
        {100.0, "100"},      {0.5, "0.5"},   {1.99999, "2"},       {0.00001, "0"}, {-0.00001, "0"},
        {1.23456, "1.2346"}, {-1.5, "-1.5"}, {1000.1, "1000.1"},
    };
    for (const auto& [x, text] : rows)
        EXPECT_EQ(ConversionEngine::trimZeros(x), QString::fromLatin1(text)) << x;
}

TEST(FFmpegArguments, AtempoChainKeepsEachStepWithinHalfToDouble)
{
    const std::pair<double, const char*> rows[] = {
        {1.5, "atempo=1.5"},
        {4, "atempo=2.0,atempo=2"},
        {3, "atempo=2.0,atempo=1.5"},
        {0.25, "atempo=0.5,atempo=0.5"},
        {0.3, "atempo=0.5,atempo=0.6"},
        {2, "atempo=2"},
        {0.5, "atempo=0.5"},
        {1, "atempo=1"},
        {8, "atempo=2.0,atempo=2.0,atempo=2"},
        {0.1, "atempo=0.5,atempo=0.5,atempo=0.5,atempo=0.8"},
    };
    for (const auto& [factor, chain] : rows)
        EXPECT_EQ(ConversionEngine::atempoChain(factor), QString::fromLatin1(chain)) << factor;
}

TEST(FFmpegArguments, TimeFormats)
{
    EXPECT_EQ(ConversionEngine::timeArg(1), "1.000");
    EXPECT_EQ(ConversionEngine::timeArg(2.5), "2.500");
    EXPECT_EQ(ConversionEngine::timeArg(3725.1234), "3725.123");
    // Snapshot times are truncated to whole microseconds, never rounded up.
    const std::pair<double, const char*> snapshots[] = {{1.2345678, "1.234567"},
                                                        {1.9999999, "1.999999"},
                                                        {2.5, "2.500000"},
                                                        {0, "0.000000"},
                                                        {59.0000004, "59.000000"}};
    for (const auto& [t, text] : snapshots)
        EXPECT_EQ(ConversionEngine::snapshotTime(t), QString::fromLatin1(text)) << t;
}

TEST(FFmpegArguments, SnapshotTimeStopsAtTheLastFrame)
{
    const MediaInfo clip{5.0, 320, 240, true, true, "mov,mp4,m4a,3gp,3g2,mj2"};
    const MediaInfo unknownLength{0, 320, 240, true, false, "matroska,webm"};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        double requested;
        MediaInfo info;
        std::optional<double> lastFrame;
        double expected;
    };
    const Row rows[] = {
        {0, clip, 4.96, 0},
        {2.5, clip, 4.96, 2.5},
        {4.9595, clip, 4.96, 4.9595},
        {4.96, clip, 4.96, 4.9595}, // the last frame itself: aimed at just before it
        {4.999, clip, 4.96, 4.9595},
        {5.0, clip, 4.96, 4.9595},
        {99999, clip, 4.96, 4.9595},
        {inf, clip, 4.96, 4.9595},
        {4.0, clip, 2.9, 2.8995}, // video shorter than the audio
        {-1, clip, 4.96, 0},
        {nan, clip, 4.96, 0},
        {3, clip, 0.0, 0}, // a single picture
        // Without the last frame's time, only the duration bounds the time.
        {4.999, clip, std::nullopt, 4.999},
        {99999, clip, std::nullopt, 5.0},
        {-3, clip, std::nullopt, 0},
        {7.5, unknownLength, std::nullopt, 7.5},
        {inf, unknownLength, std::nullopt, 0},
        {12.0, unknownLength, 9.5, 9.4995},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(ConversionEngine::snapshotSeekTime(r.requested, r.info, r.lastFrame), r.expected)
            << r.requested << " with last frame " << r.lastFrame.value_or(-1);
    }
}

TEST(FFmpegArguments, TrimAndSplitOfATransportStreamDecodeFromAhead)
{
    const MediaInfo ts{60.0, 1920, 1080, true, true, "mpegts"};
    const QStringList trim = ConversionEngine::arguments(ConversionOp::trim(42.5, 50.25), IN, OUT, ts);
    EXPECT_EQ(trim.mid(0, 9),
              (QStringList{"-ss", "32.500000", "-i", IN, "-ss", "10.000000", "-to", "17.750000", "-map"}));
    const QStringList early = ConversionEngine::arguments(ConversionOp::trim(3, 5), IN, OUT, ts);
    EXPECT_EQ(early.mid(0, 8), (QStringList{"-ss", "0.000001", "-i", IN, "-ss", "2.999999", "-to", "4.999999"}));
    // From the very start there is nothing to seek past.
    EXPECT_EQ(ConversionEngine::arguments(ConversionOp::trim(0, 5), IN, OUT, ts).mid(0, 5),
              (QStringList{"-ss", "0.000", "-to", "5.000", "-i"}));
    EXPECT_EQ(ConversionEngine::splitSegmentArguments(IN, OUT, 20, 30, ts).mid(0, 8),
              (QStringList{"-ss", "10.000000", "-i", IN, "-ss", "10.000000", "-to", "20.000000"}));
}

TEST(FFmpegArguments, SnapshotInATransportStreamDecodesFromAhead)
{
    const MediaInfo ts{60.0, 1920, 1080, true, true, "mpegts"};
    const QStringList frame{"-map", "0:V:0", "-frames:v", "1", "-q:v", "2", "-n", OUT};
    const std::pair<double, QStringList> rows[] = {
        {0, QStringList{"-ss", "0.000000", "-i", IN} + frame},
        {4.5, QStringList{"-ss", "0.000001", "-i", IN, "-ss", "4.499999"} + frame},
        {10.0, QStringList{"-ss", "0.000001", "-i", IN, "-ss", "9.999999"} + frame},
        {10.0000011, QStringList{"-ss", "0.000001", "-i", IN, "-ss", "10.000000"} + frame},
        {42.1234567, QStringList{"-ss", "32.123456", "-i", IN, "-ss", "10.000000"} + frame},
    };
    for (const auto& [time, expected] : rows)
        EXPECT_EQ(ConversionEngine::arguments(ConversionOp::snapshot(time), IN, OUT, ts), expected) << time;

    for (const QString format : {"mpegts", "mpeg", "mpegvideo"})
        EXPECT_TRUE(ConversionEngine::seeksInexactly(format)) << format.toStdString();
    for (const QString format : {"mov,mp4,m4a,3gp,3g2,mj2", "matroska,webm", "avi", "gif", "", "mpegtsraw"})
        EXPECT_FALSE(ConversionEngine::seeksInexactly(format)) << format.toStdString();
    // Without a probe the container is unknown: the plain seek.
    EXPECT_EQ(ConversionEngine::arguments(ConversionOp::snapshot(30), IN, OUT, std::nullopt),
              (QStringList{"-ss", "30.000000", "-i", IN} + frame));
}

TEST(FFmpegArguments, SplitSegmentLists)
{
    const QStringList head{"-ss", "10.000", "-to", "20.000", "-i", IN, "-map", "0:V:0?", "-map", "0:a:0?"};
    const QStringList tail{"-c:a", "aac", "-n", OUT};
    EXPECT_EQ(ConversionEngine::splitSegmentArguments(IN, OUT, 10, 20, kEvenAV, H264Encoder::videoToolbox),
              head + vt("74") + tail);
    EXPECT_EQ(ConversionEngine::splitSegmentArguments(IN, OUT, 10, 20, kEvenAV, H264Encoder::x264),
              head + x264("18") + tail);
    EXPECT_EQ(ConversionEngine::splitSegmentArguments(IN, OUT, 10, 20, kOddAV, H264Encoder::x264),
              (head + QStringList{"-vf", kEven} + x264("18") + tail));
    EXPECT_EQ(ConversionEngine::splitSegmentArguments(IN, OUT, 10, 20, std::nullopt, H264Encoder::x264),
              (head + QStringList{"-vf", kEven} + x264("18") + tail));
    EXPECT_EQ(
        ConversionEngine::splitSegmentArguments(IN, OUT, 10, 20),
        ConversionEngine::splitSegmentArguments(IN, OUT, 10, 20, std::nullopt, ConversionEngine::platformEncoder()));
}

class SplitOutputPath : public ::testing::Test {
protected:
    void touch(const QString& name)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    QTemporaryDir dir;
};

TEST_F(SplitOutputPath, NumbersPartsFromOneWithTwoDigits)
{
    const QString input = dir.filePath("Clip.mov");
    const std::pair<int, const char*> rows[] = {{0, "Clip Part 01.mp4"},
                                                {1, "Clip Part 02.mp4"},
                                                {9, "Clip Part 10.mp4"},
                                                {98, "Clip Part 99.mp4"},
                                                {99, "Clip Part 100.mp4"}};
    for (const auto& [index, name] : rows)
        EXPECT_EQ(ConversionEngine::splitOutputPath(input, index), dir.filePath(name)) << index;
}

TEST_F(SplitOutputPath, TakenNamesGetACounter)
{
    const QString input = dir.filePath("Clip.mov");
    touch("Clip Part 01.mp4");
    EXPECT_EQ(ConversionEngine::splitOutputPath(input, 0), dir.filePath("Clip Part 01 (2).mp4"));
    touch("Clip Part 01 (2).mp4");
    EXPECT_EQ(ConversionEngine::splitOutputPath(input, 0), dir.filePath("Clip Part 01 (3).mp4"));
    EXPECT_EQ(ConversionEngine::splitOutputPath(input, 1), dir.filePath("Clip Part 02.mp4"));
}

TEST_F(SplitOutputPath, UsesTheGivenFolderAndKeepsUnusualNames)
{
    QTemporaryDir other;
    EXPECT_EQ(ConversionEngine::splitOutputPath(dir.filePath("Clip.mov"), 2, other.path()),
              QDir(other.path()).filePath("Clip Part 03.mp4"));
    const std::pair<const char*, const char*> names[] = {
        {"My.Holiday.v2.mkv", "My.Holiday.v2 Part 01.mp4"},
        {"50% off %d %s.mov", "50% off %d %s Part 01.mp4"},
        {"Čaj 日本.mp4", "Čaj 日本 Part 01.mp4"},
        {"noext", "noext Part 01.mp4"},
    };
    for (const auto& [in, out] : names) {
        EXPECT_EQ(ConversionEngine::splitOutputPath(dir.filePath(QString::fromUtf8(in)), 0),
                  dir.filePath(QString::fromUtf8(out)))
            << in;
    }
}

// GIF: one run while the frames it holds until its palette exists stay small, otherwise a palette run into
// the work folder and a dithering run.
const QString WORK = QStringLiteral("/work/50% %d [1]");

QStringList gifPaletteRun(const QString& input, const QString& palette)
{
    return {"-i",
            input,
            "-filter_complex",
            "[0:V:0]fps=12,scale=480:-1:flags=lanczos,palettegen=max_colors=128,tpad=start=1[p]",
            "-map",
            "0:V:0",
            "-c",
            "copy",
            "-f",
            "null",
            "-",
            "-map",
            "[p]",
            "-update",
            "1",
            "-n",
            palette};
}

QStringList gifDitherRun(const QString& input, const QString& palette, const QString& output)
{
    return {"-i",
            input,
            "-f",
            "png_pipe",
            "-i",
            palette,
            "-filter_complex",
            "[0:V:0]fps=12,scale=480:-1:flags=lanczos[f];[f][1:v:0]paletteuse=dither=bayer[g]",
            "-map",
            "[g]",
            "-loop",
            "0",
            "-n",
            output};
}

TEST(FFmpegGifPasses, OneRunWhileTheHeldFramesStaySmall)
{
    // 16:9 frames become 480x270 BGRA: 517 of them fit 256 MiB, so 43 s at 12 fps fit and 43.1 s do not.
    // Portrait 9:16 frames are 480x854: 13.5 s fit.
    const std::pair<MediaInfo, bool> rows[] = {
        {{43.0, 1920, 1080, true, true, "mp4"}, true},
        {{43.1, 1920, 1080, true, true, "mp4"}, false},
        {{43.0, 1280, 720, true, false, "mp4"}, true},
        {{18000.0, 1920, 1080, true, true, "mp4"}, false},
        {{13.5, 1080, 1920, true, true, "mov"}, true},
        {{13.6, 1080, 1920, true, true, "mov"}, false},
        {{1.0, 161, 121, true, false, "gif"}, true},
        {{0.0, 1920, 1080, true, true, "mp4"}, false}, // unknown length
        {{std::numeric_limits<double>::quiet_NaN(), 1920, 1080, true, true, "mp4"}, false},
        {{std::numeric_limits<double>::infinity(), 1920, 1080, true, true, "mp4"}, false},
        {{3.0, 0, 0, false, true, "mp3"}, false}, // unknown size
    };
    for (const auto& [info, fits] : rows) {
        EXPECT_EQ(ConversionEngine::gifFitsOnePass(info), fits)
            << info.duration << " s of " << info.width << 'x' << info.height;
    }
    EXPECT_FALSE(ConversionEngine::gifFitsOnePass(std::nullopt));
}

TEST(FFmpegGifPasses, ExactRunsOfEveryOperation)
{
    const auto gif = ConversionOp::convert(OutputFormat::gif);
    const QString palette = WORK + "/palette.png";
    EXPECT_EQ(ConversionEngine::gifPalettePath(WORK), palette);
    const std::vector<FFmpegPass> twoRuns{{gifPaletteRun(IN, palette), 0.6, false},
                                          {gifDitherRun(IN, palette, OUT), 0.4, true}};
    const MediaInfo hour{3600.0, 1920, 1080, true, true, "mov,mp4,m4a,3gp,3g2,mj2"};
    EXPECT_EQ(ConversionEngine::passes(gif, IN, OUT, hour, WORK, H264Encoder::x264), twoRuns);
    EXPECT_EQ(ConversionEngine::passes(gif, IN, OUT, std::nullopt, WORK, H264Encoder::videoToolbox), twoRuns);
    EXPECT_EQ(ConversionEngine::passes(gif, IN, OUT, hour, WORK), twoRuns);

    // Everything else, and a short GIF, is the single run of arguments().
    for (const ArgsCase& c : argumentCases()) {
        SCOPED_TRACE(c.name);
        const auto runs = ConversionEngine::passes(c.op, IN, OUT, c.info, WORK, c.encoder);
        if (c.expected.isEmpty()) {
            EXPECT_TRUE(runs.empty());
            continue;
        }
        EXPECT_EQ(runs, (std::vector<FFmpegPass>{{c.expected, 1, true}}));
    }
}

class FFmpegGifRun : public ::testing::Test {
protected:
    static QString ffmpeg() { return QStandardPaths::findExecutable(QStringLiteral("ffmpeg")); }
    static QStringList quiet() { return {"-hide_banner", "-nostdin", "-nostats", "-loglevel", "error"}; }

    static int run(const QStringList& args, QByteArray* out = nullptr)
    {
        int code = -1;
        const QByteArray stdoutText = TestMedia::run(ffmpeg(), quiet() + args, &code);
        if (out)
            *out = stdoutText;
        return code;
    }

    // A limit on private writable memory (RLIMIT_DATA) rather than on address space: glibc reserves address
    // space per thread arena, which depends on the core count. Threads are pinned for the same reason.
    static int runWithin(qint64 bytes, const QStringList& args)
    {
        int code = -1;
        TestMedia::run(QStringLiteral("prlimit"),
                       QStringList{QStringLiteral("--data=%1").arg(bytes), "--", ffmpeg()} + quiet() +
                           QStringList{"-filter_threads", "2", "-threads", "2"} + args,
                       &code);
        return code;
    }

    // 12 s of tall colour bars: each GIF frame is 480x1920, 3.7 MB, so a single run holds over 500 MB
    // before its palette exists. Few colours keep the palette and dithering quick.
    static QString tallClip()
    {
        return TestMedia::cached("gif-tall-bars-12s.mp4", [](const QString& out) {
            return TestMedia::ffmpeg({"-f", "lavfi", "-i", "smptebars=size=120x480:rate=25:duration=12", "-c:v",
                                      "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-g", "25", "-f", "mp4",
                                      out});
        });
    }

    QString workFolder()
    {
        const QString work = dir.filePath("work 50% %d [1]");
        EXPECT_TRUE(QDir().mkpath(work));
        return work;
    }

    QTemporaryDir dir;
};

TEST_F(FFmpegGifRun, TwoRunsMakeTheSameGifAsOne)
{
    const QString clip = TestMedia::clip(2, 320, 240, true);
    const auto gif = ConversionOp::convert(OutputFormat::gif);
    const QString one = dir.filePath("one.gif");
    ASSERT_EQ(run(ConversionEngine::arguments(gif, clip, one, MediaProbe::probe(clip))), 0);

    const QString work = workFolder();
    const QString two = dir.filePath("two.gif");
    const auto runs = ConversionEngine::passes(gif, clip, two, std::nullopt, work);
    ASSERT_EQ(runs.size(), 2u);
    for (const FFmpegPass& pass : runs)
        ASSERT_EQ(run(pass.arguments), 0) << pass.arguments.join(' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(ConversionEngine::gifPalettePath(work)));

    QFile a(one);
    QFile b(two);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    const QByteArray oneBytes = a.readAll();
    EXPECT_GT(oneBytes.size(), 1000);
    EXPECT_TRUE(oneBytes == b.readAll()) << "the two runs changed the picture";
}

TEST_F(FFmpegGifRun, PaletteRunReportsProgressWhileItReads)
{
    const QString clip = tallClip();
    const auto runs = ConversionEngine::passes(ConversionOp::convert(OutputFormat::gif), clip, dir.filePath("out.gif"),
                                               MediaProbe::probe(clip), workFolder());
    ASSERT_EQ(runs.size(), 2u);
    QByteArray report;
    ASSERT_EQ(run(QStringList{"-progress", "pipe:1", "-stats_period", "0.02"} + runs[0].arguments, &report), 0);
    QList<qint64> times;
    for (const QByteArray& line : report.split('\n')) {
        if (line.startsWith("out_time_us="))
            times << line.mid(12).toLongLong();
    }
    ASSERT_FALSE(times.isEmpty());
    EXPECT_NEAR(static_cast<double>(times.last()), 12e6, 0.2e6);
    const auto between = std::count_if(times.begin(), times.end(), [&](qint64 t) { return t > 0 && t < 11e6; });
    EXPECT_GT(between, 0) << "progress stayed still until the palette was done";
}

TEST_F(FFmpegGifRun, LongInputStaysWithinAMemoryLimit)
{
    const QString clip = tallClip();
    const auto info = MediaProbe::probe(clip);
    ASSERT_TRUE(info);
    const auto gif = ConversionOp::convert(OutputFormat::gif);
    // The two runs need under 200 MB here, the single run over 600 MB.
    constexpr qint64 limit = 400LL * 1024 * 1024;

    const auto runs = ConversionEngine::passes(gif, clip, dir.filePath("two.gif"), info, workFolder());
    ASSERT_EQ(runs.size(), 2u);
    for (const FFmpegPass& pass : runs)
        ASSERT_EQ(runWithin(limit, pass.arguments), 0) << pass.arguments.join(' ').toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath("two.gif")).size() > 0);

    // The single run needs the held frames on top, and does not fit.
    EXPECT_NE(runWithin(limit, ConversionEngine::arguments(gif, clip, dir.filePath("one.gif"), info)), 0);
}

} // namespace
