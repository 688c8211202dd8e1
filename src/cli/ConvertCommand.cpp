// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConvertCommand.h"

#include "ActionWords.h"
#include "CliOutput.h"
#include "CliSignals.h"
#include "DropIntake.h"
#include "Localization.h"
#include "MediaProbe.h"
#include "OutputLocation.h"
#include "TaskManager.h"
#include "TaskPlanner.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace karvo {

namespace {
// The command line has no folder chooser: the only folder it can offer is --output-dir.
class CliFolderPrompt : public OutputFolderPrompt {
public:
    explicit CliFolderPrompt(QString folder) : m_folder(std::move(folder)) {}
    std::optional<QString> chooseFolder(const QString&, const QString&) override
    {
        if (m_folder.isEmpty())
            return std::nullopt;
        return m_folder;
    }

private:
    QString m_folder;
};

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double x = text.toDouble(&ok);
    if (!ok || !std::isfinite(x))
        return std::nullopt;
    return x;
}

QString clock(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString shortest(double x)
{
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

// The tool each value option belongs to; given with any other action it is an error, not ignored.
struct ToolOption {
    const char16_t* name;
    ToolAction tool;
};
constexpr ToolOption kToolOptions[] = {
    {u"--start", ToolAction::trim},      {u"--end", ToolAction::trim},         {u"--rect", ToolAction::crop},
    {u"--factor", ToolAction::speed},    {u"--every", ToolAction::split},      {u"--at", ToolAction::snapshot},
    {u"--preset", ToolAction::compress}, {u"--quality", ToolAction::compress}, {u"--edge", ToolAction::resize},
    {u"--angle", ToolAction::rotate},
};

std::optional<ToolAction> toolOf(const QString& option)
{
    for (const ToolOption& o : kToolOptions) {
        if (option == QStringView(o.name))
            return o.tool;
    }
    return std::nullopt;
}
} // namespace

QString ConvertCommand::optionsHelp()
{
    return QStringLiteral("Options:\n"
                          "  --output-dir DIR      write this run's outputs into DIR (the stored preference is kept)\n"
                          "  --json                one JSON object per finished task instead of text\n"
                          "  trim --start S --end E         seconds, 0 or more; the end after the start\n"
                          "  crop --rect X,Y,W,H            fractions of the picture from 0 to 1, origin top-left;\n"
                          "                                 a rectangle reaching past the picture is cut to it\n"
                          "  speed --factor F               0.25 .. 4\n"
                          "  split --every SECONDS          1 or more\n"
                          "  snapshot --at SECONDS\n"
                          "  compress --preset 0|1|2 (videos) or --quality Q (images, 0.4 .. 0.95; a value\n"
                          "                                 outside is clamped, as the stored setting is)\n"
                          "  resize --edge 3840|1920|1280|800\n"
                          "  rotate --angle 90|180|270\n"
                          "An option belongs to its action; with another action it is an error.\n"
                          "Without an option a tool uses the stored default.\n");
}

std::optional<ConvertCommand::Options> ConvertCommand::parse(const RadialAction& action, const QStringList& args,
                                                             QString* error)
{
    Options o;
    o.action = action;
    const auto fail = [error](const QString& message) {
        *error = message;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == u"--") {
            o.files += args.mid(i + 1);
            break;
        }
        if (!a.startsWith(u"--")) {
            o.files << a;
            continue;
        }
        if (a == u"--json") {
            o.json = true;
            continue;
        }
        const auto tool = toolOf(a);
        if (!tool && a != u"--output-dir")
            return fail(L("unknown option %@", a));
        if (tool && !(action.type() == RadialAction::Type::tool && action.toolAction() == *tool))
            return fail(L("%@ does not apply to %@", a, ActionWords::word(action)));
        if (i + 1 >= args.size())
            return fail(L("%@ needs a value", a));
        const QString value = args.at(++i);
        const auto num = number(value);
        if (a == u"--output-dir") {
            if (!QFileInfo(value).isDir())
                return fail(L("--output-dir %@: no such folder", value));
            o.outputDir = QFileInfo(value).absoluteFilePath();
        } else if (a == u"--start") {
            if (!num || *num < 0)
                return fail(L("--start needs a time in seconds, 0 or more, not '%@'", value));
            o.start = num;
        } else if (a == u"--end") {
            if (!num || *num < 0)
                return fail(L("--end needs a time in seconds, 0 or more, not '%@'", value));
            o.end = num;
        } else if (a == u"--factor") {
            if (!num || *num < ToolRules::minSpeed || *num > ToolRules::maxSpeed)
                return fail(L("--factor needs a number from %@ to %@, not '%@'", shortest(ToolRules::minSpeed),
                              shortest(ToolRules::maxSpeed), value));
            o.factor = num;
        } else if (a == u"--every") {
            // The split tool's shortest part; anything shorter would make a part per frame or millions of parts.
            if (!num || *num < ToolRules::minSplitSeconds)
                return fail(L("--every needs a part length of at least %@ second, not '%@'",
                              shortest(ToolRules::minSplitSeconds), value));
            o.every = num;
        } else if (a == u"--at") {
            if (!num || *num < 0)
                return fail(L("--at needs a time in seconds, 0 or more, not '%@'", value));
            o.at = num;
        } else if (a == u"--quality") {
            if (!num)
                return fail(L("--quality needs a number from %@ to %@, not '%@'", shortest(ToolRules::minImageQuality),
                              shortest(ToolRules::maxImageQuality), value));
            // Clamped like the stored default, so the CLI gives what the settings would.
            o.quality = std::clamp(*num, ToolRules::minImageQuality, ToolRules::maxImageQuality);
            if (*o.quality != *num)
                o.notices << L("--quality %@ is outside %@ .. %@; using %@", value,
                               shortest(ToolRules::minImageQuality), shortest(ToolRules::maxImageQuality),
                               shortest(*o.quality));
        } else if (a == u"--preset") {
            if (value != u"0" && value != u"1" && value != u"2")
                return fail(L("--preset needs 0, 1 or 2, not '%@'", value));
            o.preset = value.toInt();
        } else if (a == u"--edge") {
            const int edge = value.toInt();
            if (!ToolRules::resizeEdges().contains(edge))
                return fail(L("--edge needs 3840, 1920, 1280 or 800, not '%@'", value));
            o.edge = edge;
        } else if (a == u"--angle") {
            const int angle = value.toInt();
            if (angle != 90 && angle != 180 && angle != 270)
                return fail(L("--angle needs 90, 180 or 270, not '%@'", value));
            o.angle = angle;
        } else if (a == u"--rect") {
            const QStringList parts = value.split(u',');
            QList<double> v;
            for (const QString& p : parts) {
                if (const auto x = number(p))
                    v << *x;
            }
            if (parts.size() != 4 || v.size() != 4)
                return fail(L("--rect needs X,Y,W,H: the top-left corner and the size as fractions of the picture, "
                              "not '%@'",
                              value));
            const double x = v[0], y = v[1], w = v[2], h = v[3];
            if (x < 0 || y < 0 || x > 1 || y > 1 || w <= 0 || h <= 0 || w > 1 || h > 1)
                return fail(L("--rect %@ is not a part of the picture: X and Y go from 0 to 1, W and H from above 0 "
                              "to 1",
                              value));
            if (x >= 1 || y >= 1)
                return fail(L("--rect %@ lies outside the picture: nothing of it is left to keep", value));
            // Like the crop window, which keeps its rectangle inside the picture.
            o.rect = QRectF(x, y, std::min(w, 1 - x), std::min(h, 1 - y));
            if (o.rect->width() != w || o.rect->height() != h)
                o.notices << L("--rect %@ reaches past the picture; cropping %@,%@,%@,%@", value, shortest(x),
                               shortest(y), shortest(o.rect->width()), shortest(o.rect->height()));
        }
    }
    if (o.end && *o.end <= o.start.value_or(0))
        return fail(L("--end needs a time after the start"));
    if (o.files.isEmpty())
        return fail(L("no files given"));
    for (QString& f : o.files)
        f = QFileInfo(f).absoluteFilePath();
    return o;
}

