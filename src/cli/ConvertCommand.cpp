// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConvertCommand.h"

#include "DropIntake.h"
#include "Localization.h"
#include "MediaProbe.h"
#include "OutputLocation.h"
#include "TaskManager.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace karvo {

namespace {
int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

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
} // namespace

QString ConvertCommand::optionsHelp()
{
    return QStringLiteral("Options:\n"
                          "  --output-dir DIR      write this run's outputs into DIR (the stored preference is kept)\n"
                          "  --json                one JSON object per finished task instead of text\n"
                          "  trim --start S --end E         seconds\n"
                          "  crop --rect X,Y,W,H            normalized 0..1, origin top-left\n"
                          "  speed --factor F               0.25 .. 4\n"
                          "  split --every SECONDS\n"
                          "  snapshot --at SECONDS\n"
                          "  compress --preset 0|1|2 (video) or --quality Q (images, 0.4 .. 0.95)\n"
                          "  resize --edge 3840|1920|1280|800\n"
                          "  rotate --angle 90|180|270\n"
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
        if (i + 1 >= args.size())
            return fail(QStringLiteral("%1 needs a value").arg(a));
        const QString value = args.at(++i);
        const auto num = number(value);
        const auto needNumber = [&](std::optional<double>& slot) {
            if (!num)
                return false;
            slot = num;
            return true;
        };
        if (a == u"--output-dir") {
            if (!QFileInfo(value).isDir())
                return fail(QStringLiteral("--output-dir %1: no such folder").arg(value));
            o.outputDir = QFileInfo(value).absoluteFilePath();
        } else if (a == u"--start") {
            if (!needNumber(o.start))
                return fail(QStringLiteral("--start needs a number of seconds, not '%1'").arg(value));
        } else if (a == u"--end") {
            if (!needNumber(o.end))
                return fail(QStringLiteral("--end needs a number of seconds, not '%1'").arg(value));
        } else if (a == u"--factor") {
            if (!needNumber(o.factor) || *o.factor < 0.25 || *o.factor > 4.0)
                return fail(QStringLiteral("--factor needs a number from 0.25 to 4, not '%1'").arg(value));
        } else if (a == u"--every") {
            if (!needNumber(o.every) || *o.every <= 0)
                return fail(QStringLiteral("--every needs a positive number of seconds, not '%1'").arg(value));
        } else if (a == u"--at") {
            if (!needNumber(o.at) || *o.at < 0)
                return fail(QStringLiteral("--at needs a time in seconds, not '%1'").arg(value));
        } else if (a == u"--quality") {
            if (!needNumber(o.quality) || *o.quality < 0 || *o.quality > 1)
                return fail(QStringLiteral("--quality needs a number from 0 to 1, not '%1'").arg(value));
        } else if (a == u"--preset") {
            if (value != u"0" && value != u"1" && value != u"2")
                return fail(QStringLiteral("--preset needs 0, 1 or 2, not '%1'").arg(value));
            o.preset = value.toInt();
        } else if (a == u"--edge") {
            const int edge = value.toInt();
            if (!ToolRules::resizeEdges().contains(edge))
                return fail(QStringLiteral("--edge needs 3840, 1920, 1280 or 800, not '%1'").arg(value));
            o.edge = edge;
        } else if (a == u"--angle") {
            const int angle = value.toInt();
            if (angle != 90 && angle != 180 && angle != 270)
                return fail(QStringLiteral("--angle needs 90, 180 or 270, not '%1'").arg(value));
            o.angle = angle;
        } else if (a == u"--rect") {
            const QStringList parts = value.split(u',');
            QList<double> v;
            for (const QString& p : parts) {
                if (const auto x = number(p))
                    v << *x;
            }
            if (parts.size() != 4 || v.size() != 4 || v[2] <= 0 || v[3] <= 0)
                return fail(QStringLiteral("--rect needs X,Y,W,H as numbers from 0 to 1, not '%1'").arg(value));
            o.rect = QRectF(v[0], v[1], v[2], v[3]);
        } else {
            return fail(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (o.files.isEmpty())
        return fail(QStringLiteral("no files given"));
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
        .arg(task->op().localizedTitle(), QFileInfo(task->input()).fileName(), state, clock(ms));
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
        const QString name = QFileInfo(t->input()).fileName();
        if (status == ConversionTask::Status::done)
            m_out << "done  " << name << " -> " << t->outputs().join(QStringLiteral(", ")) << '\n';
        else if (status == ConversionTask::Status::failed)
            m_out << "failed  " << name << ": " << t->error().value_or(QString()) << '\n';
        else
            m_out << ConversionTask::statusName(status) << "  " << name << '\n';
    }
    m_out.flush();
}

int ConvertCommand::run()
{
    TaskManager manager;
    manager.setOutputDirectoryOverride(m_options.outputDir);
    manager.setFolderPrompt(std::make_shared<CliFolderPrompt>(m_options.outputDir));
    if (m_options.angle)
        manager.setRotateAngleOverride(*m_options.angle);

    int status = 0;
    const auto report = [&](const QString& title, const QString& message) {
        m_err << "karvo-cli: " << title << ": " << message << Qt::endl;
        status = 1;
    };

    const QList<DropPlan> plans =
        DropIntake::plan(m_options.files, m_options.action, [](const QString& p) { return MediaProbe::probe(p); });
    for (const DropPlan& plan : plans) {
        for (const DropError& e : plan.errors)
            report(e.title, e.message);
        for (const DropEnqueue& e : plan.enqueues)
            manager.enqueue(e.path, e.op, e.info);
        for (const ToolRequest& request : plan.requests) {
            const ToolParameters parameters = parametersFor(request);
            for (const ToolFile& file : request.files) {
                if (const auto op = ToolRules::operation(request.kind, parameters, file))
                    manager.enqueue(file.path, *op, file.info);
                else
                    report(L("Cannot process %@", QFileInfo(file.path).fileName()),
                           L("This file doesn't fit the chosen settings."));
            }
        }
    }
    if (manager.tasks().isEmpty())
        return 1;

    // Ctrl-C and SIGTERM cancel everything through the manager's shutdown, which leaves nothing behind.
    bool interrupted = false;
    ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK);
    QSocketNotifier notifier(g_signalPipe[0], QSocketNotifier::Read);
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    struct sigaction oldInt {
    }, oldTerm{};
    ::sigaction(SIGINT, &sa, &oldInt);
    ::sigaction(SIGTERM, &sa, &oldTerm);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        char buffer[16];
        while (::read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        if (interrupted)
            return;
        interrupted = true;
        manager.shutdown([] { QCoreApplication::exit(130); });
    });

    const auto allFinished = [&manager] {
        const auto tasks = manager.tasks();
        return std::none_of(tasks.cbegin(), tasks.cend(), [](const TaskPtr& t) { return t->isActive(); });
    };
    manager.setOnChange([&] {
        redraw(manager, false);
        if (!interrupted && allFinished())
            QCoreApplication::exit(0);
    });
    redraw(manager, false);
    const int loopStatus = QCoreApplication::exec();
    manager.setOnChange(nullptr);

    ::sigaction(SIGINT, &oldInt, nullptr);
    ::sigaction(SIGTERM, &oldTerm, nullptr);
    notifier.setEnabled(false);
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);

    redraw(manager, true);
    printSummary(manager.tasks());
    if (interrupted || loopStatus == 130)
        return 130;
    for (const TaskPtr& t : manager.tasks()) {
        if (t->status() != ConversionTask::Status::done)
            status = 1;
    }
    return status;
}

} // namespace karvo
