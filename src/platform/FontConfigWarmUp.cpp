// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace karvo {

FontConfigWarmUp::FontConfigWarmUp()
{
    // FcInit is thread-safe: whoever comes second gets the configuration the first one loaded.
    try {
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare: the first text measured loads it, as without this.
    }
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

void FontConfigWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace karvo
