// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace karvo {

// The throttle of seeks made while a slider is dragged: at most one every 0.1 s, and a request that
// comes too soon is dropped rather than deferred, so nothing is left to run once the drag stops (the
// slider's release does the final precise seek).
class LiveSeek {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr std::chrono::milliseconds interval{100};

    // `clock` gives the current time; the steady clock when empty.
    explicit LiveSeek(Clock clock = {});

    // Whether a live seek asked for now should run. When it should, now becomes the last live seek.
    bool admit();
    // Forgets the last live seek, as for a newly opened file.
    void reset() { m_last.reset(); }

private:
    Clock m_clock;
    std::optional<std::chrono::steady_clock::time_point> m_last; // none: the distant past
};

} // namespace karvo
