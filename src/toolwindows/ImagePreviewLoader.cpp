// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImagePreviewLoader.h"

#include "ImagingModule.h"

namespace karvo {

QImage ImagePreviewLoader::load(const QString& path, const QSize& box)
{
    if (box.isEmpty())
        return {};
    // Decoding goes through the image module (libvips), which reads HEIC as well.
    const ImagingFunctions* imaging = ImagingModule::functions();
    if (!imaging || !imaging->previewLoader)
        return {};
    using Loader = QImage (*)(const QString&, const QSize&);
    return reinterpret_cast<Loader>(imaging->previewLoader)(path, box);
}

} // namespace karvo
