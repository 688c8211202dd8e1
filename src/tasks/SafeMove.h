// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// Moves a finished file into place without ever replacing an existing file.
class SafeMove {
public:
    // 0 on success, else an errno value: EEXIST when something already has the name (nothing was
    // changed), EACCES/EPERM/EROFS when the destination folder refuses writing, others as they come.
    // Across file systems (EXDEV) the file is copied into the destination folder under a hidden
    // temporary name, moved into place without replacing, and only then is the source removed.
    static int moveNoReplace(const QString& source, const QString& destination);

    // Test seam: pretend every rename crosses a file system, to exercise the copying path.
    static void setForceCrossDeviceForTesting(bool force);
};

} // namespace karvo
