// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for Karvo in the child process tests: starts `sleep` from a thread that ends at once, prints
// the child's process id and waits to be killed.
#include "ChildProcess.h"

#include <QString>
#include <cstdio>
#include <thread>
#include <unistd.h>

int main()
{
    karvo::ChildProcess child;
    QString error;
    std::thread([&] {
        error = child.start(QStringLiteral("/bin/sleep"), {QStringLiteral("1000")},
                            karvo::ChildProcess::Output::discard, karvo::ChildProcess::Output::discard);
    }).join();
    if (!error.isEmpty())
        return 1;
    std::printf("%d\n", static_cast<int>(child.pid()));
    std::fflush(stdout);
    for (;;)
        ::pause();
}
