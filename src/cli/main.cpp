// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"
#include "LanguageStore.h"

#include <QCoreApplication>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Started with a standard descriptor closed, the next file opened would take its number and receive
    // progress lines meant for the terminal; the null device holds the place instead.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY) < 0)
            return 127;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("karvo-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVO_VERSION));
    karvo::LanguageStore::shared(); // texts in the chosen language from the first line on
    karvo::CliApp cli(app.arguments().mid(1));
    return cli.run();
}
