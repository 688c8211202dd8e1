// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ImageIOFailure.h"
#include "Vips.h"

#include <optional>

namespace karvo {

class JpegMetadataFilter;
class StagedFile;

// A libvips target that writes into a staged file. Remembers whether the file itself failed, so that a
// failed save can be told apart from a failed decode, and refuses further bytes once cancelled.
class VipsTargetFile {
public:
    VipsTargetFile(StagedFile& file, const CancelCheck& isCancelled, JpegMetadataFilter* filter = nullptr);

    vips::VTarget target() const { return m_target; }
    bool writeFailed() const { return m_writeFailed; }
    // The filter refused the bytes: they are no JPEG it can clean.
    bool filterFailed() const { return m_filterFailed; }
    bool cancelled() const { return m_cancelled; }

    // What a save into this target that threw amounts to, as far as the target can tell: cancelled (also when
    // a VipsCancellation watch stopped the computation) or writeFailed. None when the failure came from
    // elsewhere: the decoding or the encoder.
    std::optional<ImageIOFailure> failureOf(bool stoppedByCancellation) const;

private:
    static gint64 onWrite(VipsTargetCustom* target, const void* data, gint64 length, void* self);

    StagedFile& m_file;
    const CancelCheck& m_isCancelled;
    JpegMetadataFilter* m_filter; // when given, the bytes pass through it on their way to the file
    vips::VTarget m_target;
    bool m_writeFailed = false;
    bool m_filterFailed = false;
    bool m_cancelled = false;
};

} // namespace karvo