ConvertCommand::ConvertCommand(Options options, QTextStream& out, QTextStream& err)
    : m_options(std::move(options)), m_out(out), m_err(err), m_tty(::isatty(STDOUT_FILENO) != 0)
{
}

ToolParameters ConvertCommand::parametersFor(const ToolRequest& request) const
{
    ToolParameters p = ToolParameters::fromDefaults(request.files);
    const auto given = [](auto& slot, const auto& option) {
        if (option)
            slot = *option;
    };
    given(p.trimStart, m_options.start);
    given(p.trimEnd, m_options.end);
    given(p.cropRect, m_options.rect);
    given(p.speedFactor, m_options.factor);
    given(p.splitSeconds, m_options.every);
    given(p.snapshotTime, m_options.at);
    given(p.compressPreset, m_options.preset);
    given(p.imageQuality, m_options.quality);
    given(p.resizeEdge, m_options.edge);
    return p;
}

QString ConvertCommand::progressLine(const TaskPtr& task)
{
    const auto status = task->status();
    QString state;
    switch (status) {
    case ConversionTask::Status::queued:
        state = QStringLiteral("queued");
        break;
    case ConversionTask::Status::running:
        state = QStringLiteral("%1%").arg(qRound(task->progress() * 100), 3);
        break;
    default:
        state = ConversionTask::statusName(status);
        break;
    }
    const qint64 ms =
        m_elapsedMs.value(task->id(), m_started.contains(task->id()) ? m_started[task->id()].elapsed() : 0);
    return QStringLiteral("%1  %2  %3  %4")
        .arg(task->op().localizedTitle(), CliOutput::terminalSafe(QFileInfo(task->input()).fileName()), state,
             clock(ms));
}

