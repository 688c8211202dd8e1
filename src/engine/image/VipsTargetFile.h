// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ImageIOFailure.h"
#include "Vips.h"

#include <QString>

namespace karvo {

class StagedFile;

// A libvips target that writes into a staged file. Remembers whether the file itself failed, so that a
// failed save can be told apart from a failed decode, and refuses further bytes once cancelled.
class VipsTargetFile {
public:
    VipsTargetFile(StagedFile& file, const CancelCheck& isCancelled);

    vips::VTarget target() const { return m_target; }
    bool writeFailed() const { return m_writeFailed; }
    bool cancelled() const { return m_cancelled; }

    // What a save into this target that threw `vipsMessage` amounts to. `stoppedByCancellation`: the
    // computation was killed by a VipsCancellation watch.
    ImageIOFailure failureOf(const QString& vipsMessage, bool stoppedByCancellation) const;

private:
    static gint64 onWrite(VipsTargetCustom* target, const void* data, gint64 length, void* self);

    StagedFile& m_file;
    const CancelCheck& m_isCancelled;
    vips::VTarget m_target;
    bool m_writeFailed = false;
    bool m_cancelled = false;
};

} // namespace karvo
