// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"

namespace karvo {

// The signals that end karvo-cli: SIGINT, SIGTERM, SIGHUP, SIGQUIT, and SIGPIPE (its output was closed).
// None of them kills the program where it stands: the first one is recorded, the running command cancels
// what it started, leaves nothing behind and exits with 128 + the signal's number. A signal that
// karvo-cli was started with ignored (nohup) stays ignored; SIGPIPE never is, as a closed output must
// still stop the run.
class CliSignals {
public:
    enum class Mode {
        orderly,    // the command watches received() or wakeFd() and stops by itself
        exitAtOnce, // for a command that writes no files and cannot be cancelled: exit in the handler
                    // (its children die with the process)
    };

    // Installs the handling; call before anything starts a child.
    static void install(Mode mode);

    // The first signal received, 0 while none has come.
    static int received();
    // 128 + received(), the status karvo-cli exits with after a signal.
    static int exitStatus();
    // True once a signal has come; for the engine's long-running work.
    static CancelCheck cancelCheck();
    // Becomes readable when a signal comes, for an event loop to watch.
    static int wakeFd();
};

} // namespace karvo
