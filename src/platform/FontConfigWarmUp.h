// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace karvo {

// Fontconfig reads its configuration files and font caches the first time any text is measured, several
// milliseconds on a typical desktop, all of it on the way to the first window. Made first thing in main(),
// this does that reading on a thread of its own while the application connects to the display; wait()
// before the first window is built, so the two never both load it. Waits in its destructor too.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

private:
    std::thread m_thread;
};

} // namespace karvo
