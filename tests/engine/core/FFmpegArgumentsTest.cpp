// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversionEngine.h"
#include "Printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace karvo;

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

} // namespace
