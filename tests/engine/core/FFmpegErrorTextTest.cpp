// SPDX-License-Identifier: GPL-3.0-or-later
// ffmpeg's standard error is taken from real runs wherever the failure can be produced here: a full disk
// is /dev/full, a refused folder is a folder the user may not write. Fixed text stands in for the rest.
#include "FFmpegErrorText.h"

#include "ChildProcess.h"
#include "Printers.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace karvo;
namespace TestMedia = karvo::test::TestMedia;

namespace {

struct FFmpegOutput {
    QByteArray tail;
    int exitCode = -1;
};

// Runs ffmpeg with the runner's fixed prefix and keeps the tail of standard error the way the runner does.
// `asUser` runs it as "nobody" through setpriv (root may write anywhere).
FFmpegOutput ffmpeg(const QStringList& args, bool asUser = false)
{
    QString program = QStandardPaths::findExecutable("ffmpeg");
    QStringList all = QStringList{"-hide_banner", "-nostats", "-nostdin"} + args;
    if (asUser) {
        all = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + all;
        program = QStandardPaths::findExecutable("setpriv");
    }
    ChildProcess process;
    EXPECT_EQ(process.start(program, all, ChildProcess::Output::discard, ChildProcess::Output::pipe), QString());
    FFmpegOutput run;
    run.tail = ChildProcess::readTail(process.stderrFd(), 16384);
    const auto exit = process.waitForExit();
    run.exitCode = exit.normal ? exit.code : -1;
    return run;
}

class FFmpegErrorTextReal : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    }

    // A clip whose stream dumps carry "handler_name : SoundHandler" and friends, as phone videos do.
    QString clip() const { return TestMedia::clip(2, 160, 120, true); }

    void check(const char* name, const FFmpegOutput& run, const QString& folder, const QString& expected,
               bool writeFailure)
    {
        SCOPED_TRACE(name);
        SCOPED_TRACE(run.tail.right(1500).toStdString());
        EXPECT_EQ(FFmpegErrorText::describe(run.tail, folder), expected);
        EXPECT_EQ(FFmpegErrorText::reportsWriteFailure(run.tail), writeFailure);
        for (const QString& line : FFmpegErrorText::errorLines(run.tail)) {
            EXPECT_FALSE(line.contains("handler_name")) << line.toStdString();
            EXPECT_FALSE(line.contains("Stream #")) << line.toStdString();
        }
    }

    QTemporaryDir dir;
};

TEST_F(FFmpegErrorTextReal, FullDiskNamesTheFolderEvenWhenFFmpegExitsZero)
{
    const QString folder = QStringLiteral("/media/usb/Holiday");
    const QString expected = "Not enough space in " + folder + ".";
    // Matroska fails only at the trailer: ffmpeg 5.1 then exits 0 and leaves a cut-off file.
    const FFmpegOutput trailer = ffmpeg({"-i", clip(), "-map", "0", "-c", "copy", "-f", "matroska", "-y", "/dev/full"});
    check("matroska trailer", trailer, folder, expected, true);
    check("transport stream while encoding",
          ffmpeg({"-i", clip(), "-map", "0", "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac", "-f", "mpegts",
                  "-y", "/dev/full"}),
          folder, expected, true);
    check("mp4 header", ffmpeg({"-i", clip(), "-map", "0", "-c", "copy", "-f", "mp4", "-y", "/dev/full"}), folder,
          expected, true);
}

TEST_F(FFmpegErrorTextReal, OutputFolderProblems)
{
    const QString longName = dir.filePath(QString(300, u'x') + ".mkv");
    check("file name too long", ffmpeg({"-i", clip(), "-map", "0", "-c", "copy", "-n", longName}), dir.path(),
          "The output file name is too long for " + dir.path() + ". Rename the source file to something shorter.",
          false);

    // The runner writes into a staging folder inside the output folder.
    const QString locked = dir.filePath("locked");
    const QString staging = locked + "/.tessvane-3F2504E0-4F89-41D3-9A0C-0305E82C3301";
    ASSERT_TRUE(QDir().mkpath(staging));
    ASSERT_EQ(::chmod(QFile::encodeName(staging).constData(), 0555), 0);
    const bool root = ::geteuid() == 0;
    if (root && QStandardPaths::findExecutable("setpriv").isEmpty())
        GTEST_SKIP() << "running as root without setpriv: no folder refuses a write";
    // The input is generated, so the unprivileged user needs to read nothing of ours.
    const FFmpegOutput refused = ffmpeg(
        {"-f", "lavfi", "-i", "testsrc2=size=64x48:rate=5:duration=1", "-c:v", "libx264", "-n", staging + "/out.mp4"},
        root);
    check("folder without write permission", refused, locked,
          "Karvo may not write to " + locked + ". Choose another output folder.", false);
    // The image muxer hides the reason behind an input/output error.
    const FFmpegOutput picture = ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=64x48:rate=5:duration=1", "-map", "0:V:0",
                                         "-frames:v", "1", "-q:v", "2", "-n", staging + "/still.png"},
                                        root);
    check("picture in a folder without write permission", picture, locked,
          "Karvo cannot create a file in " + locked + ". Choose another output folder.", true);
}

