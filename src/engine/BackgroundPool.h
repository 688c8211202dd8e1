// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QThreadPool;

namespace karvo {

// Karvo's own threads for work that must not hold up the window: probing dropped files, decoding previews.
// Not Qt's global pool: Qt's raster painting splits large fills into parts, hands them to that pool and waits
// for them, so a slow probe running there would stop the window's painting until it ended.
class BackgroundPool {
public:
    // Made on first use. When the application object goes away, jobs not yet started are dropped and running
    // ones are waited for, while the application can still take their (then unused) results.
    static QThreadPool& shared();
};

} // namespace karvo
