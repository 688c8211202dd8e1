// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// Linux file systems take names of at most 255 bytes. Output names are built from the source's name plus
// a suffix, a number and an extension, so a long source name is shortened rather than failing the run.
class FileNameLimit {
public:
    static constexpr qsizetype maxBytes = 255;

    // stem + tail, with stem cut at a character boundary (never inside a surrogate pair or a combining
    // sequence) so that the whole name fits in maxBytes of UTF-8. `tail` is kept whole.
    static QString fit(const QString& stem, const QString& tail);
};

} // namespace karvo
