// SPDX-License-Identifier: GPL-3.0-or-later
#include "FFmpegErrorText.h"

#include "Localization.h"

#include <QRegularExpression>

namespace karvo {

namespace {
// Words of a line that reports a failure, and the system error texts ffmpeg appends after "path: ".
const char* const kErrorWords[] = {
    "error",
    "failed",
    "invalid",
    "unable",
    "cannot",
    "can't",
    "could not",
    "couldn't",
    "not found",
    "unknown",
    "unrecognized",
    "unsupported",
    "not supported",
    "no such",
    "denied",
    "not permitted",
    "too long",
    "no space",
    "quota",
    "too large",
    "read-only",
    "matches no streams",
    "does not contain",
    "not divisible",
    "out of memory",
    "cannot allocate",
};

// Complaints ffmpeg prints while it carries on: damaged frames it conceals, timestamps it repairs, the
// image muxer's advice about file name patterns (printed for every single-picture output).
const char* const kHarmless[] = {
    "error while decoding mb",
    "concealing",
    "co located pocs unavailable",
    "missing reference picture",
    "reference picture missing",
    "decode_slice_header error",
    "mmco: unref short failure",
    "non-monotonous dts",
    "non-monotonic dts",
    "past duration",
    "deprecated pixel format",
    "error while decoding stream #",
    "image sequence pattern",
    "use a pattern such as",
    "detected only with low score",
};

// Lines that only say that something earlier failed; the earlier line says what.
const char* const kConsequences[] = {
    "error initializing output stream",
    "could not write header",
    "error while opening encoder",
    "error splitting the argument list",
    "error closing file",
    "error writing trailer",
    "conversion failed",
};

bool containsAny(const QString& lower, const auto& words)
{
    for (const char* w : words) {
        if (lower.contains(QLatin1String(w)))
            return true;
    }
    return false;
}

bool isReportNoise(const QString& raw)
{
    // Stream dumps, metadata, "Stream mapping" entries and "Last message repeated" are indented.
    if (raw.isEmpty() || raw.front().isSpace())
        return true;
    static const QRegularExpression headers(
        QStringLiteral("^(Input #|Output #|Stream mapping:|Press \\[q\\]|frame=|size=|video:\\d)"));
    return headers.match(raw).hasMatch();
}

// Outputs are written into a staging folder (".name-UUID") beside their final place; a path with one is
// the output, any other path the source.
const QRegularExpression& stagingFolder()
{
    static const QRegularExpression staging(QStringLiteral(
        "/\\.[A-Za-z]+-[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}(?=/)"));
    return staging;
}

struct ErrorLine {
    QString shown;    // tidied for display
    bool aboutOutput; // names a path in a staging folder
};

ErrorLine tidy(const QString& line)
{
    static const QRegularExpression context(QStringLiteral("^\\[([^\\]@]+?) @ 0x[0-9a-fA-F]+\\] "));
    QString out = line.trimmed();
    const bool aboutOutput = out.contains(stagingFolder());
    out.replace(context, QStringLiteral("\\1: "));
    out.replace(stagingFolder(), QString());
    return {out, aboutOutput};
}

QString folderOrDisk(const QString& folder)
{
    return folder.isEmpty() ? L("the output folder") : folder;
}

QList<ErrorLine> errorLinesOf(const QByteArray& stderrTail)
{
    static const QRegularExpression breaks(QStringLiteral("[\r\n]"));
    QList<ErrorLine> lines;
    QStringList seen;
    for (const QString& raw : QString::fromUtf8(stderrTail).split(breaks, Qt::SkipEmptyParts)) {
        if (isReportNoise(raw))
            continue;
        const QString lower = raw.toLower();
        if (!containsAny(lower, kErrorWords) || containsAny(lower, kHarmless))
            continue;
        const ErrorLine line = tidy(raw);
        if (!line.shown.isEmpty() && !seen.contains(line.shown)) {
            seen << line.shown;
            lines << line;
        }
    }
    return lines;
}

std::optional<QString> knownCause(const QList<ErrorLine>& lines, const QString& folder)
{
    const auto find = [&lines](std::initializer_list<const char*> words) -> std::optional<ErrorLine> {
        for (const ErrorLine& line : lines) {
            const QString lower = line.shown.toLower();
            for (const char* w : words) {
                if (lower.contains(QLatin1String(w)))
                    return line;
            }
        }
        return std::nullopt;
    };
    // Most specific first: a full disk also makes the trailer and the close fail.
    if (find({"no space left on device", "disk quota exceeded"}))
        return L("Not enough space in %@.", folderOrDisk(folder));
    if (find({"file too large"}))
        return L("The output is too large for the file system of %@.", folderOrDisk(folder));
    if (find({"read-only file system"}))
        return L("%@ is read-only. Choose another output folder.", folderOrDisk(folder));
    if (find({"file name too long"}))
        return L("The output file name is too long for %@. Rename the source file to something shorter.",
                 folderOrDisk(folder));
    if (const auto line = find({"permission denied", "operation not permitted"})) {
        if (!line->aboutOutput)
            return L("Permission denied: the source file cannot be read.");
        if (folder.isEmpty())
            return L("Permission denied — check that the folder is writable.");
        return L("Karvo may not write to %@. Choose another output folder.", folder);
    }
    if (const auto line = find({"unknown encoder", "encoder not found"})) {
        static const QRegularExpression quoted(QStringLiteral("'([^']+)'"));
        const auto m = quoted.match(line->shown);
        return L("This ffmpeg has no %@ encoder. Install a complete ffmpeg build.",
                 m.hasMatch() ? m.captured(1) : QStringLiteral("?"));
    }
    // The image muxer reports any failure to create its file as an input/output error.
    if (const auto line = find({"could not open file"}); line && line->aboutOutput)
        return L("Karvo cannot create a file in %@. Choose another output folder.", folderOrDisk(folder));
    if (find({"invalid data found when processing input", "moov atom not found"}))
        return L("The file looks damaged or isn't a supported media file.");
    if (const auto line = find({"no such file or directory"}); line && !line->aboutOutput)
        return L("The original file is no longer there.");
    if (find({"input/output error"}))
        return L("The disk reported a read or write error.");
    if (find({"matches no streams", "does not contain any stream"}))
        return L("The file has no track this operation can use.");
    if (find({"cannot allocate memory", "out of memory"}))
        return L("Not enough memory to finish.");
    return std::nullopt;
}
} // namespace

QStringList FFmpegErrorText::errorLines(const QByteArray& stderrTail)
{
    QStringList lines;
    for (const ErrorLine& line : errorLinesOf(stderrTail))
        lines << line.shown;
    return lines;
}

QString FFmpegErrorText::describe(const QByteArray& stderrTail, const QString& outputFolder)
{
    const QList<ErrorLine> found = errorLinesOf(stderrTail);
    if (const auto cause = knownCause(found, outputFolder))
        return *cause;
    QStringList lines;
    for (const ErrorLine& line : found)
        lines << line.shown;
    // ffmpeg names the cause first and its consequences after it; "Conversion failed!" says nothing more.
    for (const QString& line : lines) {
        if (!containsAny(line.toLower(), kConsequences))
            return line;
    }
    for (const QString& line : lines) {
        if (!line.toLower().contains(QLatin1String("conversion failed")))
            return line;
    }
    return lines.value(0);
}

bool FFmpegErrorText::reportsWriteFailure(const QByteArray& stderrTail)
{
    static const char* const kWriteFailures[] = {
        "error writing trailer",
        "error closing file",
        "av_interleaved_write_frame()",
        "error submitting a packet to the muxer",
        "no space left on device",
        "disk quota exceeded",
        "file too large",
    };
    for (const QString& line : errorLines(stderrTail)) {
        if (containsAny(line.toLower(), kWriteFailures))
            return true;
    }
    return false;
}

} // namespace karvo
