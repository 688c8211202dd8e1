// SPDX-License-Identifier: GPL-3.0-or-later
#include "LaunchLog.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace karvo {

void LaunchLog::write(const char* line)
{
    const std::string text = std::string("KV: ") + line + '\n';
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDERR_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

} // namespace karvo
