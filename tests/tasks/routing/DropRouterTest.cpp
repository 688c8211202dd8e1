// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropRouter.h"

#include "DropClassification.h"
#include "DropIntake.h"
#include "Printers.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace karvo;

namespace {

const QString kUnsupported = QStringLiteral("Unsupported file");
const QString kUnsupportedMessage = QStringLiteral("Karvo handles video, audio, and images. Other files are skipped.");
const QString kCannotRead = QStringLiteral("Cannot read media");
const QString kCannotReadMessage =
    QStringLiteral("Check that the file exists, is readable, and ffmpeg/ffprobe are installed.");
const QString kNoVideo = QStringLiteral("No video track");
const QString kNoAudio = QStringLiteral("No audio track");

const MediaInfo kVA{3, 1920, 1080, true, true, "mov,mp4,m4a,3gp,3g2,mj2"};
const MediaInfo kV{2, 640, 360, true, false, "mov,mp4,m4a,3gp,3g2,mj2"};
const MediaInfo kA{2, 0, 0, false, true, "wav"};
const MediaInfo kNeither{0, 0, 0, false, false, "data"};

QList<RadialAction> allActions()
{
    QList<RadialAction> actions;
    for (OutputFormat f : allOutputFormats())
        actions << RadialAction::format(f);
    for (ImageFormat f : allImageFormats())
        actions << RadialAction::imageFormat(f);
    for (int raw = 0; raw <= 10; ++raw)
        actions << RadialAction::tool(*toolActionFromRaw(raw));
    return actions;
}

std::string describe(const RadialAction& a)
{
    switch (a.type()) {
    case RadialAction::Type::format:
        return "format(" + rawValue(a.outputFormat()).toStdString() + ")";
    case RadialAction::Type::imageFormat:
        return "imageFormat(" + rawValue(a.imageFormatValue()).toStdString() + ")";
    case RadialAction::Type::tool:
        return "tool(" + std::to_string(static_cast<int>(a.toolAction())) + ")";
    }
    return {};
}

// What routing one file produces.
struct Outcome {
    enum class Type { enqueue, request, error } type;
    std::optional<ConversionOp> op;
    ToolKind kind = ToolKind::compressVideo;
    QString title;
    QString message; // "%@" stands for the file name
};

Outcome enqueue(const ConversionOp& op)
{
    return {Outcome::Type::enqueue, op, {}, {}, {}};
}
Outcome request(ToolKind kind)
{
    return {Outcome::Type::request, std::nullopt, kind, {}, {}};
}
Outcome error(const QString& title, const QString& message)
{
    return {Outcome::Type::error, std::nullopt, {}, title, message};
}
const Outcome kNotVideo = error(kNoVideo, "%@ is not a video file.");

DropPlan expectedPlan(const Outcome& o, const QString& path, const std::optional<MediaInfo>& info)
{
    DropPlan plan;
    switch (o.type) {
    case Outcome::Type::enqueue:
        plan.enqueues.append({path, *o.op, info});
        break;
    case Outcome::Type::request:
        plan.requests.append({o.kind, {{path, info}}});
        break;
    case Outcome::Type::error:
        plan.errors.append({o.title, QString(o.message).replace("%@", QFileInfo(path).fileName())});
        break;
    }
    return plan;
}

TEST(DropRouterImages, ImageTable)
{
    const std::pair<RadialAction, Outcome> rows[] = {
        {RadialAction::format(OutputFormat::mp4), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::format(OutputFormat::mkv), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::format(OutputFormat::gif), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::format(OutputFormat::mp3), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::format(OutputFormat::m4a), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::format(OutputFormat::mov), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::imageFormat(ImageFormat::jpeg), enqueue(ConversionOp::convertImage(ImageFormat::jpeg))},
        {RadialAction::imageFormat(ImageFormat::png), enqueue(ConversionOp::convertImage(ImageFormat::png))},
        {RadialAction::imageFormat(ImageFormat::heic), enqueue(ConversionOp::convertImage(ImageFormat::heic))},
        {RadialAction::tool(ToolAction::compress), request(ToolKind::compressImage)},
        {RadialAction::tool(ToolAction::removeMeta), enqueue(ConversionOp::removeMetadata())},
        {RadialAction::tool(ToolAction::mute), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::tool(ToolAction::trim), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::tool(ToolAction::crop), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::tool(ToolAction::speed), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::tool(ToolAction::snapshot), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::tool(ToolAction::split), error(kUnsupported, kUnsupportedMessage)},
        {RadialAction::tool(ToolAction::resize), request(ToolKind::resizeImage)},
        {RadialAction::tool(ToolAction::rotate), enqueue(ConversionOp::rotateImage())},
        {RadialAction::tool(ToolAction::removeBackground), enqueue(ConversionOp::removeBackground())},
    };
    ASSERT_EQ(std::size(rows), static_cast<size_t>(allActions().size()));
    for (const auto& [action, outcome] : rows) {
        for (const QString path :
             {"/in/photo.png", "/in/PHOTO.JPG", "/in/shot.heic", "/in/scan.webp", "/in/a.b.tiff"}) {
            // Whatever the caller passes as info, image records never carry any.
            for (const std::optional<MediaInfo>& info : {std::optional<MediaInfo>(), std::optional<MediaInfo>(kVA)}) {
                SCOPED_TRACE(describe(action) + " on " + path.toStdString());
                EXPECT_EQ(DropRouter::plan({{path, info}}, action), expectedPlan(outcome, path, std::nullopt));
            }
        }
    }
}

TEST(DropRouterMedia, MediaTableForEveryTrackCombination)
{
    struct Row {
        RadialAction action;
        Outcome videoAndAudio;
        Outcome videoOnly;
        Outcome audioOnly;
    };
    const auto convert = [](OutputFormat f) {
        return enqueue(ConversionOp::convert(f));
    };
    const Outcome noAudioToExtract = error(kNoAudio, "%@ has no audio to extract.");
    const auto videoTool = [](ToolAction a, ToolKind k) {
        return Row{RadialAction::tool(a), request(k), request(k), kNotVideo};
    };
    const Row rows[] = {
        {RadialAction::format(OutputFormat::mp4), convert(OutputFormat::mp4), convert(OutputFormat::mp4), kNotVideo},
        {RadialAction::format(OutputFormat::mkv), convert(OutputFormat::mkv), convert(OutputFormat::mkv), kNotVideo},
        {RadialAction::format(OutputFormat::gif), convert(OutputFormat::gif), convert(OutputFormat::gif), kNotVideo},
        {RadialAction::format(OutputFormat::mov), convert(OutputFormat::mov), convert(OutputFormat::mov), kNotVideo},
        {RadialAction::format(OutputFormat::mp3), convert(OutputFormat::mp3), noAudioToExtract,
         convert(OutputFormat::mp3)},
        {RadialAction::format(OutputFormat::m4a), convert(OutputFormat::m4a), noAudioToExtract,
         convert(OutputFormat::m4a)},
        {RadialAction::imageFormat(ImageFormat::jpeg), enqueue(ConversionOp::convertImage(ImageFormat::jpeg)),
         enqueue(ConversionOp::convertImage(ImageFormat::jpeg)),
         enqueue(ConversionOp::convertImage(ImageFormat::jpeg))},
        {RadialAction::imageFormat(ImageFormat::png), enqueue(ConversionOp::convertImage(ImageFormat::png)),
         enqueue(ConversionOp::convertImage(ImageFormat::png)), enqueue(ConversionOp::convertImage(ImageFormat::png))},
        {RadialAction::imageFormat(ImageFormat::heic), enqueue(ConversionOp::convertImage(ImageFormat::heic)),
         enqueue(ConversionOp::convertImage(ImageFormat::heic)),
         enqueue(ConversionOp::convertImage(ImageFormat::heic))},
        videoTool(ToolAction::compress, ToolKind::compressVideo),
        {RadialAction::tool(ToolAction::removeMeta), enqueue(ConversionOp::removeMetadata()),
         enqueue(ConversionOp::removeMetadata()), enqueue(ConversionOp::removeMetadata())},
        {RadialAction::tool(ToolAction::mute), enqueue(ConversionOp::mute()),
         error(kNoAudio, "%@ has no audio to mute."), kNotVideo},
        videoTool(ToolAction::trim, ToolKind::trim),
        videoTool(ToolAction::crop, ToolKind::crop),
        videoTool(ToolAction::speed, ToolKind::speed),
        videoTool(ToolAction::snapshot, ToolKind::snapshot),
        videoTool(ToolAction::split, ToolKind::split),
        {RadialAction::tool(ToolAction::resize), kNotVideo, kNotVideo, kNotVideo},
        {RadialAction::tool(ToolAction::rotate), kNotVideo, kNotVideo, kNotVideo},
        {RadialAction::tool(ToolAction::removeBackground), kNotVideo, kNotVideo, kNotVideo},
    };
    ASSERT_EQ(std::size(rows), static_cast<size_t>(allActions().size()));
    for (const Row& r : rows) {
        const std::pair<MediaInfo, Outcome> cases[] = {{kVA, r.videoAndAudio}, {kV, r.videoOnly}, {kA, r.audioOnly}};
        for (const QString path : {"/in/clip.mov", "/in/Song Name.WAV", "/in/anim.gif"}) {
            for (const auto& [info, outcome] : cases) {
                SCOPED_TRACE(describe(r.action) + " on " + path.toStdString() + " v" + std::to_string(info.hasVideo) +
                             " a" + std::to_string(info.hasAudio));
                EXPECT_EQ(DropRouter::plan({{path, info}}, r.action), expectedPlan(outcome, path, info));
            }
            // No answer from the probe, or an answer without any track: unreadable, except for image formats,
            // which turn any media (an animated GIF above all) into a still.
            for (const std::optional<MediaInfo>& info :
                 {std::optional<MediaInfo>(), std::optional<MediaInfo>(kNeither)}) {
                SCOPED_TRACE(describe(r.action) + " on " + path.toStdString() + " without tracks");
                const Outcome expected = r.action.type() == RadialAction::Type::imageFormat
                                             ? r.videoAndAudio
                                             : error(kCannotRead, kCannotReadMessage);
                EXPECT_EQ(DropRouter::plan({{path, info}}, r.action), expectedPlan(expected, path, info));
            }
        }
    }
}

TEST(DropRouterMedia, NonImagesAndFoldersTakeTheMediaPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("pics.png"));
    const QString folder = dir.filePath("pics.png");
    const std::tuple<QString, RadialAction, Outcome> rows[] = {
        {"/in/notes.txt", RadialAction::format(OutputFormat::mp4), error(kCannotRead, kCannotReadMessage)},
        {"/in/notes.txt", RadialAction::tool(ToolAction::rotate), error(kCannotRead, kCannotReadMessage)},
        {"/in/notes.txt", RadialAction::imageFormat(ImageFormat::png),
         enqueue(ConversionOp::convertImage(ImageFormat::png))},
        {"/in/noext", RadialAction::tool(ToolAction::compress), error(kCannotRead, kCannotReadMessage)},
        {folder, RadialAction::tool(ToolAction::rotate), error(kCannotRead, kCannotReadMessage)},
        {"/in/album.jpg/", RadialAction::tool(ToolAction::removeMeta), error(kCannotRead, kCannotReadMessage)},
    };
    for (const auto& [path, action, outcome] : rows) {
        SCOPED_TRACE(describe(action) + " on " + path.toStdString());
        EXPECT_EQ(DropRouter::plan({{path, std::nullopt}}, action), expectedPlan(outcome, path, std::nullopt));
    }
}