void ConvertCommand::redraw(TaskManager& manager, bool finalDraw)
{
    const QList<TaskPtr> tasks = manager.tasks();
    for (const TaskPtr& t : tasks) {
        const auto s = t->status();
        if (s != ConversionTask::Status::queued && !m_started.contains(t->id()))
            m_started[t->id()].start();
        if (!t->isActive() && m_started.contains(t->id()) && !m_elapsedMs.contains(t->id()))
            m_elapsedMs[t->id()] = m_started[t->id()].elapsed();
    }
    if (m_options.json)
        return;
    if (m_tty) {
        QString text;
        if (m_drawnLines > 0)
            text += QStringLiteral("\x1b[%1A").arg(m_drawnLines);
        for (const TaskPtr& t : tasks)
            text += QStringLiteral("\r\x1b[2K") + progressLine(t) + u'\n';
        m_drawnLines = static_cast<int>(tasks.size());
        m_out << text;
        m_out.flush();
        return;
    }
    // Plain output: a line whenever a task's status or tens of percent change.
    for (const TaskPtr& t : tasks) {
        const auto s = t->status();
        QString key = ConversionTask::statusName(s);
        if (s == ConversionTask::Status::running)
            key += QString::number(static_cast<int>(t->progress() * 10));
        if (m_lastPlain.value(t->id()) == key || (finalDraw && s != ConversionTask::Status::running))
            continue;
        m_lastPlain[t->id()] = key;
        if (s == ConversionTask::Status::queued)
            continue;
        m_out << progressLine(t) << '\n';
    }
    m_out.flush();
}

void ConvertCommand::printSummary(const QList<TaskPtr>& tasks)
{
    for (const TaskPtr& t : tasks) {
        const auto status = t->status();
        if (m_options.json) {
            QJsonObject o{{"input", t->input()},
                          {"operation", t->op().describe()},
                          {"status", ConversionTask::statusName(status)},
                          {"outputs", QJsonArray::fromStringList(t->outputs())},
                          {"seconds", static_cast<double>(m_elapsedMs.value(t->id())) / 1000.0}};
            if (const auto e = t->error())
                o.insert("error", *e);
            m_out << QJsonDocument(o).toJson(QJsonDocument::Compact) << '\n';
            continue;
        }
        // Names and tool messages are shown escaped: they may hold anything, terminal controls included.
        const QString name = CliOutput::terminalSafe(QFileInfo(t->input()).fileName());
        if (status == ConversionTask::Status::done)
            m_out << "done  " << name << " -> " << CliOutput::terminalSafe(t->outputs().join(QStringLiteral(", ")))
                  << '\n';
        else if (status == ConversionTask::Status::failed)
            m_out << "failed  " << name << ": " << CliOutput::terminalSafe(t->error().value_or(QString())) << '\n';
        else
            m_out << ConversionTask::statusName(status) << "  " << name << '\n';
    }
    m_out.flush();
}

void ConvertCommand::say(const QString& message)
{
    m_err << "karvo-cli: " << CliOutput::terminalSafe(message) << Qt::endl;
}

