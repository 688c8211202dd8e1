// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("karvo-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KARVO_VERSION));
    karvo::CliApp cli(app.arguments().mid(1));
    return cli.run();
}
