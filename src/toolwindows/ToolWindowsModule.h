// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolServices.h"
#include "ToolWindows.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace karvo {

// What the tool windows module gives the desktop program. The windows' video preview needs Qt Multimedia and
// the libraries it brings (PulseAudio and more): loading them is start-up time spent on something only a tool
// window uses, so the program loads the module with its first tool window instead.
struct ToolWindowsFunctions {
    // The windows' presenter, working with the program's services.
    std::shared_ptr<ToolWindows::Presenter> (*makePresenter)(const ToolServices& services);
};

class ToolWindowsModule {
public:
    struct Loaded {
        const ToolWindowsFunctions* functions = nullptr;
        QString error; // why not, when there are no functions: the system's words, naming the file
    };

    // Where the module is looked for, in order: beside the program once installed (…/lib/karvo), then in
    // the build tree.
    static QStringList candidatePaths();
    // For tests: look only at `paths` (a missing or broken module); empty restores the usual places.
    static void setCandidatePathsForTesting(const QStringList& paths);

    // Loads the module from the first candidate that exists (the first one when none does, for its error).
    // The module's code uses the program's own task manager, settings and texts: it finds them in the
    // program, which exports its symbols for it. Loading it again returns the same copy. Main thread only.
    static Loaded load();
};

} // namespace karvo
