// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolServices.h"

#include <QList>

namespace karvo::test {

// Records what an applied window hands on, in place of the task manager, the alerts and the panel.
struct ServiceRecorder {
    QList<DropEnqueue> enqueued;
    QList<DropError> alerts;
    int reloads = 0;

    ToolServices services()
    {
        return {[this](const DropEnqueue& e) { enqueued << e; }, [this](const DropError& e) { alerts << e; },
                [this] {
                    ++reloads;
                }};
    }
};

inline ToolFile videoFile(const QString& path, double duration, int width = 1920, int height = 1080)
{
    return {path, MediaInfo{duration, width, height, true, true, QStringLiteral("mov,mp4")}};
}

} // namespace karvo::test
