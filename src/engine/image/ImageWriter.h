// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageIOEngine.h"

namespace karvo {

// The libvips side of ImageIOEngine, inside the image module: the write itself, once the format is known to
// be writable, and the probe of libvips' HEIF encoder.
class ImageWriter {
public:
    static std::optional<ImageIOError> write(const QString& input, const QString& output,
                                             const ImageWriteParameters& params, const CancelCheck& isCancelled);
    static bool canEncodeHeic();
};

} // namespace karvo
