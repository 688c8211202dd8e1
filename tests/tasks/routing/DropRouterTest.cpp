// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropRouter.h"

#include "DropClassification.h"
#include "DropIntake.h"
#include "Printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

using namespace karvo;

namespace {

const QString kUnsupported = QStringLiteral("Unsupported file");
const QString kUnsupportedMessage = QStringLiteral("Karvo handles video, audio, and images. Other files are skipped.");
const QString kCannotRead = QStringLiteral("Cannot read media");
const QString kNotMedia =
    QStringLiteral("%@ could not be read as media: it is damaged, incomplete, or not a video or audio file.");
const QString kNotFound = QStringLiteral("%@ was not found. It may have been moved, renamed or deleted.");

QString filled(const QString& message, const QString& name)
{
    return QString(message).replace("%@", name);
}

// A file of that name in a folder of this test's own, with some content: routing looks at a file before
// it plans to use it.
QString dropped(const QString& name)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.exists() && file.open(QIODevice::WriteOnly))
        file.write("content");
    return path;
}
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
        for (const QString& path : {dropped("photo.png"), dropped("PHOTO.JPG"), dropped("shot.heic"),
                                    dropped("scan.webp"), dropped("a.b.tiff")}) {
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
        for (const QString& path : {dropped("clip.mov"), dropped("Song Name.WAV"), dropped("anim.gif")}) {
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
                                             : error(kCannotRead, kNotMedia);
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
        {dropped("notes.txt"), RadialAction::format(OutputFormat::mp4), error(kCannotRead, kNotMedia)},
        {dropped("notes.txt"), RadialAction::tool(ToolAction::rotate), error(kCannotRead, kNotMedia)},
        {dropped("notes.txt"), RadialAction::imageFormat(ImageFormat::png),
         enqueue(ConversionOp::convertImage(ImageFormat::png))},
        {dropped("noext"), RadialAction::tool(ToolAction::compress), error(kCannotRead, kNotMedia)},
        {folder, RadialAction::tool(ToolAction::rotate), error(kCannotRead, "%@ is a folder, not a media file.")},
        {folder, RadialAction::imageFormat(ImageFormat::jpeg), error(kCannotRead, "%@ is a folder, not a media file.")},
        {"/in/album.jpg/", RadialAction::tool(ToolAction::removeMeta),
         error(kCannotRead, filled(kNotFound, "album.jpg"))},
    };
    for (const auto& [path, action, outcome] : rows) {
        SCOPED_TRACE(describe(action) + " on " + path.toStdString());
        EXPECT_EQ(DropRouter::plan({{path, std::nullopt}}, action), expectedPlan(outcome, path, std::nullopt));
    }
}

TEST(DropRouterPlans, RequestsFollowToolKindOrderAndFilesKeepDropOrder)
{
    const QList<DroppedFile> files = {
        {dropped("first.png"), std::nullopt},  {dropped("v1.mp4"), kVA}, {dropped("tone.wav"), kA},
        {dropped("second.jpg"), std::nullopt}, {dropped("v2.mov"), kV},  {dropped("bad.mkv"), std::nullopt},
        {dropped("third.heic"), std::nullopt},
    };
    DropPlan expected;
    expected.requests = {
        {ToolKind::compressVideo, {{dropped("v1.mp4"), kVA}, {dropped("v2.mov"), kV}}},
        {ToolKind::compressImage,
         {{dropped("first.png"), std::nullopt},
          {dropped("second.jpg"), std::nullopt},
          {dropped("third.heic"), std::nullopt}}},
    };
    expected.errors = {{kNoVideo, "tone.wav is not a video file."}, {kCannotRead, filled(kNotMedia, "bad.mkv")}};
    EXPECT_EQ(DropRouter::plan(files, RadialAction::tool(ToolAction::compress)), expected);
}

TEST(DropRouterPlans, EnqueuesAndErrorsKeepDropOrder)
{
    const QList<DroppedFile> files = {{dropped("silent.mp4"), kV},
                                      {dropped("b.mp4"), kVA},
                                      {dropped("pic.png"), std::nullopt},
                                      {dropped("a.wav"), kA}};
    DropPlan expected;
    expected.enqueues = {{dropped("b.mp4"), ConversionOp::convert(OutputFormat::mp3), kVA},
                         {dropped("a.wav"), ConversionOp::convert(OutputFormat::mp3), kA}};
    expected.errors = {{kNoAudio, "silent.mp4 has no audio to extract."}, {kUnsupported, kUnsupportedMessage}};
    EXPECT_EQ(DropRouter::plan(files, RadialAction::format(OutputFormat::mp3)), expected);
}

