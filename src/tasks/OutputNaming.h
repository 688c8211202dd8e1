// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"

#include <QString>
#include <functional>

namespace karvo {

// What an output is called. A name is never one that exists on disk (a dangling link counts) nor one
// that `isReserved` says another task holds; names too long for the file system are shortened.
class OutputNaming {
public:
    using IsReserved = std::function<bool(const QString&)>;

    // The planned output of `op` on `input` in `folder` (the input's folder when empty): base name + suffix
    // (+ " Converted" when a conversion keeps the source's extension), then " 2", " 3", ... For split, the
    // folder itself.
    static QString plannedOutput(const QString& input, const ConversionOp& op, const QString& folder,
                                 const IsReserved& isReserved = {});

    // The name to publish under when `taken` turned out to exist by the time the work was finished: the
    // same rule again, in `taken`'s folder. Never reads a number that belongs to the source's own name
    // ("Track 01") as the counter.
    static QString nextFree(const QString& input, const ConversionOp& op, const QString& taken,
                            const IsReserved& isReserved = {});
};

} // namespace karvo
