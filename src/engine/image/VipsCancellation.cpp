// SPDX-License-Identifier: GPL-3.0-or-later
#include "VipsCancellation.h"

namespace karvo {

VipsCancellation::VipsCancellation(const vips::VImage& image, const CancelCheck& isCancelled)
    : m_image(image), m_isCancelled(isCancelled)
{
    if (!m_isCancelled)
        return;
    vips_image_set_progress(m_image.get_image(), TRUE);
    m_handler = g_signal_connect(m_image.get_image(), "eval", G_CALLBACK(&VipsCancellation::onEval), this);
}

VipsCancellation::~VipsCancellation()
{
    if (m_handler != 0)
        g_signal_handler_disconnect(m_image.get_image(), m_handler);
}

void VipsCancellation::onEval(VipsImage* image, VipsProgress*, void* self)
{
    auto* watch = static_cast<VipsCancellation*>(self);
    if (!watch->m_stopped.load() && watch->m_isCancelled()) {
        watch->m_stopped.store(true);
        vips_image_set_kill(image, TRUE);
    }
}

} // namespace karvo
