// SPDX-License-Identifier: GPL-3.0-or-later
#include "VipsTargetFile.h"

#include "JpegMetadataFilter.h"
#include "StagedFile.h"

namespace karvo {

VipsTargetFile::VipsTargetFile(StagedFile& file, const CancelCheck& isCancelled, JpegMetadataFilter* filter)
    : m_file(file), m_isCancelled(isCancelled), m_filter(filter),
      m_target(reinterpret_cast<VipsTarget*>(vips_target_custom_new()))
{
    g_signal_connect(m_target.get_target(), "write", G_CALLBACK(&VipsTargetFile::onWrite), this);
}

std::optional<ImageIOFailure> VipsTargetFile::failureOf(bool stoppedByCancellation) const
{
    if (stoppedByCancellation || m_cancelled)
        return ImageIOFailure::cancelled;
    if (m_writeFailed)
        return ImageIOFailure::writeFailed;
    return std::nullopt;
}

gint64 VipsTargetFile::onWrite(VipsTargetCustom*, const void* data, gint64 length, void* self)
{
    auto* sink = static_cast<VipsTargetFile*>(self);
    if (sink->m_isCancelled && sink->m_isCancelled()) {
        sink->m_cancelled = true;
        return -1;
    }
    if (sink->m_filter && !sink->m_filter->passing()) {
        const auto filtered = sink->m_filter->feed(static_cast<const char*>(data), length);
        if (!filtered) {
            sink->m_filterFailed = true;
            return -1;
        }
        if (!sink->m_file.write(filtered->constData(), filtered->size())) {
            sink->m_writeFailed = true;
            return -1;
        }
        return length;
    }
    if (!sink->m_file.write(data, length)) {
        sink->m_writeFailed = true;
        return -1;
    }
    return length;
}

} // namespace karvo