std::optional<QString> ConvertCommand::optionMisfit(const QList<DropPlan>& plans) const
{
    for (const DropPlan& plan : plans) {
        for (const ToolRequest& request : plan.requests) {
            if (request.files.isEmpty())
                continue;
            const QString name = QFileInfo(request.files.first().path).fileName();
            if (request.kind == ToolKind::compressImage && m_options.preset)
                return L("--preset applies to videos, not to the image %@; images take --quality", name);
            if (request.kind == ToolKind::compressVideo && m_options.quality)
                return L("--quality applies to images, not to the video %@; videos take --preset", name);
        }
    }
    return std::nullopt;
}

QList<DropPlan> ConvertCommand::route() const
{
    // Probing is the first thing that starts a child. A signal stops the running probe through the
    // cancel check and starts no other.
    const auto probe = [](const QString& path) -> std::optional<MediaInfo> {
        if (CliSignals::received())
            return std::nullopt;
        return MediaProbe::probe(path, MediaProbe::defaultTimeout, CliSignals::cancelCheck());
    };
    return DropIntake::plan(m_options.files, m_options.action, probe);
}

ConvertCommand::Work ConvertCommand::work(const QList<DropPlan>& plans) const
{
    Work todo;
    for (const DropPlan& plan : plans) {
        todo.errors += plan.errors;
        todo.enqueues += plan.enqueues;
        for (const ToolRequest& request : plan.requests) {
            const ToolParameters parameters = parametersFor(request);
            for (const ToolFile& file : request.files) {
                if (const auto op = ToolRules::operation(request.kind, parameters, file))
                    todo.enqueues.append({file.path, *op, file.info});
                else
                    todo.errors.append({L("Cannot process %@", QFileInfo(file.path).fileName()),
                                        L("This file doesn't fit the chosen settings.")});
            }
        }
    }
    return todo;
}

int ConvertCommand::plan(bool json)
{
    const QList<DropPlan> plans = route();
    if (CliSignals::received())
        return CliSignals::exitStatus();
    if (const auto misfit = optionMisfit(plans)) {
        say(L("%@; see karvo-cli --help", *misfit));
        return 2;
    }
    const Work todo = work(plans);

    // The task manager's own planner, with this command's output folder: the names a run would give,
    // reserved against each other as enqueueing reserves them.
    const TaskPlanner planner(m_options.outputDir);
    QStringList reserved;
    const auto isReserved = [&reserved](const QString& p) {
        return reserved.contains(p);
    };
    QJsonArray enqueues, requests, errors;
    for (const DropEnqueue& e : todo.enqueues) {
        const QString output = planner.plannedOutput(e.path, e.op, isReserved);
        reserved << output;
        QJsonObject item{{"input", e.path}, {"operation", e.op.describe()}, {"output", output}};
        if (TaskPlanner::runsInImageEngine(e.op, e.path)) {
            item.insert("engine", "image");
        } else {
            item.insert("engine", "ffmpeg");
            const MediaInfo info = e.info.value_or(MediaInfo{});
            auto steps = TaskPlanner::ffmpegSteps(e.op, e.path, output, info);
            if (steps.needsWorkFolder()) {
                // The run makes a private folder for intermediate files; its name is only known then.
                const QString work = QFileInfo(output).absolutePath() + QStringLiteral("/.tessvane-WORK");
                steps = TaskPlanner::ffmpegSteps(e.op, e.path, output, info, work);
                item.insert("workFolder", work);
            }
            if (steps.error)
                item.insert("error", *steps.error);
            QJsonArray runs, outputs;
            for (const FFmpegStep& step : steps.steps) {
                runs.append(QJsonArray::fromStringList(step.arguments));
                outputs.append(step.arguments.last());
            }
            if (e.op.is<ops::Split>()) {
                item.insert("segments", runs);
                item.insert("outputs", outputs);
            } else if (runs.size() == 1) {
                item.insert("arguments", runs.first());
            } else if (!runs.isEmpty()) {
                item.insert("passes", runs);
            }
        }
        enqueues.append(item);
    }
    for (const DropPlan& plan : plans) {
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
    }
    for (const DropError& e : todo.errors)
        errors.append(QJsonObject{{"title", e.title}, {"message", e.message}});

    if (json) {
        const QJsonObject root{{"enqueues", enqueues}, {"toolRequests", requests}, {"errors", errors}};
        m_out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        m_out.flush();
        return errors.isEmpty() ? 0 : 1;
    }
    const auto safe = [](const QJsonValue& v) {
        return CliOutput::terminalSafe(v.toString());
    };
    const auto command = [](const QJsonValue& v) {
        QStringList list;
        for (const QJsonValue& a : v.toArray())
            list << a.toString();
        return CliOutput::terminalSafe(CliOutput::shellJoin(list));
    };
    for (const QJsonValue& v : enqueues) {
        const QJsonObject e = v.toObject();
        m_out << "task " << safe(e["operation"]) << '\n';
        m_out << "  input:  " << safe(e["input"]) << '\n';
        m_out << "  output: " << safe(e["output"]) << '\n';
        if (e.contains("error"))
            m_out << "  error:  " << safe(e["error"]) << '\n';
        if (e["engine"].toString() == u"image") {
            m_out << "  runs in the image engine\n";
        } else if (e.contains("segments") || e.contains("passes")) {
            for (const QJsonValue& s : e[e.contains("segments") ? "segments" : "passes"].toArray())
                m_out << "  ffmpeg " << command(s) << '\n';
        } else if (e.contains("arguments")) {
            m_out << "  ffmpeg " << command(e["arguments"]) << '\n';
        }
    }
    for (const QJsonValue& v : requests) {
        const QJsonObject r = v.toObject();
        m_out << "tool request " << safe(r["tool"]) << '\n';
        for (const QJsonValue& f : r["files"].toArray())
            m_out << "  " << safe(f.toObject()["file"]) << '\n';
    }
    for (const QJsonValue& v : errors) {
        const QJsonObject e = v.toObject();
        m_out << "error " << safe(e["title"]) << ": " << safe(e["message"]) << '\n';
    }
    m_out.flush();
    return errors.isEmpty() ? 0 : 1;
}

