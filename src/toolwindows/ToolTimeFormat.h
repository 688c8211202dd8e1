// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// The two ways the tool windows write a time. Minutes are never folded into hours, so a long clip reads
// "62:05" and lines up with the shorter ones.
class ToolTimeFormat {
public:
    // "m:ss", e.g. 75.5 → "1:15"; anything negative or not finite reads "0:00".
    static QString fmtClock(double seconds);
    // "m:ss.hh", e.g. 75.5 → "1:15.50"; anything negative or not finite reads "0:00.00".
    static QString fmtTime(double seconds);
};

} // namespace karvo