TEST(DropRouterPlans, RequestsFollowToolKindOrderAndFilesKeepDropOrder)
{
    const QList<DroppedFile> files = {
        {"/in/first.png", std::nullopt},  {"/in/v1.mp4", kVA}, {"/in/tone.wav", kA},
        {"/in/second.jpg", std::nullopt}, {"/in/v2.mov", kV},  {"/in/bad.mkv", std::nullopt},
        {"/in/third.heic", std::nullopt},
    };
    DropPlan expected;
    expected.requests = {
        {ToolKind::compressVideo, {{"/in/v1.mp4", kVA}, {"/in/v2.mov", kV}}},
        {ToolKind::compressImage,
         {{"/in/first.png", std::nullopt}, {"/in/second.jpg", std::nullopt}, {"/in/third.heic", std::nullopt}}},
    };
    expected.errors = {{kNoVideo, "tone.wav is not a video file."}, {kCannotRead, kCannotReadMessage}};
    EXPECT_EQ(DropRouter::plan(files, RadialAction::tool(ToolAction::compress)), expected);
}

TEST(DropRouterPlans, EnqueuesAndErrorsKeepDropOrder)
{
    const QList<DroppedFile> files = {
        {"/in/silent.mp4", kV}, {"/in/b.mp4", kVA}, {"/in/pic.png", std::nullopt}, {"/in/a.wav", kA}};
    DropPlan expected;
    expected.enqueues = {{"/in/b.mp4", ConversionOp::convert(OutputFormat::mp3), kVA},
                         {"/in/a.wav", ConversionOp::convert(OutputFormat::mp3), kA}};
    expected.errors = {{kNoAudio, "silent.mp4 has no audio to extract."}, {kUnsupported, kUnsupportedMessage}};
    EXPECT_EQ(DropRouter::plan(files, RadialAction::format(OutputFormat::mp3)), expected);
}

