// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-cli probe and plan, run as the built program on generated media.
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

namespace TestMedia = karvo::test::TestMedia;

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

CliResult runCli(const QStringList& args, const QString& workingDirectory = QString(),
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(KARVO_CLI_PATH), args);
    CliResult result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "karvo-cli did not finish: " << args.join(' ').toStdString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

int runFFmpeg(const QStringList& args)
{
    int code = -1;
    TestMedia::run(QStringLiteral("ffmpeg"), QStringList{"-hide_banner", "-nostdin", "-loglevel", "error"} + args,
                   &code);
    return code;
}

QStringList toStringList(const QJsonValue& array)
{
    QStringList list;
    for (const QJsonValue& v : array.toArray())
        list << v.toString();
    return list;
}

class CliProbePlan : public ::testing::Test {
protected:
    QString copy(const QString& source, const QString& name)
    {
        const QString target = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(source, target)) << name.toStdString();
        return target;
    }

    QTemporaryDir dir;
};

TEST_F(CliProbePlan, HelpAndVersion)
{
    for (const QString flag : {"--help", "-h"}) {
        const CliResult help = runCli({flag});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith("Usage:")) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains("remove-background")) << help.out.toStdString();
    }
    const CliResult version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("karvo-cli ")) << version.out.toStdString();
    EXPECT_EQ(version.err, "");
}

TEST_F(CliProbePlan, UsageErrorsExitWithTwo)
{
    const QString clip = TestMedia::silentVideo();
    const QList<QStringList> rows = {
        {},
        {"frobnicate"},
        {"plan", "frobnicate", clip},
        {"plan", "MP4", clip},
        {"plan", "mp4"},
        {"plan", "--json", "trim"},
        {"probe"},
    };
    for (const QStringList& args : rows) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(' ').toStdString();
        EXPECT_EQ(r.out, "") << args.join(' ').toStdString();
    }
}

TEST_F(CliProbePlan, ProbePrintsOneJsonLinePerFile)
{
    const CliResult r = runCli({"probe", TestMedia::rotatedClip(), TestMedia::mp3WithCover()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << r.out.toStdString();

    const QJsonObject rotated = QJsonDocument::fromJson(lines[0].toUtf8()).object();
    EXPECT_EQ(rotated.value("file").toString(), TestMedia::rotatedClip());
    EXPECT_EQ(rotated.value("width").toInt(), 1080);
    EXPECT_EQ(rotated.value("height").toInt(), 1920);
    EXPECT_EQ(rotated.value("hasVideo"), QJsonValue(true));
    EXPECT_EQ(rotated.value("hasAudio"), QJsonValue(true));

    const QJsonObject cover = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    EXPECT_EQ(cover.value("hasVideo"), QJsonValue(false));
    EXPECT_EQ(cover.value("hasAudio"), QJsonValue(true));
    EXPECT_EQ(cover.value("formatName").toString(), "mp3");
    EXPECT_NEAR(cover.value("duration").toDouble(), 2.0, 0.15);
}

TEST_F(CliProbePlan, ProbeFailuresNameTheFileAndExitWithOne)
{
    const QString truncated = TestMedia::truncated();
    const QString missing = dir.filePath("missing.mp4");
    const std::pair<QStringList, QString> rows[] = {
        {{truncated}, truncated},
        {{missing}, missing},
        {{dir.path()}, dir.path()},
    };
    for (const auto& [files, named] : rows) {
        const CliResult r = runCli(QStringList{"probe"} + files);
        EXPECT_EQ(r.exitCode, 1) << named.toStdString();
        EXPECT_EQ(r.out, "") << named.toStdString();
        const QStringList lines = r.err.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << r.err.toStdString();
        EXPECT_TRUE(lines[0].contains(named)) << r.err.toStdString();
    }

    // One good file and one bad: the good one is still reported.
    const CliResult mixed = runCli({"probe", TestMedia::wav(), truncated});
    EXPECT_EQ(mixed.exitCode, 1);
    EXPECT_EQ(mixed.out.split('\n', Qt::SkipEmptyParts).size(), 1);
    EXPECT_EQ(mixed.err.split('\n', Qt::SkipEmptyParts).size(), 1);
}

TEST_F(CliProbePlan, TrimPlanHoldsTheVideoAndRejectsTheImage)
{
    const QString mov = copy(TestMedia::clip(2, 320, 240, true), "a.mov");
    QFile png(dir.filePath("b.png"));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.close();

    const CliResult r = runCli({"plan", "--json", "trim", mov, png.fileName()});
    EXPECT_EQ(r.exitCode, 1) << "an error in the plan";
    const QJsonObject plan = r.json();
    // The tool request becomes the task a run would enqueue, with the stored defaults.
    const QJsonArray enqueues = plan.value("enqueues").toArray();
    ASSERT_EQ(enqueues.size(), 1);
    EXPECT_EQ(enqueues[0].toObject().value("output").toString(), dir.filePath("a Trimmed.mp4"));

    const QJsonArray requests = plan.value("toolRequests").toArray();
    ASSERT_EQ(requests.size(), 1) << r.out.toStdString();
    EXPECT_EQ(requests[0].toObject().value("tool").toString(), "trim");
    const QJsonArray files = requests[0].toObject().value("files").toArray();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].toObject().value("file").toString(), mov);
    EXPECT_EQ(files[0].toObject().value("info").toObject().value("width").toInt(), 320);

    const QJsonArray errors = plan.value("errors").toArray();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0].toObject().value("title").toString(), "Unsupported file");
    EXPECT_EQ(errors[0].toObject().value("message").toString(),
              "Karvo handles video, audio, and images. Other files are skipped.");
}

