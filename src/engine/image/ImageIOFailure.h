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
    // writeFailed: errno of the file operation that failed on the output or on a scratch file beside it
    // (ENOSPC, EDQUOT, EACCES, EROFS, ENAMETOOLONG, EEXIST...), 0 when the failure was not the file's.
    int systemError = 0;
    // writeFailed because the picture has more pixels than the format's encoder is allowed (see
    // ImageIOEngine::heicMaxPixels): that largest count, else 0. `format` names the format.
    qint64 pixelLimit = 0;
};

// A failure that concerns no format in particular.
inline ImageIOError imageFailure(ImageIOFailure kind, const QString& detail = {})
{
    return ImageIOError{kind, ImageFormat::png, detail};
}

} // namespace karvo
