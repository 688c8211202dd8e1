// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMedia.h"

#include "ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>
#include <gtest/gtest.h>

namespace karvo::test {

namespace {
QString mediaDir()
{
    QString dir = qEnvironmentVariable("KARVO_TEST_MEDIA_DIR");
    if (dir.isEmpty())
        dir = QDir::tempPath() + QStringLiteral("/karvo-test-media");
    QDir().mkpath(dir);
    return dir;
}

} // namespace

QString TestMedia::cached(const QString& name, const std::function<bool(const QString&)>& make)
{
    const QString path = mediaDir() + u'/' + name;
    if (QFileInfo::exists(path))
        return path;
    // Test cases run as parallel processes: one makes a fixture while the others wait for it.
    QLockFile lock(mediaDir() + QStringLiteral("/.lock-") + name);
    lock.setStaleLockTime(0);
    lock.lock();
    if (QFileInfo::exists(path))
        return path;
    // Made under a private name, then renamed, so no process ever sees a half-written fixture.
    const QString tmp =
        mediaDir() + QStringLiteral("/.tmp-") + QUuid::createUuid().toString(QUuid::WithoutBraces) + u'-' + name;
    if (!make(tmp)) {
        QFile::remove(tmp);
        ADD_FAILURE() << "could not generate test media " << name.toStdString();
        return path;
    }
    if (!QFileInfo::exists(path))
        QFile::rename(tmp, path);
    QFile::remove(tmp);
    return path;
}

QByteArray TestMedia::run(const QString& program, const QStringList& args, int* exitCode)
{
    ChildProcess process;
    const QString resolved = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
    const QString error = process.start(resolved, args, ChildProcess::Output::pipe, ChildProcess::Output::discard);
    if (!error.isEmpty()) {
        if (exitCode)
            *exitCode = -1;
        return {};
    }
    QByteArray out = ChildProcess::readAll(process.stdoutFd());
    const auto exit = process.waitForExit();
    if (exitCode)
        *exitCode = exit.normal ? exit.code : -1;
    if (!exit.success())
        return {};
    if (out.isNull())
        out = QByteArray("");
    return out;
}

bool TestMedia::ffmpeg(const QStringList& args)
{
    int code = 0;
    run(QStringLiteral("ffmpeg"), QStringList{"-y", "-loglevel", "error", "-nostdin"} + args, &code);
    return code == 0;
}

QString TestMedia::clip1080()
{
    return TestMedia::cached("clip1080.mp4", [](const QString& out) {
        return ffmpeg({"-f",        "lavfi",   "-i",      "testsrc2=size=1920x1080:rate=30:duration=3",
                       "-f",        "lavfi",   "-i",      "sine=frequency=440:duration=3",
                       "-c:v",      "libx264", "-preset", "ultrafast",
                       "-pix_fmt",  "yuv420p", "-c:a",    "aac",
                       "-shortest", "-f",      "mp4",     out});
    });
}

namespace {
// The display rotation is written when remuxing; the encoder itself ignores the "rotate" tag.
bool rotatedCopy(const QString& out, const QString& rotateTag, const QString& container)
{
    const QString plain = out + QStringLiteral(".plain.mp4");
    const bool ok = TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30:duration=1", "-f", "lavfi",
                                       "-i", "sine=duration=1", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt",
                                       "yuv420p", "-c:a", "aac", "-shortest", plain}) &&
                    TestMedia::ffmpeg({"-i", plain, "-map", "0", "-c", "copy", "-metadata:s:v:0",
                                       QStringLiteral("rotate=") + rotateTag, "-f", container, out});
    QFile::remove(plain);
    return ok;
}
} // namespace

QString TestMedia::rotatedClip()
{
    // A "rotate" tag of 270 is stored as a display matrix of -90 degrees, as phones write it.
    return TestMedia::cached("rotated.mov", [](const QString& out) { return rotatedCopy(out, "270", "mov"); });
}

QString TestMedia::rotated180()
{
    return TestMedia::cached("rotated180.mp4", [](const QString& out) { return rotatedCopy(out, "180", "mp4"); });
}

QString TestMedia::mp3WithCover()
{
    return TestMedia::cached("cover.mp3", [](const QString& out) {
        return ffmpeg({"-f",
                       "lavfi",
                       "-i",
                       "sine=frequency=330:duration=2",
                       "-f",
                       "lavfi",
                       "-i",
                       "color=c=red:size=300x300:duration=1",
                       "-frames:v",
                       "1",
                       "-map",
                       "0:a",
                       "-map",
                       "1:v",
                       "-c:a",
                       "libmp3lame",
                       "-c:v",
                       "mjpeg",
                       "-disposition:v:0",
                       "attached_pic",
                       "-id3v2_version",
                       "3",
                       "-f",
                       "mp3",
                       out});
    });
}

QString TestMedia::silentVideo()
{
    return TestMedia::cached("silent.mp4", [](const QString& out) {
        return ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=2", "-c:v", "libx264", "-preset",
                       "ultrafast", "-pix_fmt", "yuv420p", "-f", "mp4", out});
    });
}

QString TestMedia::wav()
{
    return TestMedia::cached("tone.wav", [](const QString& out) {
        return ffmpeg({"-f", "lavfi", "-i", "sine=frequency=500:duration=2", "-f", "wav", out});
    });
}

QString TestMedia::oddGif()
{
    return TestMedia::cached("odd.gif", [](const QString& out) {
        return ffmpeg({"-f", "lavfi", "-i", "testsrc=size=161x121:rate=10:duration=1", "-f", "gif", out});
    });
}

QString TestMedia::truncated()
{
    return TestMedia::cached("truncated.mp4", [](const QString& out) {
        QFile source(clip1080());
        if (!source.open(QIODevice::ReadOnly))
            return false;
        // Without -movflags +faststart the index is at the end, so the head alone cannot be decoded.
        const QByteArray head = source.read(4096);
        QFile file(out);
        return file.open(QIODevice::WriteOnly) && file.write(head) == head.size();
    });
}

QString TestMedia::clip(double seconds, int width, int height, bool audio)
{
    const QString name = QStringLiteral("clip-%1s-%2x%3%4.mp4")
                             .arg(seconds)
                             .arg(width)
                             .arg(height)
                             .arg(audio ? QString() : QStringLiteral("-silent"));
    return TestMedia::cached(name, [=](const QString& out) {
        const QString d = QString::number(seconds);
        QStringList args{"-f", "lavfi", "-i",
                         QStringLiteral("testsrc2=size=%1x%2:rate=25:duration=%3").arg(width).arg(height).arg(d)};
        if (audio)
            args << "-f"
                 << "lavfi"
                 << "-i" << QStringLiteral("sine=duration=%1").arg(d) << "-c:a"
                 << "aac";
        args << "-c:v"
             << "libx264"
             << "-preset"
             << "ultrafast"
             << "-pix_fmt"
             << "yuv420p"
             << "-g"
             << "25"
             << "-f"
             << "mp4" << out;
        return ffmpeg(args);
    });
}

QString writeScript(const QString& folder, const QString& name, const QString& body)
{
    QDir().mkpath(folder);
    const QString path = folder + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write("#!/bin/sh\n");
    file.write(body.toUtf8());
    file.write("\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    return path;
}

} // namespace karvo::test