TEST_F(CliProbePlan, Mp4PlanOfAnOddSizedGifRunsInFFmpeg)
{
    const QString gif = copy(TestMedia::oddGif(), "odd.gif");
    const CliResult r = runCli({"plan", "--json", "mp4", gif});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << r.out.toStdString();
    const QJsonArray enqueues = r.json().value("enqueues").toArray();
    ASSERT_EQ(enqueues.size(), 1);
    const QJsonObject task = enqueues[0].toObject();
    EXPECT_EQ(task.value("output").toString(), dir.filePath("odd.mp4"));
    EXPECT_EQ(task.value("engine").toString(), "ffmpeg");
    const QStringList args = toStringList(task.value("arguments"));
    ASSERT_GE(args.size(), 2);
    EXPECT_EQ(args.last(), dir.filePath("odd.mp4"));

    ASSERT_EQ(runFFmpeg(args), 0) << args.join(' ').toStdString();
    const CliResult probe = runCli({"probe", dir.filePath("odd.mp4")});
    ASSERT_EQ(probe.exitCode, 0);
    const QJsonObject info = QJsonDocument::fromJson(probe.out.toUtf8()).object();
    EXPECT_EQ(info.value("width").toInt(), 160);
    EXPECT_EQ(info.value("height").toInt(), 120);

    // Planned again, the name is taken now.
    const CliResult again = runCli({"plan", "--json", "mp4", gif});
    EXPECT_EQ(again.json().value("enqueues").toArray().at(0).toObject().value("output").toString(),
              dir.filePath("odd 2.mp4"));
}

TEST_F(CliProbePlan, NamesThatLookLikeOptionsOrProtocolsArePassedAbsolute)
{
    const QString clip = TestMedia::clip(2, 320, 240, true);
    const QString dash = copy(clip, "-x.mp4");
    const QString concat = copy(clip, "concat:a.mp4");

    const CliResult probe = runCli({"probe", "-x.mp4", "concat:a.mp4"}, dir.path());
    ASSERT_EQ(probe.exitCode, 0) << probe.err.toStdString();
    const QStringList lines = probe.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(QJsonDocument::fromJson(lines[0].toUtf8()).object().value("file").toString(), dash);
    EXPECT_EQ(QJsonDocument::fromJson(lines[1].toUtf8()).object().value("file").toString(), concat);
    EXPECT_EQ(QJsonDocument::fromJson(lines[1].toUtf8()).object().value("width").toInt(), 320);

    const CliResult plan = runCli({"plan", "--json", "mute", "-x.mp4", "concat:a.mp4"}, dir.path());
    ASSERT_EQ(plan.exitCode, 0) << plan.err.toStdString() << plan.out.toStdString();
    const QJsonArray enqueues = plan.json().value("enqueues").toArray();
    ASSERT_EQ(enqueues.size(), 2);
    const std::pair<QString, QString> expected[] = {{dash, dir.filePath("-x Muted.mp4")},
                                                    {concat, dir.filePath("concat:a Muted.mp4")}};
    for (qsizetype i = 0; i < 2; ++i) {
        const QJsonObject task = enqueues[i].toObject();
        EXPECT_EQ(task.value("input").toString(), expected[i].first);
        EXPECT_EQ(task.value("output").toString(), expected[i].second);
        const QStringList args = toStringList(task.value("arguments"));
        EXPECT_EQ(args.value(args.indexOf("-i") + 1), expected[i].first);
        // The list runs as it is, from a different working folder, and reads the named file.
        ASSERT_EQ(runFFmpeg(args), 0) << args.join(' ').toStdString();
        const QByteArray streams = TestMedia::run(
            "ffprobe", {"-v", "quiet", "-show_entries", "stream=codec_type", "-of", "csv=p=0", expected[i].second});
        EXPECT_EQ(streams.trimmed(), QByteArray("video"));
    }
}

} // namespace