TEST(DropRouterPlans, EveryFileGivesExactlyOneRecord)
{
    const QList<DroppedFile> files = {
        {dropped("a.png"), std::nullopt}, {dropped("b.mp4"), kVA},          {dropped("c.mp4"), kV},
        {dropped("d.wav"), kA},           {dropped("e.mkv"), std::nullopt}, {dropped("f.txt"), std::nullopt},
        {dropped("g.mov"), kNeither},     {dropped("h.gif"), std::nullopt},
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
    infos = {{dropped("v1.mov"), kV}, {dropped("song.mp3"), kA}};
    const QList<DropPlan> plans = DropIntake::plan(
        {dropped("v1.mov"), dropped("pic.png"), dropped("v2.mp4"), dropped("song.mp3"), dropped("x.txt")},
        RadialAction::tool(ToolAction::trim), prober());
    EXPECT_EQ(probed, (QStringList{dropped("v1.mov"), dropped("v2.mp4"), dropped("song.mp3")}));
    DropPlan expected;
    expected.requests = {{ToolKind::trim, {{dropped("v1.mov"), kV}}}};
    expected.errors = {{kUnsupported, kUnsupportedMessage},
                       {kCannotRead, filled(kNotMedia, "v2.mp4")},
                       {kNoVideo, "song.mp3 is not a video file."}};
    EXPECT_EQ(plans, QList<DropPlan>{expected});
}

TEST_F(DropIntakeTest, PerFileActionsPlanImagesFirstThenMediaInOrder)
{
    infos = {{dropped("v.mp4"), kVA}, {dropped("w.wav"), kA}};
    const QList<DropPlan> plans =
        DropIntake::plan({dropped("v.mp4"), dropped("i.png"), dropped("w.wav"), dropped("j.jpg")},
                         RadialAction::tool(ToolAction::removeMeta), prober());
    const QList<DropPlan> expected = {
        {{{dropped("i.png"), ConversionOp::removeMetadata(), std::nullopt}}, {}, {}},
        {{{dropped("j.jpg"), ConversionOp::removeMetadata(), std::nullopt}}, {}, {}},
        {{{dropped("v.mp4"), ConversionOp::removeMetadata(), kVA}}, {}, {}},
        {{{dropped("w.wav"), ConversionOp::removeMetadata(), kA}}, {}, {}},
    };
    EXPECT_EQ(plans, expected);
    EXPECT_EQ(probed, (QStringList{dropped("v.mp4"), dropped("w.wav")}));
}

// A FIFO named like a video would hold ffprobe for its whole time limit, a device would feed it forever:
// such files, and files that are gone or empty, are refused at once, each with its own reason.
class DropIntakeFiles : public DropIntakeTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifoImage).constData(), 0644), 0);
        ASSERT_TRUE(QFile::link("/dev/zero", device));
        QFile(empty).open(QIODevice::WriteOnly);
        infos = {{good, kVA}};
    }

    QTemporaryDir dir;
    const QString fifo = dir.filePath("clip.mp4");
    const QString fifoImage = dir.filePath("photo.png");
    const QString device = dir.filePath("zero.mov");
    const QString empty = dir.filePath("empty.mkv");
    const QString missing = dir.filePath("missing.wav");
    const QString good = dropped("good.mp4");
    const DropError pipeError{kCannotRead, "clip.mp4 is a named pipe, not a media file."};
    const DropError imagePipeError{kCannotRead, "photo.png is a named pipe, not a media file."};
    const DropError deviceError{kCannotRead, "zero.mov is a device, not a media file."};
    const DropError emptyError{kCannotRead, "empty.mkv is empty (0 bytes)."};
    const DropError missingError{kCannotRead, filled(kNotFound, "missing.wav")};
};

TEST_F(DropIntakeFiles, PerFileActionsRefuseWithoutProbing)
{
    const QList<DropPlan> plans = DropIntake::plan({fifo, device, good, empty, fifoImage, missing},
                                                   RadialAction::tool(ToolAction::removeMeta), prober());
    EXPECT_EQ(probed, QStringList{good});
    const QList<DropPlan> expected = {
        {{}, {}, {imagePipeError}}, {{}, {}, {pipeError}},
        {{}, {}, {deviceError}},    {{{good, ConversionOp::removeMetadata(), kVA}}, {}, {}},
        {{}, {}, {emptyError}},     {{}, {}, {missingError}},
    };
    EXPECT_EQ(plans, expected);
}

TEST_F(DropIntakeFiles, BatchToolsRefuseWithoutProbing)
{
    const QList<DropPlan> plans =
        DropIntake::plan({fifo, fifoImage, good, device}, RadialAction::tool(ToolAction::compress), prober());
    EXPECT_EQ(probed, QStringList{good});
    DropPlan expected;
    expected.requests = {{ToolKind::compressVideo, {{good, kVA}}}};
    expected.errors = {imagePipeError, pipeError, deviceError};
    EXPECT_EQ(plans, QList<DropPlan>{expected});
}

TEST_F(DropIntakeFiles, AnImageFormatDoesNotOpenAPipe)
{
    // An animated GIF becomes a still even when ffprobe could not read it, but only a regular file.
    const QString gifPipe = dir.filePath("anim.gif");
    ASSERT_EQ(::mkfifo(QFile::encodeName(gifPipe).constData(), 0644), 0);
    const QString gif = dropped("anim.gif");
    const RadialAction png = RadialAction::imageFormat(ImageFormat::png);
    EXPECT_EQ(DropRouter::plan({{gifPipe, std::nullopt}}, png),
              (DropPlan{{}, {}, {{kCannotRead, "anim.gif is a named pipe, not a media file."}}}));
    EXPECT_EQ(DropRouter::plan({{gif, std::nullopt}}, png),
              (DropPlan{{{gif, ConversionOp::convertImage(ImageFormat::png), std::nullopt}}, {}, {}}));
    EXPECT_EQ(DropRouter::plan({{fifoImage, std::nullopt}}, RadialAction::tool(ToolAction::rotate)),
              (DropPlan{{}, {}, {imagePipeError}}));
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