TEST(DropRouterPlans, EveryFileGivesExactlyOneRecord)
{
    const QList<DroppedFile> files = {
        {"/in/a.png", std::nullopt}, {"/in/b.mp4", kVA},          {"/in/c.mp4", kV},       {"/in/d.wav", kA},
        {"/in/e.mkv", std::nullopt}, {"/in/f.txt", std::nullopt}, {"/in/g.mov", kNeither}, {"/in/h.gif", std::nullopt},
    };
    for (const RadialAction& action : allActions()) {
        const DropPlan plan = DropRouter::plan(files, action);
        qsizetype records = plan.enqueues.size() + plan.errors.size();
        std::set<ToolKind> kinds;
        for (const ToolRequest& r : plan.requests) {
            records += r.files.size();
            EXPECT_FALSE(r.files.isEmpty()) << describe(action);
            kinds.insert(r.kind);
        }
        EXPECT_EQ(records, files.size()) << describe(action);
        EXPECT_EQ(static_cast<qsizetype>(kinds.size()), plan.requests.size())
            << "one request per kind, " << describe(action);
    }
    EXPECT_EQ(DropRouter::plan({}, RadialAction::tool(ToolAction::trim)), DropPlan{});
}

TEST(DropClassification, ExtensionSets)
{
    EXPECT_EQ(DropClassification::videoExtensions().size(), 23);
    EXPECT_EQ(DropClassification::audioExtensions().size(), 14);
    EXPECT_EQ(DropClassification::imageExtensions().size(), 14);
    EXPECT_TRUE(DropClassification::videoExtensions().contains("gif"));
    EXPECT_FALSE(DropClassification::imageExtensions().contains("gif"));
    EXPECT_FALSE(DropClassification::videoExtensions().intersects(DropClassification::audioExtensions()));
    EXPECT_FALSE(DropClassification::videoExtensions().intersects(DropClassification::imageExtensions()));
    EXPECT_FALSE(DropClassification::audioExtensions().intersects(DropClassification::imageExtensions()));
}

