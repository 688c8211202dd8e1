// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace karvo {

namespace {
// Read and written in the signal handler: lock-free atomics only.
std::atomic<int> g_received{0};
std::atomic<bool> g_exitAtOnce{false};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free);
int g_wake[2] = {-1, -1};

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};

void onSignal(int sig)
{
    int none = 0;
    g_received.compare_exchange_strong(none, sig);
    if (g_exitAtOnce.load())
        ::_exit(128 + g_received.load());
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_wake[1], &byte, 1);
    errno = savedErrno;
}
} // namespace

void CliSignals::install(Mode mode)
{
    g_exitAtOnce.store(mode == Mode::exitAtOnce);
    if (g_wake[0] < 0 && ::pipe2(g_wake, O_CLOEXEC | O_NONBLOCK) != 0)
        g_wake[0] = g_wake[1] = -1;

    struct sigaction action {};
    action.sa_handler = onSignal;
    action.sa_flags = SA_RESTART;
    sigfillset(&action.sa_mask);
    for (const int sig : kSignals) {
        struct sigaction inherited {};
        ::sigaction(sig, nullptr, &inherited);
        if (sig != SIGPIPE && inherited.sa_handler == SIG_IGN)
            continue;
        ::sigaction(sig, &action, nullptr);
    }
}

int CliSignals::received()
{
    return g_received.load();
}

int CliSignals::exitStatus()
{
    const int sig = received();
    return sig == 0 ? 0 : 128 + sig;
}

CancelCheck CliSignals::cancelCheck()
{
    return [] {
        return received() != 0;
    };
}

int CliSignals::wakeFd()
{
    return g_wake[0];
}

} // namespace karvo
