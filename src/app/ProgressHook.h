// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace karvo {

// Tells the floating progress panel that tasks were added, so it appears and rebuilds its cards.
class ProgressHook {
public:
    static void reload();
};

} // namespace karvo
