// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionTask.h"
#include "OutputPublisher.h"
#include "TaskEnvironment.h"

#include <QString>
#include <functional>
#include <optional>

namespace karvo {

// One image-engine task: the image is written into a staging folder and published when complete.
// Returns how the task ends; the task manager finishes it.
class ImageRun {
public:
    struct Result {
        ConversionTask::Status status = ConversionTask::Status::failed;
        std::optional<QString> error;
    };

    ImageRun(const TaskEnvironment& env, OutputPublisher& publisher);

    // `rotateAngle` is the rotation for rotate operations; `onStarted` is told once the work has begun.
    Result run(const TaskPtr& task, int rotateAngle, const OutputPublisher::NextFreeName& nextFreeName,
               const std::function<void()>& onStarted);

    static QString backgroundModelMissingText();

private:
    const TaskEnvironment& m_env;
    OutputPublisher& m_publisher;
};

} // namespace karvo
