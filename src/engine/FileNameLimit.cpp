// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileNameLimit.h"

#include <QTextBoundaryFinder>

namespace karvo {

QString FileNameLimit::fit(const QString& stem, const QString& tail)
{
    const qsizetype budget = maxBytes - tail.toUtf8().size();
    if (stem.toUtf8().size() <= budget)
        return stem + tail;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, stem);
    qsizetype cut = 0;
    qsizetype used = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        used += QStringView(stem).mid(cut, next - cut).toUtf8().size();
        if (used > budget)
            break;
        cut = next;
    }
    // A cut that leaves a space before the suffix reads as a double space: drop it.
    while (cut > 0 && stem.at(cut - 1).isSpace())
        --cut;
    return stem.left(cut) + tail;
}

} // namespace karvo
