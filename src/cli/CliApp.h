// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace karvo {

// karvo-cli: Karvo's engine from a terminal, through the same routing and task queue as the desktop program.
class CliApp {
public:
    explicit CliApp(QStringList arguments);
    // The process exit status.
    int run();

    static QString usage();

private:
    int probe(const QStringList& files);
    int plan(const QStringList& args);
    int fail(const QString& message, int status = 2);

    QStringList m_args;
    QTextStream m_out;
    QTextStream m_err;
};

} // namespace karvo
