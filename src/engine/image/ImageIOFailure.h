// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MediaFormats.h"

#include <QString>

namespace karvo {

enum class ImageIOFailure {
    cannotWrite, // this system has no encoder for the format
    unreadable,  // the input holds no decodable image
    writeFailed, // the destination could not be created or completed, or nothing was produced
    cancelled,
};

struct ImageIOError {
    ImageIOFailure failure;
    ImageFormat format = ImageFormat::png; // the format that cannot be written, for cannotWrite
    QString detail;                        // libvips' or OpenCV's message, for logs; may be empty
};

} // namespace karvo
