// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace karvo {

// The launch lines on standard error ("KV: ..."), written unbuffered so their order with other output holds.
class LaunchLog {
public:
    static void write(const char* line);
};

} // namespace karvo
