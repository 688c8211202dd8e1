// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// Test seam for disk conditions that cannot be produced on demand (a read-only folder when running as
// root, a full disk): writes into the named folder fail with the given errno. Off unless a test sets it.
class FileSystemFaults {
public:
    // Creating a staging folder inside `folder` fails with `error`.
    static void refuseStaging(const QString& folder, int error);
    // Moving a file into `folder` fails with `error`.
    static void refuseWrites(const QString& folder, int error);
    static void clear();

    // 0 when nothing is injected for `folder`.
    static int stagingError(const QString& folder);
    static int writeError(const QString& folder);
};

} // namespace karvo
