// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImagePreviewDecoder.h"

#include "ImageSource.h"
#include "Vips.h"
#include "VipsRuntime.h"

#include <glib.h>

namespace karvo {

namespace {
vips::VImage toDisplayable(vips::VImage image)
{
    // Phone pictures are often in a wider colour space than the screen; shown unconverted they look dull.
    if (image.get_typeof(VIPS_META_ICC_NAME) != 0) {
        try {
            image = image.icc_transform("srgb", vips::VImage::option()->set("embedded", true));
        } catch (const vips::VError&) {
            VipsRuntime::takeError(); // a damaged profile: the colours are shown as stored
        }
    }
    image = image.colourspace(VIPS_INTERPRETATION_sRGB);
    if (image.format() != VIPS_FORMAT_UCHAR)
        image = image.cast(VIPS_FORMAT_UCHAR);
    if (image.bands() > 4)
        image = image.extract_band(0, vips::VImage::option()->set("n", 4));
    return image;
}
} // namespace

QImage ImagePreviewDecoder::load(const QString& path, const QSize& box)
{
    if (box.isEmpty())
        return {};
    const std::optional<ImageSource> source = ImageSource::open(path);
    if (!source)
        return {};
    try {
        const vips::VImage image = toDisplayable(source->decodeUpright(box.width(), box.height(), VIPS_SIZE_DOWN));
        const int bands = image.bands();
        if (bands != 3 && bands != 4)
            return {};
        size_t length = 0;
        void* pixels = image.write_to_memory(&length);
        const qsizetype stride = static_cast<qsizetype>(image.width()) * bands;
        QImage result;
        if (pixels && length >= static_cast<size_t>(stride) * static_cast<size_t>(image.height()))
            result = QImage(static_cast<const uchar*>(pixels), image.width(), image.height(), stride,
                            bands == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888)
                         .copy();
        g_free(pixels);
        return result;
    } catch (const vips::VError&) {
        VipsRuntime::takeError();
        return {};
    }
}

} // namespace karvo
