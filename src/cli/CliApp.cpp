// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"

#include "ActionWords.h"
#include "CliOutput.h"
#include "CliSignals.h"
#include "ConvertCommand.h"
#include "Localization.h"
#include "MediaFileCheck.h"
#include "MediaProbe.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>

namespace karvo {

namespace {
QStringList absolutePaths(const QStringList& files)
{
    QStringList out;
    for (const QString& f : files)
        out << QFileInfo(f).absoluteFilePath();
    return out;
}

} // namespace

CliApp::CliApp(QStringList arguments) : m_args(std::move(arguments)), m_out(stdout), m_err(stderr) {}

QString CliApp::usage()
{
    return QStringLiteral("Usage:\n"
                          "  karvo-cli probe FILE...          print what ffprobe reports about each file, as JSON\n"
                          "  karvo-cli ACTION [OPTIONS] FILE...\n"
                          "                                   convert the files, with live progress; Ctrl-C cancels\n"
                          "                                   (as do SIGTERM, SIGHUP, SIGQUIT and a closed output;\n"
                          "                                   the exit status is then 128 + the signal)\n"
                          "  karvo-cli plan [--json] ACTION [OPTIONS] FILE...\n"
                          "                                   show what the same command would do: tasks, output\n"
                          "                                   names, ffmpeg arguments, tool requests and errors\n"
                          "  karvo-cli --help | --version\n"
                          "\n"
                          "ACTION is one of:\n  ") +
           ActionWords::all().join(u' ') + QStringLiteral("\n\n") + ConvertCommand::optionsHelp();
}

int CliApp::fail(const QString& message, int status)
{
    m_err << "karvo-cli: " << CliOutput::terminalSafe(message) << Qt::endl;
    return status;
}

int CliApp::run()
{
    // Before anything starts a child, so that no signal, nor a closed output, ever leaves one behind.
    CliSignals::install(CliSignals::Mode::orderly);
    if (m_args.isEmpty()) {
        m_err << usage();
        return 2;
    }
    const QString command = m_args.first();
    if (command == u"--help" || command == u"-h" || command == u"help") {
        m_out << usage();
        return 0;
    }
    if (command == u"--version" || command == u"-V") {
        m_out << "karvo-cli " << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }
    if (command == u"probe")
        return probe(m_args.mid(1));
    if (command == u"plan")
        return plan(m_args.mid(1));
    if (const auto action = ActionWords::parse(command)) {
        QString error;
        const auto options = ConvertCommand::parse(*action, m_args.mid(1), &error);
        if (!options)
            return fail(L("%@; see karvo-cli --help", error));
        ConvertCommand convert(*options, m_out, m_err);
        return convert.run();
    }
    return fail(L("unknown command '%@'; see karvo-cli --help", command));
}

int CliApp::probe(const QStringList& files)
{
    if (files.isEmpty())
        return fail(L("probe needs at least one file"));
    int status = 0;
    for (const QString& path : absolutePaths(files)) {
        // A signal, or a closed output (SIGPIPE), stops the probe running and starts no other.
        if (CliSignals::received())
            break;
        const auto info = QFileInfo(path).isFile()
                              ? MediaProbe::probe(path, MediaProbe::defaultTimeout, CliSignals::cancelCheck())
                              : std::nullopt;
        if (CliSignals::received())
            break;
        if (!info) {
            fail(L("%@: %@", path, MediaFileCheck::probeFailure(path)));
            status = 1;
            continue;
        }
        QJsonObject object = CliOutput::toJson(*info);
        object.insert(QStringLiteral("file"), path);
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << Qt::endl;
    }
    return CliSignals::received() ? CliSignals::exitStatus() : status;
}

int CliApp::plan(const QStringList& rawArgs)
{
    QStringList args = rawArgs;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.size() < 2)
        return fail(L("plan needs an action and at least one file"));
    const auto action = ActionWords::parse(args.first());
    if (!action)
        return fail(L("unknown action '%@'; one of: %@", args.first(), ActionWords::all().join(u' ')));
    QString error;
    const auto options = ConvertCommand::parse(*action, args.mid(1), &error);
    if (!options)
        return fail(L("%@; see karvo-cli --help", error));
    ConvertCommand command(*options, m_out, m_err);
    return command.plan(json);
}

} // namespace karvo
