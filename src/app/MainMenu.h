// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMenuBar;

namespace karvo {

// The main window's menu bar: Karvo (About, Settings, Quit), File (Close) and Edit (Undo, Redo, Cut, Copy, Paste,
// Select All). Rebuilt from scratch, so a language change only needs another build.
class MainMenu {
public:
    struct Actions {
        std::function<void()> about;
        std::function<void()> settings;
        std::function<void()> quit;
    };

    static void build(QMenuBar& bar, const Actions& actions);
    // Sends an editing command ("undo", "copy", ...) to the focused widget when it has such a slot.
    static bool sendToFocus(const char* slot);
};

} // namespace karvo
