// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "Vips.h"

#include <atomic>

namespace karvo {

// Asks the cancellation test while libvips computes `image` (or anything built from it afterwards) and
// stops the computation when the answer is yes. Scoped: the watch ends with the object.
class VipsCancellation {
public:
    VipsCancellation(const vips::VImage& image, const CancelCheck& isCancelled);
    ~VipsCancellation();
    VipsCancellation(const VipsCancellation&) = delete;
    VipsCancellation& operator=(const VipsCancellation&) = delete;

    // True once the computation was stopped because of a cancellation.
    bool stopped() const { return m_stopped.load(); }

private:
    static void onEval(VipsImage* image, VipsProgress* progress, void* self);

    vips::VImage m_image;
    const CancelCheck& m_isCancelled;
    unsigned long m_handler = 0;
    std::atomic<bool> m_stopped{false};
};

} // namespace karvo
