// SPDX-License-Identifier: GPL-3.0-or-later
#include "FriendlyError.h"

#include "Localization.h"

#include <QTextBoundaryFinder>

namespace karvo {

namespace {
constexpr int kMaxCharacters = 90;

// The first `count` user-perceived characters, so an accent or an emoji is never cut in half.
QString leadingCharacters(const QString& text, int count, bool* cut)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int seen = 0;
    qsizetype end = 0;
    while (seen < count) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
        ++seen;
    }
    *cut = end < text.size();
    return text.left(end);
}
} // namespace

QString friendlyError(const QString& raw)
{
    const QString lower = raw.toLower();
    if (lower.contains(QLatin1String("permission denied")))
        return L("Permission denied — check that the folder is writable.");
    if (lower.contains(QLatin1String("moov atom not found")) || lower.contains(QLatin1String("invalid data found")))
        return L("The file looks damaged or isn't a supported media file.");
    if (lower.contains(QLatin1String("no such file")))
        return L("The original file is no longer there.");
    const QString trimmed = raw.trimmed();
    bool cut = false;
    const QString head = leadingCharacters(trimmed, kMaxCharacters, &cut);
    return cut ? head + QStringLiteral("…") : trimmed;
}

} // namespace karvo
