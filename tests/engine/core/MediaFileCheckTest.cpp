// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaFileCheck.h"

#include "FFmpegLocator.h"
#include "Printers.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace karvo;
namespace TestMedia = karvo::test::TestMedia;
using Problem = MediaFileCheck::Problem;

namespace {

std::string name(const std::optional<Problem>& p)
{
    return p ? std::to_string(static_cast<int>(*p)) : std::string("none");
}

class MediaFileCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // Reachable by the unprivileged user some cases run as.
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    }

    QString write(const QString& fileName, const QByteArray& content = "some bytes")
    {
        QFile f(dir.filePath(fileName));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return f.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(MediaFileCheckTest, OnlyReadableNonEmptyRegularFilesPass)
{
    const QString media = dir.filePath("tone.wav");
    ASSERT_TRUE(QFile::copy(TestMedia::wav(), media));
    const QString text = write("notes.mp4");
    const QString empty = write("empty.mov", {});
    ASSERT_TRUE(QDir(dir.path()).mkdir("album.mp4"));
    const QByteArray fifo = QFile::encodeName(dir.filePath("stream.mp4"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0644), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.mp4")));
    ASSERT_TRUE(QFile::link(media, dir.filePath("link to tone.wav")));
    ASSERT_TRUE(QFile::link(dir.filePath("gone.wav"), dir.filePath("dangling.wav")));
    ASSERT_TRUE(QFile::link(dir.filePath("stream.mp4"), dir.filePath("fifo link.mp4")));

    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(dir.filePath("socket.mp4"));
    ASSERT_LT(static_cast<size_t>(socketPath.size()), sizeof(address.sun_path));
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

    const std::pair<QString, std::optional<Problem>> rows[] = {
        {media, std::nullopt},
        {text, std::nullopt}, // whether it is media is ffprobe's call
        {dir.filePath("link to tone.wav"), std::nullopt},
        {dir.filePath("missing.mp4"), Problem::missing},
        {dir.filePath("notes.mp4/inside.mp4"), Problem::missing},
        {QString(), Problem::missing},
        {dir.filePath("dangling.wav"), Problem::brokenLink},
        {empty, Problem::empty},
        {dir.filePath("album.mp4"), Problem::folder},
        {dir.filePath("stream.mp4"), Problem::pipe},
        {dir.filePath("fifo link.mp4"), Problem::pipe},
        {dir.filePath("zero.mp4"), Problem::device},
        {QStringLiteral("/dev/null"), Problem::device},
        {dir.filePath("socket.mp4"), Problem::socket},
    };
    for (const auto& [path, expected] : rows)
        EXPECT_EQ(name(MediaFileCheck::check(path)), name(expected)) << path.toStdString();
    ::close(sock);
}

// Root reads any file whatever its mode, so the permission cases run as "nobody" in a child process.
std::optional<Problem> checkUnprivileged(const QString& path)
{
    if (::geteuid() != 0)
        return MediaFileCheck::check(path);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        const auto p = MediaFileCheck::check(path);
        ::_exit(p ? 1 + static_cast<int>(*p) : 0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    const int code = WEXITSTATUS(status);
    EXPECT_NE(code, 100) << "could not drop privileges";
    if (code == 0)
        return std::nullopt;
    return static_cast<Problem>(code - 1);
}

TEST_F(MediaFileCheckTest, PermissionDeniedIsUnreadable)
{
    const QString readable = write("readable.mp4");
    const QString locked = write("locked.mp4");
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("private"));
    const QString hidden = write("private/hidden.mp4");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("private")).constData(), 0700), 0);
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("private")).constData(), 0), 0);
    }

    EXPECT_EQ(name(checkUnprivileged(readable)), name(std::nullopt));
    EXPECT_EQ(name(checkUnprivileged(locked)), name(Problem::unreadable));
    EXPECT_EQ(name(checkUnprivileged(hidden)), name(Problem::unreadable));
    ::chmod(QFile::encodeName(dir.filePath("private")).constData(), 0700);
}

TEST_F(MediaFileCheckTest, NamesThatAreNotUtf8AskForARename)
{
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray raw = folder + "/clip\xff\xfe.mp4";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "data", 4), 4);
    ::close(fd);
    // What Karvo gets from a drop or a command line: the name decoded with the bad bytes replaced.
    const QString seen = QFile::decodeName(raw);
    EXPECT_FALSE(MediaFileCheck::roundTrips(raw));
    EXPECT_TRUE(MediaFileCheck::roundTrips(QFile::encodeName(dir.filePath("Ünïcødé clip.mp4"))));
    EXPECT_EQ(name(MediaFileCheck::check(seen)), name(Problem::undecodableName));

    // A valid name that happens to hold U+FFFD is an ordinary file; a missing one is just missing.
    const QString literal = write(QString::fromUtf8("odd \xEF\xBF\xBD name.mp4"));
    EXPECT_EQ(name(MediaFileCheck::check(literal)), name(std::nullopt));
    EXPECT_EQ(name(MediaFileCheck::check(dir.filePath(QString::fromUtf8("gone \xEF\xBF\xBD.mp4")))),
              name(Problem::missing));

    const auto text = MediaFileCheck::problem(seen);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "The name of " + QFileInfo(seen).fileName() +
                         " is not valid UTF-8, so Karvo cannot open it. Rename the file and try again.");
}

TEST_F(MediaFileCheckTest, EveryProblemHasItsOwnTextNamingTheFile)
{
    const std::pair<Problem, QString> rows[] = {
        {Problem::missing, "clip.mp4 was not found. It may have been moved, renamed or deleted."},
        {Problem::brokenLink, "clip.mp4 is a link to a file that no longer exists."},
        {Problem::unreadable, "clip.mp4 cannot be read: permission denied. Check the file's permissions."},
        {Problem::empty, "clip.mp4 is empty (0 bytes)."},
        {Problem::folder, "clip.mp4 is a folder, not a media file."},
        {Problem::pipe, "clip.mp4 is a named pipe, not a media file."},
        {Problem::device, "clip.mp4 is a device, not a media file."},
        {Problem::socket, "clip.mp4 is not a regular file."},
    };
    for (const auto& [problem, text] : rows)
        EXPECT_EQ(MediaFileCheck::describe(problem, "/videos/clip.mp4"), text);
    EXPECT_EQ(MediaFileCheck::problem(write("fine.mp4")), std::nullopt);
}

TEST_F(MediaFileCheckTest, ProbeFailureSaysWhichPartFailed)
{
    const QString text = write("notes.mp4", "not a video\n");
    EXPECT_EQ(MediaFileCheck::probeFailure(text),
              "notes.mp4 could not be read as media: it is damaged, incomplete, or not a video or audio file.");
    EXPECT_EQ(MediaFileCheck::probeFailure(dir.filePath("gone.mp4")),
              "gone.mp4 was not found. It may have been moved, renamed or deleted.");

    QTemporaryDir noTools;
    FFmpegLocator::setTestFolders({noTools.path()}, true);
    const QString withoutProbe = MediaFileCheck::probeFailure(text);
    FFmpegLocator::setTestFolders({});
    EXPECT_TRUE(withoutProbe.startsWith("ffprobe not found. Install with: ")) << withoutProbe.toStdString();
}

} // namespace
