// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ImageIOFailure.h"

#include <QString>
#include <optional>

namespace karvo {

class StagedFile;

// HEIF encoding in a child process: libvips' command-line tool reads a scratch picture and writes the HEIF
// file to a pipe, which is copied into the staged output. The HEVC encoder inside can neither be interrupted
// nor asked to stop, and holds a large part of its memory until it ends; a child can be killed at once.
class HeifEncoderProcess {
public:
    // The tool, absolute; empty when it is not installed.
    static QString tool();

    // Encodes the libvips file `scratch` (as written by ScratchImage) into `output` with HEVC, at `quality`
    // (1...100, libvips' default when absent), without any metadata when `strip`. None on success. Cancelling
    // kills the child; the cancellation test is asked several times a second while it runs.
    static std::optional<ImageIOError> encode(const QString& scratch, StagedFile& output, std::optional<int> quality,
                                              bool strip, const CancelCheck& isCancelled);
};

} // namespace karvo
