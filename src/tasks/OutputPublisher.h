// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionTask.h"

#include <QString>
#include <functional>
#include <optional>

namespace karvo {

class FileSystem;

// Moves a finished, staged file to its final name through the task, so that nothing is published for a
// cancelled task. When the folder refuses writing the output is relocated (the saved folder, or one the
// user picks); when another program took the name meanwhile the next free name is used.
class OutputPublisher {
public:
    using Relocate = std::function<std::optional<QString>(const QString& refused)>;
    using NextFreeName = std::function<QString(const QString& taken)>;

    OutputPublisher(FileSystem& files, Relocate relocate);

    struct Published {
        bool published = false;
        std::optional<QString> error; // user-facing text when the move failed for good
    };
    // Not published and no error: the task was cancelled.
    Published publish(const TaskPtr& task, const QString& staged, const QString& destination, bool final,
                      const NextFreeName& nextFreeName);

    // A write error in `folder` in words a user can act on: no space, too long a name, no permission, or
    // the system's own description.
    static QString describeWriteError(int error, const QString& folder);

private:
    FileSystem& m_files;
    Relocate m_relocate;
};

} // namespace karvo
