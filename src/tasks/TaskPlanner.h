// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"
#include "MediaInfo.h"
#include "OutputNaming.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// One ffmpeg run of a task. `arguments` ends with the path of the file it writes.
struct FFmpegStep {
    QStringList arguments;
    double expectedDuration = 0; // seconds of output, for progress; 0 when unknown
    bool final = true;           // publishing this step's file ends the task
    bool publishes = true;       // false: an intermediate file in the task's work folder, read by a later step
    double progressShare = 1;    // the part of the task's progress this step covers; a task's steps add up to 1
};

// The one place that decides where a task's output goes, what it is called and which ffmpeg runs make
// it. The task manager plans with it when a task is enqueued and again when it runs; `karvo-cli plan`
// prints what it says, so the plan shown is the plan run.
class TaskPlanner {
public:
    // `outputOverride`, when not empty, sends every output there (karvo-cli --output-dir).
    explicit TaskPlanner(QString outputOverride = {});

    // The override, else the stored custom folder when that mode is chosen and the folder exists, else
    // none: outputs go beside their source.
    std::optional<QString> preferredOutputDirectory() const;

    // The task's planned output (for split, the folder receiving the parts).
    QString plannedOutput(const QString& input, const ConversionOp& op,
                          const OutputNaming::IsReserved& isReserved = {}) const;

    static bool runsInImageEngine(const ConversionOp& op, const QString& input);

    // How much output the operation makes from `info`'s duration: what progress is measured against.
    static double expectedDuration(const ConversionOp& op, const MediaInfo& info);

    struct Steps {
        QList<FFmpegStep> steps;
        std::optional<QString> error; // why the task cannot run, already localized
        // Some step writes an intermediate file (the palette of a long GIF): the caller makes a private work
        // folder and plans again with it.
        bool needsWorkFolder() const;
    };
    // The ffmpeg runs of an ffmpeg task on its probed input; `output` is the task's planned output. Split
    // parts are named against the disk as it is now, each part one step. Intermediate files go into
    // `workFolder`.
    static Steps ffmpegSteps(const ConversionOp& op, const QString& input, const QString& output, const MediaInfo& info,
                             const QString& workFolder = {});

private:
    QString m_outputOverride;
};

} // namespace karvo
