// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace karvo {

// The process-wide libvips set-up, done once on first use from any thread.
class VipsRuntime {
public:
    // False when libvips could not start; every image operation then fails as a value.
    static bool ensureStarted();
    // The text of libvips' error buffer, which is then cleared so messages do not pile up across tasks.
    static QString takeError();
    // A path as libvips' file functions take it.
    static QByteArray fileName(const QString& path);
};

} // namespace karvo
