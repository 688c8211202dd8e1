// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "ConversionTask.h"
#include "DropPlan.h"
#include "DropPlan.h"
#include "ToolRules.h"

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace karvo {

class TaskManager;

// `karvo-cli ACTION [OPTIONS] FILE...`: routes the files like a drop, runs the tasks through the task
// manager with live progress, and reports each task's outcome.
class ConvertCommand {
public:
    struct Options {
        RadialAction action = RadialAction::format(OutputFormat::mp4);
        QStringList files;
        QString outputDir;
        bool json = false;
        std::optional<double> start, end, factor, every, at, quality;
        std::optional<QRectF> rect;
        std::optional<int> preset, edge, angle;
        QStringList notices; // values that were adjusted, said before the run
    };

    // Parses everything after the action word; on a usage error returns none and sets `error`. Values
    // are refused or clamped as the tool windows and the stored defaults do; an option that does not
    // belong to the action is refused.
    static std::optional<Options> parse(const RadialAction& action, const QStringList& args, QString* error);
    static QString optionsHelp();

    ConvertCommand(Options options, QTextStream& out, QTextStream& err);
    // Runs the Qt event loop until every task has ended; returns the exit status: 0, 1 when a file failed
    // or was refused, 2 when an option does not fit the files, 128 + the signal when one stopped the run.
    // Install CliSignals first.
    int run();
    // `karvo-cli plan`: what run() would do with the same options, from the task manager's own planner,
    // as text or as one JSON document. Starts nothing but the probes.
    int plan(bool json);

private:
    // The files routed like a drop, probed (a signal stops the probing).
    QList<DropPlan> route() const;
    // What gets enqueued: the plans' conversions, and their tool requests made operations with the
    // options' values (the stored defaults for the rest). Files no operation fits become errors.
    struct Work {
        QList<DropEnqueue> enqueues;
        QList<DropError> errors;
    };
    Work work(const QList<DropPlan>& plans) const;
    ToolParameters parametersFor(const ToolRequest& request) const;
    // The option that does not fit a file of the plans (--preset on an image, --quality on a video).
    std::optional<QString> optionMisfit(const QList<DropPlan>& plans) const;
    void say(const QString& message);
    void redraw(TaskManager& manager, bool finalDraw);
    QString progressLine(const TaskPtr& task);
    void printSummary(const QList<TaskPtr>& tasks);

    Options m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    bool m_tty = false;
    int m_drawnLines = 0;
    QHash<QUuid, QElapsedTimer> m_started;
    QHash<QUuid, qint64> m_elapsedMs;
    QHash<QUuid, QString> m_lastPlain;
};

} // namespace karvo
