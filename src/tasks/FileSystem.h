// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

namespace karvo {

// The few file operations through which a run writes: creating its staging folder and moving the result
// into place. The task manager receives one, so a test can stand in a full or read-only disk.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // mkdir without intermediate folders (a missing output folder is an error, not something to create),
    // private to the user. 0 on success, else an errno value.
    virtual int makeFolder(const QString& path) = 0;
    // Moves without ever replacing an existing file; the errno values of SafeMove::moveNoReplace.
    virtual int moveNoReplace(const QString& source, const QString& destination) = 0;
    // Where a staging folder goes when the output's own folder refuses one.
    virtual QString temporaryFolder() const = 0;

    // The machine's own file system.
    static std::shared_ptr<FileSystem> local();
};

} // namespace karvo
