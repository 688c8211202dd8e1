// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "ConversionTask.h"
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
    };

    // Parses everything after the action word; on a usage error returns none and sets `error`.
    static std::optional<Options> parse(const RadialAction& action, const QStringList& args, QString* error);
    static QString optionsHelp();

    ConvertCommand(Options options, QTextStream& out, QTextStream& err);
    // Runs the Qt event loop until every task has ended; returns the exit status (0, 1, or 130 when interrupted).
    int run();

private:
    ToolParameters parametersFor(const ToolRequest& request) const;
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