TEST(DropClassification, Combining)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("clip.mp4"));
    const QString folderNamedLikeVideo = dir.filePath("clip.mp4");
    const std::pair<QStringList, std::optional<DropKind>> rows[] = {
        {{"/in/a.MP4", "/in/b.wav"}, DropKind::mixed},
        {{"/in/a.gif", "/in/b.png"}, DropKind::video},
        {{"/in/a.mp3", "/in/b.jpg"}, DropKind::audio},
        {{"/in/a.png", "/in/b.HEIC"}, DropKind::image},
        {{"/in/a.mov", "/in/b.flac", "/in/c.png"}, DropKind::mixed},
        {{"/in/a.txt", "/in/b.JPG"}, DropKind::image},
        {{folderNamedLikeVideo, "/in/b.wav"}, DropKind::audio},
        {{"/in/x.mp4/"}, std::nullopt},
        {{dir.path()}, std::nullopt},
        {{folderNamedLikeVideo}, std::nullopt},
        {{"/in/a.txt", "/in/noext"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& [paths, kind] : rows)
        EXPECT_EQ(DropClassification::combining(paths), kind) << paths.join(", ").toStdString();
}

TEST(DropClassification, ToolsForEachKind)
{
    using enum ToolAction;
    EXPECT_EQ(DropClassification::tools(DropKind::video),
              (QList<ToolAction>{compress, removeMeta, mute, trim, crop, speed, snapshot, split}));
    EXPECT_EQ(DropClassification::tools(DropKind::image), (QList<ToolAction>{compress, resize, rotate, removeMeta}));
    EXPECT_EQ(DropClassification::tools(DropKind::audio), QList<ToolAction>{removeMeta});
    EXPECT_EQ(DropClassification::tools(DropKind::mixed), QList<ToolAction>{removeMeta});
}

// The intake with a recording prober standing in for ffprobe (the real probe is tested with the engine).
class DropIntakeTest : public ::testing::Test {
protected:
    DropIntake::Prober prober()
    {
        return [this](const QString& path) -> std::optional<MediaInfo> {
            probed << path;
            return infos.value(path);
        };
    }
    QHash<QString, std::optional<MediaInfo>> infos;
    QStringList probed;
};

TEST_F(DropIntakeTest, SupportedFilesKeepOrderAndSkipFoldersAndUnknownExtensions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("movie.mp4"));
    EXPECT_EQ(DropIntake::supportedFiles({"/in/a.MP4", "/in/b.txt", dir.filePath("movie.mp4"), "/in/c.jpg",
                                          "/in/missing.wav", "/in/noext", "/in/d.Gif", "/in/e.mp3/"}),
              (QStringList{"/in/a.MP4", "/in/c.jpg", "/in/missing.wav", "/in/d.Gif"}));
}