TEST_F(FFmpegErrorTextReal, InputProblems)
{
    QFile text(dir.filePath("notes.mp4"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a video\n");
    text.close();
    const QString damaged = QStringLiteral("The file looks damaged or isn't a supported media file.");
    const QString out = dir.filePath("out.mkv");
    check("text named .mp4", ffmpeg({"-i", text.fileName(), "-c", "copy", "-n", out}), dir.path(), damaged, false);
    check("truncated mp4", ffmpeg({"-i", TestMedia::truncated(), "-c", "copy", "-n", out}), dir.path(), damaged, false);
    check("source gone", ffmpeg({"-i", dir.filePath("gone.mp4"), "-c", "copy", "-n", out}), dir.path(),
          "The original file is no longer there.", false);
    check("no video to take a picture of",
          ffmpeg({"-i", TestMedia::wav(), "-map", "0:V:0", "-frames:v", "1", "-n", dir.filePath("a.png")}), dir.path(),
          "The file has no track this operation can use.", false);
}

TEST_F(FFmpegErrorTextReal, EncoderProblems)
{
    const QString out = dir.filePath("out.mp4");
    check("encoder this build lacks", ffmpeg({"-i", clip(), "-c:v", "h264_videotoolbox", "-q:v", "70", "-n", out}),
          dir.path(), "This ffmpeg has no h264_videotoolbox encoder. Install a complete ffmpeg build.", false);
    // No plain reason is known: the encoder's own line, not the "Conversion failed!" after it.
    check("odd frame size", ffmpeg({"-i", TestMedia::oddGif(), "-c:v", "libx264", "-pix_fmt", "yuv420p", "-n", out}),
          dir.path(), "libx264: width not divisible by 2 (161x121)", false);
    check("option of another platform's encoder",
          ffmpeg({"-i", clip(), "-c:v", "libx264", "-allow_sw", "1", "-n", out}), dir.path(),
          "Unrecognized option 'allow_sw'.", false);
}

TEST_F(FFmpegErrorTextReal, SuccessfulRunsReportNothing)
{
    const FFmpegOutput copy = ffmpeg({"-i", clip(), "-map", "0", "-c", "copy", "-n", dir.filePath("copy.mkv")});
    ASSERT_EQ(copy.exitCode, 0);
    check("remux", copy, dir.path(), QString(), false);
    const FFmpegOutput snapshot = ffmpeg({"-ss", "1.000000", "-i", clip(), "-map", "0:V:0", "-frames:v", "1", "-q:v",
                                          "2", "-n", dir.filePath("still.png")});
    ASSERT_EQ(snapshot.exitCode, 0);
    check("snapshot with the image muxer's advice", snapshot, dir.path(), QString(), false);
}

// What cannot be produced here: other file systems' refusals, and lines tidied for display.
TEST(FFmpegErrorTextFixed, KnownCausesAndTheMostTellingLine)
{
    const QByteArray dump = "Output #0, mp4, to '/out/.tessvane-3F2504E0-4F89-41D3-9A0C-0305E82C3301/a.mp4':\n"
                            "  Metadata:\n"
                            "    encoder         : Lavf59.27.100\n"
                            "  Stream #0:1(und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono\n"
                            "    Metadata:\n"
                            "      handler_name    : SoundHandler\n"
                            "      vendor_id       : [0][0][0][0]\n"
                            "Stream mapping:\n"
                            "  Stream #0:0 -> #0:0 (h264 (native) -> h264 (libx264))\n"
                            "Press [q] to stop, [?] for help\n";
    struct Row {
        const char* name;
        QByteArray text;
        QString expected;
        bool writeFailure;
    };
    const Row rows[] = {
        {"read-only file system",
         dump + "/out/.tessvane-3F2504E0-4F89-41D3-9A0C-0305E82C3301/a.mp4: Read-only file system\n",
         "/out is read-only. Choose another output folder.", false},
        {"quota", dump + "av_interleaved_write_frame(): Disk quota exceeded\nConversion failed!\n",
         "Not enough space in /out.", true},
        {"FAT file size limit",
         dump + "Error writing trailer of /out/.tessvane-3F2504E0-4F89-41D3-9A0C-0305E82C3301/a.mp4: File too large\n"
                "frame= 9000 fps=250 q=-1.0 Lsize=4194303kB time=00:05:00.00 bitrate=114532.1kbits/s speed=8.3x\n"
                "video:4190000kB audio:4000kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: "
                "unknown\n",
         "The output is too large for the file system of /out.", true},
        {"source not readable", "/in/a.mp4: Permission denied\n", "Permission denied: the source file cannot be read.",
         false},
        {"input/output error",
         dump + "[mov,mp4,m4a,3gp,3g2,mj2 @ 0x55d0c1c0] stream 0, offset 0x4f2: partial file\n"
                "/in/a.mp4: Input/output error\n",
         "The disk reported a read or write error.", false},
        {"tidied line",
         dump + "[mp4 @ 0x5581f0a3c2c0] Could not find tag for codec pcm_s16le in stream #1\n"
                "Could not write header for output file #0 (incorrect codec parameters ?): Invalid "
                "argument\nError initializing output stream 0:1 -- \nConversion failed!\n",
         "mp4: Could not find tag for codec pcm_s16le in stream #1", false},
        {"staging folder left out",
         "Error opening output /out/.tessvane-3F2504E0-4F89-41D3-9A0C-0305E82C3301/a.mp4: Protocol not found\n",
         "Error opening output /out/a.mp4: Protocol not found", false},
        {"only the summary", dump + "Conversion failed!\n", "Conversion failed!", false},
        {"decoder complaints on a run that went on",
         dump + "[h264 @ 0x55e8] error while decoding MB 10 20, bytestream -5\n"
                "[h264 @ 0x55e8] concealing 300 DC, 300 AC, 300 MV errors in P frame\n"
                "Error while decoding stream #0:0: Invalid data found when processing input\n"
                "[libx264 @ 0x55e9] frame I:1     Avg QP:20.00  size:  8047\n"
                "[aac @ 0x55ea] Qavg: 106.009\n",
         QString(), false},
        {"nothing at all", QByteArray(), QString(), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(FFmpegErrorText::describe(r.text, "/out"), r.expected);
        EXPECT_EQ(FFmpegErrorText::reportsWriteFailure(r.text), r.writeFailure);
    }
}

TEST(FFmpegErrorTextFixed, WithoutAFolderTheTextStillReads)
{
    const QByteArray full = "Error closing file /tmp/x.mkv: No space left on device\n";
    EXPECT_EQ(FFmpegErrorText::describe(full, QString()), "Not enough space in the output folder.");
    EXPECT_EQ(FFmpegErrorText::describe("/o/.tessvane-3F2504E0-4F89-41D3-9A0C-0305E82C3301/x.mp4: Permission denied\n",
                                        QString()),
              "Permission denied — check that the folder is writable.");
}

TEST(FFmpegErrorTextFixed, OnlyPathsInAStagingFolderAreTheOutput)
{
    // The source usually sits in the output folder: its path alone does not make it the output.
    const QString folder = QStringLiteral("/videos");
    EXPECT_EQ(FFmpegErrorText::describe("/videos/a.mp4: Permission denied\n", folder),
              "Permission denied: the source file cannot be read.");
    EXPECT_EQ(FFmpegErrorText::describe("/videos/a.mp4: No such file or directory\n", folder),
              "The original file is no longer there.");
    const QByteArray gone = "/videos/.tessvane-3F2504E0-4F89-41D3-9A0C-0305E82C3301/a.mp4: No such file or directory\n";
    EXPECT_EQ(FFmpegErrorText::describe(gone, folder), "/videos/a.mp4: No such file or directory");
}

} // namespace
