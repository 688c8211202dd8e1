// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace karvo {

// Turns the end of ffmpeg's standard error into what the user needs to read. ffmpeg's report is mostly
// stream dumps, metadata and encoder statistics; the line that says what went wrong is often not among
// the last few. Pure: works on the text alone.
class FFmpegErrorText {
public:
    // A known cause in plain words (naming `outputFolder` where the folder is the problem), else the most
    // telling error line. A path inside a staging folder (".name-UUID") is taken for the output, any other
    // path for the source. Empty when the text holds no error line at all.
    static QString describe(const QByteArray& stderrTail, const QString& outputFolder);

    // ffmpeg 5.1 reports a failed write, trailer or close of the output and may still exit 0 (a full disk
    // leaves a cut-off file behind): true when the text says so.
    static bool reportsWriteFailure(const QByteArray& stderrTail);

    // The lines that report an error, in order, without the report's noise and without harmless decoder
    // complaints; "[name @ 0x…] " prefixes become "name: " and staging folders are left out of paths.
    static QStringList errorLines(const QByteArray& stderrTail);
};

} // namespace karvo
