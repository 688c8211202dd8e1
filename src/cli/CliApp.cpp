// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"

#include "ActionWords.h"
#include "CliOutput.h"
#include "ConversionEngine.h"
#include "ConvertCommand.h"
#include "DropIntake.h"
#include "FFmpegLocator.h"
#include "MediaProbe.h"
#include "OutputLocation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
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

// Why a file could not be probed, in words a user can act on.
QString probeFailureReason(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (info.isDir())
        return QStringLiteral("is a folder, not a media file");
    if (!info.isReadable())
        return QStringLiteral("permission denied: the file cannot be read");
    if (FFmpegLocator::path(QStringLiteral("ffprobe")).isEmpty())
        return QStringLiteral("ffprobe not found: install ffmpeg (for example: sudo apt install ffmpeg)");
    return QStringLiteral("ffprobe could not read it: the file is damaged, incomplete or not a media file");
}
} // namespace

CliApp::CliApp(QStringList arguments) : m_args(std::move(arguments)), m_out(stdout), m_err(stderr) {}

QString CliApp::usage()
{
    return QStringLiteral("Usage:\n"
                          "  karvo-cli probe FILE...          print what ffprobe reports about each file, as JSON\n"
                          "  karvo-cli ACTION [OPTIONS] FILE...\n"
                          "                                   convert the files, with live progress; Ctrl-C cancels\n"
                          "  karvo-cli plan [--json] ACTION FILE...\n"
                          "                                   show what Karvo would do: tasks, output names, ffmpeg\n"
                          "                                   arguments, tool requests and errors\n"
                          "  karvo-cli --help | --version\n"
                          "\n"
                          "ACTION is one of:\n  ") +
           ActionWords::all().join(u' ') + QStringLiteral("\n\n") + ConvertCommand::optionsHelp();
}

int CliApp::fail(const QString& message, int status)
{
    m_err << "karvo-cli: " << message << Qt::endl;
    return status;
}

int CliApp::run()
{
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
            return fail(error + QStringLiteral("; see karvo-cli --help"));
        ConvertCommand convert(*options, m_out, m_err);
        return convert.run();
    }
    return fail(QStringLiteral("unknown command '%1'; see karvo-cli --help").arg(command));
}

int CliApp::probe(const QStringList& files)
{
    if (files.isEmpty())
        return fail(QStringLiteral("probe needs at least one file"));
    int status = 0;
    for (const QString& path : absolutePaths(files)) {
        const auto info = QFileInfo(path).isFile() ? MediaProbe::probe(path) : std::nullopt;
        if (!info) {
            m_err << "karvo-cli: " << path << ": " << probeFailureReason(path) << Qt::endl;
            status = 1;
            continue;
        }
        QJsonObject object = CliOutput::toJson(*info);
        object.insert(QStringLiteral("file"), path);
        m_out << QJsonDocument(object).toJson(QJsonDocument::Compact) << Qt::endl;
    }
    return status;
}

int CliApp::plan(const QStringList& rawArgs)
{
    QStringList args = rawArgs;
    const bool json = args.removeAll(QStringLiteral("--json")) > 0;
    if (args.size() < 2)
        return fail(QStringLiteral("plan needs an action and at least one file"));
    const auto action = ActionWords::parse(args.first());
    if (!action)
        return fail(QStringLiteral("unknown action '%1'; one of: %2").arg(args.first(), ActionWords::all().join(u' ')));

    const QStringList files = absolutePaths(args.mid(1));
    const QList<DropPlan> plans =
        DropIntake::plan(files, *action, [](const QString& path) { return MediaProbe::probe(path); });

    // Names are planned the way the task manager plans them, against the disk and against each other.
    QStringList reserved;
    const auto isReserved = [&reserved](const QString& p) {
        return reserved.contains(p);
    };

    QJsonArray enqueues, requests, errors;
    for (const DropPlan& plan : plans) {
        for (const DropEnqueue& e : plan.enqueues) {
            const QString output = OutputLocation::plannedOutput(e.path, e.op, QString(), isReserved);
            reserved << output;
            QJsonObject item{{"input", e.path}, {"operation", e.op.describe()}, {"output", output}};
            if (e.op.runsInImageEngine(QFileInfo(e.path).suffix().toLower())) {
                item.insert("engine", "image");
            } else if (const auto* split = e.op.as<ops::Split>()) {
                item.insert("engine", "ffmpeg");
                QJsonArray segments;
                const double duration = e.info ? e.info->duration : 0;
                if (duration > 0 && split->segmentSeconds > 0) {
                    const int parts = static_cast<int>(std::ceil(duration / split->segmentSeconds));
                    for (int i = 0; i < std::max(parts, 1); ++i) {
                        const double start = split->segmentSeconds * i;
                        const double end = std::min(start + split->segmentSeconds, duration);
                        const QString out = ConversionEngine::splitOutputPath(e.path, i, output);
                        segments.append(QJsonArray::fromStringList(
                            ConversionEngine::splitSegmentArguments(e.path, out, start, end, e.info)));
                    }
                }
                item.insert("segments", segments);
            } else {
                item.insert("engine", "ffmpeg");
                item.insert("arguments",
                            QJsonArray::fromStringList(ConversionEngine::arguments(e.op, e.path, output, e.info)));
            }
            enqueues.append(item);
        }
        for (const ToolRequest& r : plan.requests) {
            QJsonArray filesArray;
            for (const ToolFile& f : r.files) {
                QJsonObject file{{"file", f.path}};
                if (f.info)
                    file.insert("info", CliOutput::toJson(*f.info));
                filesArray.append(file);
            }
            requests.append(QJsonObject{{"tool", CliOutput::toolKindName(r.kind)}, {"files", filesArray}});
        }
        for (const DropError& e : plan.errors)
            errors.append(QJsonObject{{"title", e.title}, {"message", e.message}});
    }

    if (json) {
        const QJsonObject root{{"enqueues", enqueues}, {"toolRequests", requests}, {"errors", errors}};
        m_out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return errors.isEmpty() ? 0 : 1;
    }
    for (const QJsonValue& v : enqueues) {
        const QJsonObject e = v.toObject();
        m_out << "task " << e["operation"].toString() << '\n';
        m_out << "  input:  " << e["input"].toString() << '\n';
        m_out << "  output: " << e["output"].toString() << '\n';
        if (e["engine"].toString() == u"image") {
            m_out << "  runs in the image engine\n";
        } else if (e.contains("segments")) {
            for (const QJsonValue& s : e["segments"].toArray()) {
                QStringList list;
                for (const QJsonValue& a : s.toArray())
                    list << a.toString();
                m_out << "  ffmpeg " << CliOutput::shellJoin(list) << '\n';
            }
        } else {
            QStringList list;
            for (const QJsonValue& a : e["arguments"].toArray())
                list << a.toString();
            m_out << "  ffmpeg " << CliOutput::shellJoin(list) << '\n';
        }
    }
    for (const QJsonValue& v : requests) {
        const QJsonObject r = v.toObject();
        m_out << "tool request " << r["tool"].toString() << '\n';
        for (const QJsonValue& f : r["files"].toArray())
            m_out << "  " << f.toObject()["file"].toString() << '\n';
    }
    for (const QJsonValue& v : errors) {
        const QJsonObject e = v.toObject();
        m_out << "error " << e["title"].toString() << ": " << e["message"].toString() << '\n';
    }
    m_out.flush();
    return errors.isEmpty() ? 0 : 1;
}

} // namespace karvo
