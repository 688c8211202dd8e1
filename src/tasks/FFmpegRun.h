// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionTask.h"
#include "OutputPublisher.h"
#include "TaskEnvironment.h"
#include "TaskPlanner.h"

#include <QString>
#include <functional>

namespace karvo {

// One ffmpeg run of a task: the step's output is written into a staging folder, progress is read from
// ffmpeg's report as it arrives, and the file is published only when ffmpeg succeeded, said nothing about
// a failed write, and the file it left can be read back. Never finishes the task itself.
class FFmpegRun {
public:
    enum class Outcome { success, cancelled, failed };
    struct Result {
        Outcome outcome = Outcome::failed;
        QString message;       // user-facing, when failed
        bool noOutput = false; // ffmpeg succeeded but wrote nothing (a seek past the last frame)
    };

    FFmpegRun(const TaskEnvironment& env, OutputPublisher& publisher);

    // `nextFreeName` names the output when its planned name was taken meanwhile. `onProgress` receives
    // fractions 0...1 of this step on ffmpeg's report thread.
    Result run(const FFmpegStep& step, const TaskPtr& task, const OutputPublisher::NextFreeName& nextFreeName,
               const std::function<void(double)>& onProgress);

    static QString ffmpegNotFoundText();

private:
    const TaskEnvironment& m_env;
    OutputPublisher& m_publisher;
};

} // namespace karvo