namespace {
bool writeText(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}
} // namespace

TEST_F(CliProbePlan, PlanAndRunAgreeForEveryAction)
{
    // A custom output folder stored as the desktop program stores it: plan must name what the run writes.
    QTemporaryDir config, data, custom;
    ASSERT_TRUE(writeText(config.filePath("Karvo/settings.json"), R"({"kv.outputLocation": "custom"})"));
    ASSERT_TRUE(writeText(data.filePath("Tessvane/output-folder.bookmark"), custom.path().toUtf8()));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    env.insert("XDG_DATA_HOME", data.path());

    const QString video = copy(TestMedia::clip(2, 160, 120, true), "v.mov");
    const QString audio = copy(TestMedia::wav(), "s.wav");
    const QString image = dir.filePath("p.png");
    ASSERT_TRUE(TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48", "-frames:v", "1", image}));
    const QHash<QString, QStringList> options{
        {"trim", {"--start", "0.2", "--end", "1"}}, {"crop", {"--rect", "0,0,0.5,0.5"}},
        {"speed", {"--factor", "2"}},               {"split", {"--every", "1"}},
        {"snapshot", {"--at", "0.5"}},              {"resize", {"--edge", "800"}},
        {"rotate", {"--angle", "90"}},
    };

    const QString help = runCli({"--help"}).out;
    const qsizetype at = help.indexOf("ACTION is one of:");
    ASSERT_GE(at, 0);
    const QStringList words = help.mid(at).section('\n', 1, 1).split(' ', Qt::SkipEmptyParts);
    ASSERT_GE(words.size(), 15) << help.toStdString();
    for (const QString& word : words) {
        SCOPED_TRACE(word.toStdString());
        const QStringList args = options.value(word) + QStringList{video, audio, image};
        const CliResult plan = runCli(QStringList{"plan", "--json", word} + args, {}, env);
        QHash<QString, QStringList> planned; // input + operation -> outputs
        for (const QJsonValue& v : plan.json().value("enqueues").toArray()) {
            const QJsonObject e = v.toObject();
            const QStringList outputs =
                e.contains("outputs") ? toStringList(e.value("outputs")) : QStringList{e.value("output").toString()};
            for (const QString& out : outputs)
                EXPECT_TRUE(out.startsWith(custom.path())) << out.toStdString();
            planned.insert(e.value("input").toString() + '|' + e.value("operation").toString(), outputs);
        }

        const CliResult run = runCli(QStringList{word, "--json"} + args, {}, env);
        int tasks = 0;
        for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts)) {
            const QJsonObject t = QJsonDocument::fromJson(line.toUtf8()).object();
            ++tasks;
            const QString key = t.value("input").toString() + '|' + t.value("operation").toString();
            ASSERT_TRUE(planned.contains(key)) << key.toStdString() << "\n" << plan.out.toStdString();
            if (t.value("status").toString() == "done") {
                EXPECT_EQ(toStringList(t.value("outputs")), planned.value(key)) << key.toStdString();
            }
        }
        EXPECT_EQ(tasks, planned.size()) << run.out.toStdString() << run.err.toStdString();
        // Files the plan refuses are refused by the run too, which then says so in its status.
        if (!plan.json().value("errors").toArray().isEmpty()) {
            EXPECT_NE(run.exitCode, 0);
        }
    }
}
