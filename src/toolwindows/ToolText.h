// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;

namespace karvo {

// The text styles the tool windows share.
class ToolText {
public:
    // Caption size in the secondary text colour: file names, summaries, descriptions.
    static void caption(QLabel* label);
    // A section's heading above its control.
    static void headline(QLabel* label);
};

} // namespace karvo
