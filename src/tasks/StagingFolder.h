// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

class FileSystem;

// A private folder ".tessvane-<UUID>" where one run writes its output before it is moved into place.
// It is created beside the final output, or in the temporary folder when that is refused, and it is
// removed with everything in it when the object goes away, however the run ended.
// A process that is killed cannot clean up, so each folder holds a lock file for as long as its run
// lives; the next run in the same folder removes the folders whose lock nobody holds any more.
class StagingFolder {
public:
    StagingFolder(const QString& besideFolder, FileSystem& files);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    // Why no folder could be created, when !isValid().
    QString error() const { return m_error; }

    // Removes the staging folders in `folder` left by runs that no longer exist; a folder whose run still
    // lives is never touched. Returns how many were removed.
    static int removeAbandoned(const QString& folder);

    static constexpr const char* namePrefix = ".tessvane-";
    static constexpr const char* ownerFileName = ".owner";

private:
    bool create(const QString& folder, FileSystem& files, int* error);

    QString m_path;
    QString m_error;
    int m_ownerFd = -1;
};

} // namespace karvo
