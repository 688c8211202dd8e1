// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// A private folder ".tessvane-<UUID>" where one run writes its output before it is moved into place.
// It is created beside the final output, or in the temporary folder when that is refused, and it is
// removed with everything in it when the object goes away, however the run ended.
class StagingFolder {
public:
    explicit StagingFolder(const QString& besideFolder);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }
    // Why no folder could be created, when !isValid().
    QString error() const { return m_error; }

    // Test seam: the folder used when the output's folder refuses; empty restores the system's.
    static void setFallbackFolderForTesting(const QString& folder);

private:
    QString m_path;
    QString m_error;
};

} // namespace karvo
