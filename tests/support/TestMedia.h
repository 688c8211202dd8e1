// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace karvo::test {

// Media made with the real ffmpeg, generated once per build tree and shared by every test.
namespace TestMedia {
QString clip1080();     // 1920x1080, 3 s, H.264 + AAC, MP4
QString rotatedClip();  // stored 1920x1080 with a -90 degree display rotation (a phone held upright), MOV
QString rotated180();   // stored 1920x1080 rotated 180 degrees, MP4
QString mp3WithCover(); // MP3 with an embedded cover picture
QString silentVideo();  // 640x360, 2 s, no audio, MP4
QString wav();          // 2 s of a tone
QString oddGif();       // animated GIF, 161x121, 1 s
QString truncated();    // the first kilobytes of an MP4 whose index sits at the end
QString clip(double seconds, int width = 320, int height = 240, bool audio = true); // MP4 of any length

// The fixture `name` in the shared media folder, made by `make(path)` the first time any test asks.
QString cached(const QString& name, const std::function<bool(const QString&)>& make);

// Runs ffmpeg with `args` (after "-y -loglevel error"); fails the current test on error.
bool ffmpeg(const QStringList& args);
// Runs any program; returns its standard output, or a null array on failure.
QByteArray run(const QString& program, const QStringList& args, int* exitCode = nullptr);
} // namespace TestMedia

// Writes an executable shell script `name` into `folder` with the given body.
QString writeScript(const QString& folder, const QString& name, const QString& body);

} // namespace karvo::test