int ConvertCommand::run()
{
    for (const QString& notice : m_options.notices)
        say(notice);

    const QList<DropPlan> plans = route();
    if (CliSignals::received())
        return CliSignals::exitStatus();
    if (const auto misfit = optionMisfit(plans)) {
        say(L("%@; see karvo-cli --help", *misfit));
        return 2;
    }

    TaskManager manager;
    manager.setOutputDirectoryOverride(m_options.outputDir);
    manager.setFolderPrompt(std::make_shared<CliFolderPrompt>(m_options.outputDir));
    if (m_options.angle)
        manager.setRotateAngleOverride(*m_options.angle);

    int status = 0;
    const Work todo = work(plans);
    for (const DropError& e : todo.errors) {
        say(e.title + QStringLiteral(": ") + e.message);
        status = 1;
    }
    for (const DropEnqueue& e : todo.enqueues)
        manager.enqueue(e.path, e.op, e.info);
    if (manager.tasks().isEmpty())
        return CliSignals::received() ? CliSignals::exitStatus() : 1;

    // SIGINT, SIGTERM, SIGHUP, SIGQUIT and a closed output cancel everything through the manager's
    // shutdown, which leaves nothing behind.
    bool shuttingDown = false;
    QSocketNotifier notifier(CliSignals::wakeFd(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        char buffer[16];
        while (::read(CliSignals::wakeFd(), buffer, sizeof buffer) > 0) {
        }
        if (shuttingDown || !CliSignals::received())
            return;
        shuttingDown = true;
        manager.shutdown([] { QCoreApplication::exit(CliSignals::exitStatus()); });
    });

    const auto allFinished = [&manager] {
        const auto tasks = manager.tasks();
        return std::none_of(tasks.cbegin(), tasks.cend(), [](const TaskPtr& t) { return t->isActive(); });
    };
    manager.setOnChange([&] {
        redraw(manager, false);
        if (!shuttingDown && allFinished())
            QCoreApplication::exit(0);
    });
    redraw(manager, false);
    QCoreApplication::exec();
    manager.setOnChange(nullptr);
    notifier.setEnabled(false);

    redraw(manager, true);
    printSummary(manager.tasks());
    if (CliSignals::received())
        return CliSignals::exitStatus();
    for (const TaskPtr& t : manager.tasks()) {
        if (t->status() != ConversionTask::Status::done)
            status = 1;
    }
    return status;
}

} // namespace karvo
