// SPDX-License-Identifier: GPL-3.0-or-later
#include "VipsRuntime.h"

#include "Vips.h"

#include <QFile>
#include <algorithm>
#include <mutex>

namespace karvo {

bool VipsRuntime::ensureStarted()
{
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] {
        if (VIPS_INIT("karvo") != 0) {
            qWarning("libvips cannot start: %s", qPrintable(takeError()));
            return;
        }
        started = true;
        // Every task reads a different file once, so libvips' operation cache would only hold memory and
        // open files; a file rewritten under the same name must never be served from it either.
        vips_cache_set_max(0);
        vips_cache_set_max_mem(0);
        vips_cache_set_max_files(0);
        // Several tasks may run side by side; half the cores each keeps the pipeline busy without
        // multiplying per-thread buffers.
        const int threads = std::max(2, vips_concurrency_get() / 2);
        vips_concurrency_set(threads);
    });
    return started;
}

QString VipsRuntime::takeError()
{
    QString text = QString::fromUtf8(vips_error_buffer()).trimmed();
    vips_error_clear();
    return text;
}

QByteArray VipsRuntime::fileName(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace karvo
