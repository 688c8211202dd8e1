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

    // The copying half of moveNoReplace, used by it when a rename reports EXDEV.
    static int moveAcrossFileSystems(const QString& source, const QString& destination);
};

} // namespace karvo
