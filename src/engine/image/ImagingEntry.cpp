// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImagingEntry.h"

#include "BackgroundCutout.h"
#include "ImagePreviewDecoder.h"
#include "ImageWriter.h"

namespace karvo {

const ImagingFunctions& linkedImagingFunctions()
{
    static const ImagingFunctions functions{
        &ImageWriter::write,
        &ImageWriter::canEncodeHeic,
        &BackgroundCutout::remove,
        &BackgroundCutout::hasUsableModel,
        reinterpret_cast<void (*)()>(&ImagePreviewDecoder::load),
    };
    return functions;
}

} // namespace karvo
