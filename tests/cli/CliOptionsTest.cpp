// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-cli's option values, its escaping of untrusted text and its install hint, run in this process.
#include "ActionWords.h"
#include "CliApp.h"
#include "CliOutput.h"
#include "ConvertCommand.h"
#include "FFmpegLocator.h"
#include "InstallHint.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace karvo;

namespace {
struct Parsed {
    std::optional<ConvertCommand::Options> options;
    QString error;
};

Parsed parse(const QString& action, const QStringList& args)
{
    Parsed p;
    const auto a = ActionWords::parse(action);
    EXPECT_TRUE(a.has_value()) << action.toStdString();
    p.options = ConvertCommand::parse(*a, args + QStringList{"clip.mov"}, &p.error);
    return p;
}
} // namespace

TEST(CliOptions, ValuesOutsideTheToolRangesAreRefusedNamingTheOption)
{
    struct Row {
        QString action;
        QStringList args;
        QString named; // must appear in the error
    };
    const QList<Row> rows{
        {"split", {"--every", "1e-300"}, "--every"},
        {"split", {"--every", "0.0000001"}, "--every"},
        {"split", {"--every", "0.5"}, "at least 1 second"},
        {"split", {"--every", "inf"}, "--every"},
        {"trim", {"--start", "-5"}, "--start"},
        {"trim", {"--end", "-1"}, "--end"},
        {"trim", {"--start", "5", "--end", "3"}, "--end"},
        {"trim", {"--start", "4", "--end", "4"}, "--end"},
        {"trim", {"--end", "0"}, "--end"},
        {"crop", {"--rect", "1,1,1,1"}, "outside the picture"},
        {"crop", {"--rect", "-1,-1,3,3"}, "--rect -1,-1,3,3"},
        {"crop", {"--rect", "0.2,0.2,0,0.5"}, "--rect"},
        {"crop", {"--rect", "0.2,0.2,0.5"}, "--rect"},
        {"crop", {"--rect", "nan,0,1,1"}, "--rect"},
        {"speed", {"--factor", "8"}, "--factor"},
        {"compress", {"--quality", "good"}, "--quality"},
        // An option of another action is an error, not ignored.
        {"mp4", {"--at", "3"}, "--at does not apply to mp4"},
        {"trim", {"--preset", "1"}, "--preset does not apply to trim"},
        {"split", {"--rect", "0,0,1,1"}, "--rect does not apply to split"},
        {"compress", {"--edge", "800"}, "--edge does not apply to compress"},
        {"jpeg", {"--quality", "0.5"}, "--quality does not apply to jpeg"},
        {"mp4", {"--frobnicate", "1"}, "unknown option --frobnicate"},
    };
    for (const Row& r : rows) {
        const Parsed p = parse(r.action, r.args);
        const std::string what = (r.action + ' ' + r.args.join(' ')).toStdString();
        EXPECT_FALSE(p.options.has_value()) << what;
        EXPECT_TRUE(p.error.contains(r.named)) << what << ": " << p.error.toStdString();
    }
}

TEST(CliOptions, InRangeValuesAreTakenAndQualityIsClampedLikeTheSetting)
{
    const Parsed split = parse("split", {"--every", "1"});
    ASSERT_TRUE(split.options) << split.error.toStdString();
    EXPECT_EQ(split.options->every, 1.0);

    const Parsed trim = parse("trim", {"--start", "0", "--end", "2.5"});
    ASSERT_TRUE(trim.options) << trim.error.toStdString();
    EXPECT_EQ(trim.options->start, 0.0);
    EXPECT_EQ(trim.options->end, 2.5);

    for (const auto& [given, used] : {std::pair{"0", 0.4}, {"1", 0.95}, {"0.6", 0.6}}) {
        const Parsed p = parse("compress", {"--quality", given});
        ASSERT_TRUE(p.options) << p.error.toStdString();
        EXPECT_EQ(p.options->quality, used) << given;
        // A changed value is said, not silently used.
        EXPECT_EQ(p.options->notices.size(), used == 0.6 ? 0 : 1) << given;
    }
}

TEST(CliOptions, CropRectIsCutToThePicture)
{
    const Parsed inside = parse("crop", {"--rect", "0,0,1,1"});
    ASSERT_TRUE(inside.options) << inside.error.toStdString();
    EXPECT_EQ(inside.options->rect, QRectF(0, 0, 1, 1));
    EXPECT_TRUE(inside.options->notices.isEmpty());

    const Parsed over = parse("crop", {"--rect", "0.5,0.25,0.8,0.5"});
    ASSERT_TRUE(over.options) << over.error.toStdString();
    EXPECT_EQ(over.options->rect, QRectF(0.5, 0.25, 0.5, 0.5));
    ASSERT_EQ(over.options->notices.size(), 1);
    EXPECT_TRUE(over.options->notices.first().contains("0.5,0.25,0.5,0.5"))
        << over.options->notices.first().toStdString();
}

TEST(CliOptions, UntrustedTextIsEscapedForTheTerminal)
{
    const std::pair<QString, QString> rows[] = {
        {"plain name.mov", "plain name.mov"},
        {QString::fromUtf8("caf\u00e9 \u65e5\u672c.mov"), QString::fromUtf8("caf\u00e9 \u65e5\u672c.mov")},
        {"a\x1b[31mred", "a\\x1b[31mred"},
        {"two\nlines\r", "two\\nlines\\r"},
        {"tab\there", "tab\\there"},
        {"title\x1b]0;owned\x07", "title\\x1b]0;owned\\x07"},
        {QString(QChar(0x9b)) + "2J", "\\x9b2J"},                            // the one-character CSI
        {QString("x") + QChar(0x7f), "x\\x7f"},                              //
        {QString("evil") + QChar(0x202e) + "vom.exe", "evil\\u202evom.exe"}, // display reordering
        {QString("nul") + QChar(0) + "byte", "nul\\x00byte"},
    };
    for (const auto& [raw, shown] : rows)
        EXPECT_EQ(CliOutput::terminalSafe(raw), shown);
}

TEST(CliOptions, MissingFFprobeIsExplainedWithThisSystemsInstallCommand)
{
    QTemporaryDir dir;
    QFile media(dir.filePath("clip.mp4"));
    ASSERT_TRUE(media.open(QIODevice::WriteOnly));
    media.write("not looked at without ffprobe");
    media.close();
    QTemporaryFile capture;
    ASSERT_TRUE(capture.open());

    // karvo-cli probe, run here with standard error sent to a file and no ffprobe to be found.
    FFmpegLocator::setTestFolders({dir.filePath("no-tools")}, true);
    std::fflush(stderr);
    const int savedErr = ::dup(STDERR_FILENO);
    ::dup2(capture.handle(), STDERR_FILENO);
    int status = -1;
    {
        CliApp cli({"probe", media.fileName()});
        status = cli.run();
    }
    std::fflush(stderr);
    ::dup2(savedErr, STDERR_FILENO);
    ::close(savedErr);
    FFmpegLocator::setTestFolders({});

    EXPECT_EQ(status, 1);
    capture.seek(0);
    EXPECT_EQ(QString::fromUtf8(capture.readAll()),
              "karvo-cli: " + media.fileName() +
                  ": ffprobe not found. Install with: " + InstallHint::ffmpegInstallCommand() + "\n");
}