TEST_F(DropIntakeTest, NothingSupportedGivesOneUnsupportedError)
{
    QTemporaryDir dir;
    const DropPlan unsupported{{}, {}, {{kUnsupported, kUnsupportedMessage}}};
    for (const RadialAction& action : {RadialAction::tool(ToolAction::trim), RadialAction::format(OutputFormat::mp4)}) {
        EXPECT_EQ(DropIntake::plan({"/in/a.txt", dir.path(), "/in/b.docx"}, action, prober()),
                  QList<DropPlan>{unsupported});
        EXPECT_EQ(DropIntake::plan({}, action, prober()), QList<DropPlan>{unsupported});
    }
    EXPECT_EQ(probed, QStringList{});
}

TEST_F(DropIntakeTest, BatchToolsGiveOnePlanWithImagesFirst)
{
    infos = {{"/in/v1.mov", kV}, {"/in/song.mp3", kA}};
    const QList<DropPlan> plans =
        DropIntake::plan({"/in/v1.mov", "/in/pic.png", "/in/v2.mp4", "/in/song.mp3", "/in/x.txt"},
                         RadialAction::tool(ToolAction::trim), prober());
    EXPECT_EQ(probed, (QStringList{"/in/v1.mov", "/in/v2.mp4", "/in/song.mp3"}));
    DropPlan expected;
    expected.requests = {{ToolKind::trim, {{"/in/v1.mov", kV}}}};
    expected.errors = {{kUnsupported, kUnsupportedMessage},
                       {kCannotRead, kCannotReadMessage},
                       {kNoVideo, "song.mp3 is not a video file."}};
    EXPECT_EQ(plans, QList<DropPlan>{expected});
}

TEST_F(DropIntakeTest, PerFileActionsPlanImagesFirstThenMediaInOrder)
{
    infos = {{"/in/v.mp4", kVA}, {"/in/w.wav", kA}};
    const QList<DropPlan> plans = DropIntake::plan({"/in/v.mp4", "/in/i.png", "/in/w.wav", "/in/j.jpg"},
                                                   RadialAction::tool(ToolAction::removeMeta), prober());
    const QList<DropPlan> expected = {
        {{{"/in/i.png", ConversionOp::removeMetadata(), std::nullopt}}, {}, {}},
        {{{"/in/j.jpg", ConversionOp::removeMetadata(), std::nullopt}}, {}, {}},
        {{{"/in/v.mp4", ConversionOp::removeMetadata(), kVA}}, {}, {}},
        {{{"/in/w.wav", ConversionOp::removeMetadata(), kA}}, {}, {}},
    };
    EXPECT_EQ(plans, expected);
    EXPECT_EQ(probed, (QStringList{"/in/v.mp4", "/in/w.wav"}));
}

TEST_F(DropIntakeTest, WhichActionsOpenAToolWindowForTheBatch)
{
    const std::set<ToolAction> batch = {ToolAction::compress, ToolAction::trim,  ToolAction::crop,  ToolAction::speed,
                                        ToolAction::snapshot, ToolAction::split, ToolAction::resize};
    for (const RadialAction& action : allActions()) {
        const bool expected = action.type() == RadialAction::Type::tool && batch.count(action.toolAction()) == 1;
        EXPECT_EQ(DropIntake::opensToolWindow(action), expected) << describe(action);
    }
}

} // namespace
