// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageIOEngine.h"

#include "ImageSource.h"
#include "JpegMetadataFilter.h"
#include "MediaExtensions.h"
#include "StagedFile.h"
#include "Vips.h"
#include "VipsCancellation.h"
#include "VipsRuntime.h"
#include "VipsTargetFile.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

namespace karvo {

namespace {
std::atomic<int> heicOverride{-1}; // -1: probe, 0: cannot, 1: can

constexpr int unknownSizeEdge = 16384;

ImageIOError failure(ImageIOFailure kind, const QString& detail = {})
{
    return ImageIOError{kind, ImageFormat::png, detail};
}

bool probeHeicEncoder()
{
    if (!VipsRuntime::ensureStarted())
        return false;
    try {
        const vips::VImage probe = vips::VImage::black(16, 16, vips::VImage::option()->set("bands", 3));
        VipsBlob* blob =
            probe.heifsave_buffer(vips::VImage::option()->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_HEVC));
        vips_area_unref(reinterpret_cast<VipsArea*>(blob));
        return true;
    } catch (const vips::VError&) {
        vips_error_clear();
        return false;
    }
}

// The longest edge to decode at: the requested edge, never more than the image has.
int decodeEdge(std::optional<int> maxEdge, int longest)
{
    if (maxEdge && *maxEdge >= 1)
        return longest < 1 ? *maxEdge : std::min(*maxEdge, longest);
    return longest < 1 ? unknownSizeEdge : longest;
}

// A quarter turn by +90 degrees is counter-clockwise (the top edge becomes the left edge); libvips' angles
// turn clockwise.
std::optional<VipsAngle> vipsAngle(int degrees)
{
    switch (((degrees % 360) + 360) % 360) {
    case 90:
        return VIPS_ANGLE_D270;
    case 180:
        return VIPS_ANGLE_D180;
    case 270:
        return VIPS_ANGLE_D90;
    default:
        return std::nullopt;
    }
}

// Quality 0...1 (anything else clamped, NaN counts as 0) on the savers' 1...100 scale.
int saverQuality(double quality)
{
    const double q = std::isnan(quality) ? 0.0 : std::clamp(quality, 0.0, 1.0);
    return std::clamp(static_cast<int>(std::lround(q * 100.0)), 1, 100);
}

// Fields the savers would write that must not reach the output: XMP and text comments always, EXIF and IPTC
// when stripping. The colour profile is never among them.
bool dropsField(const char* name, bool strip)
{
    const QByteArray field(name);
    if (field == "xmp-data" || field.startsWith("png-comment-") || field == "gif-comment")
        return true;
    if (!strip)
        return false;
    return field == "exif-data" || field.startsWith("exif-") || field == "iptc-data" || field == "jpeg-thumbnail-data";
}

double maxAlpha(const vips::VImage& image)
{
    switch (image.format()) {
    case VIPS_FORMAT_USHORT:
        return 65535.0;
    case VIPS_FORMAT_FLOAT:
    case VIPS_FORMAT_DOUBLE:
        return image.interpretation() == VIPS_INTERPRETATION_scRGB ? 1.0 : 255.0;
    default:
        return 255.0;
    }
}

vips::VImage prepareForSave(vips::VImage image, const ImageWriteParameters& params)
{
    // JPEG has no transparency: transparent pixels become white rather than whatever colour they hide.
    if (params.format == ImageFormat::jpeg && image.has_alpha()) {
        const double white = maxAlpha(image);
        image = image.flatten(vips::VImage::option()
                                  ->set("background", std::vector<double>(image.bands() - 1, white))
                                  ->set("max_alpha", white));
    }
    // A copy owns its header, so removing fields does not touch images shared with libvips.
    image = image.copy();
    gchar** fields = vips_image_get_fields(image.get_image());
    for (gchar** f = fields; f && *f; ++f) {
        if (dropsField(*f, params.stripMetadata))
            image.remove(*f);
    }
    g_strfreev(fields);
    image.set("orientation", 1);
    return image;
}

std::optional<ImageIOError> save(const vips::VImage& image, const ImageSource& source, int edge, const QString& output,
                                 const ImageWriteParameters& params, const CancelCheck& isCancelled)
{
    StagedFile file(output);
    if (file.fd() < 0)
        return failure(ImageIOFailure::writeFailed, file.error());
    VipsTargetFile sink(file, isCancelled);
    VipsCancellation watch(image, isCancelled);
    const int quality = saverQuality(params.quality.value_or(0.75));
    try {
        switch (params.format) {
        case ImageFormat::jpeg: {
            vips::VOption* options = vips::VImage::option();
            if (params.quality)
                options->set("Q", quality);
            if (!params.stripMetadata) {
                image.jpegsave_target(sink.target(), options);
                break;
            }
            VipsBlob* blob = image.jpegsave_buffer(options);
            size_t length = 0;
            const void* data = vips_blob_get(blob, &length);
            const auto filtered = JpegMetadataFilter::withoutMetadata(
                QByteArray::fromRawData(static_cast<const char*>(data), static_cast<qsizetype>(length)));
            const bool written = filtered && file.write(filtered->constData(), filtered->size());
            vips_area_unref(reinterpret_cast<VipsArea*>(blob));
            if (!written)
                return failure(ImageIOFailure::writeFailed, filtered ? file.error() : QStringLiteral("bad JPEG"));
            break;
        }
        case ImageFormat::png:
            image.pngsave_target(sink.target());
            break;
        case ImageFormat::heic: {
            vips::VOption* options = vips::VImage::option()->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_HEVC);
            if (params.quality)
                options->set("Q", quality);
            // libvips' HEIF saver, like its JPEG saver, adds an EXIF block of its own (orientation, resolution,
            // size) unless it strips everything, the profile included. Without a profile nothing is lost by
            // stripping; with one, the profile wins and only that technical block remains.
            if (params.stripMetadata && !image.get_typeof(VIPS_META_ICC_NAME))
                options->set("strip", true);
            image.heifsave_target(sink.target(), options);
            break;
        }
        }
    } catch (const vips::VError& e) {
        const QString message = QString::fromUtf8(e.what()).trimmed();
        vips_error_clear();
        if (const auto kind = sink.failureOf(watch.stopped()))
            return failure(*kind, *kind == ImageIOFailure::writeFailed ? file.error() : message);
        return failure(source.decodesCleanly(edge) ? ImageIOFailure::writeFailed : ImageIOFailure::unreadable, message);
    }
    if (isCancelled && isCancelled())
        return failure(ImageIOFailure::cancelled);
    if (!file.commit())
        return failure(ImageIOFailure::writeFailed, file.error());
    return std::nullopt;
}
} // namespace

std::optional<ImageWriteParameters> ImageIOEngine::parameters(const ConversionOp& op, const QString& inputExt,
                                                              int rotateAngle)
{
    const auto lossyOr = [](ImageFormat format, double quality) -> std::optional<double> {
        return usesLossyQuality(format) ? std::optional<double>(quality) : std::nullopt;
    };
    if (const auto* o = op.as<ops::ConvertImage>())
        return ImageWriteParameters{o->format, lossyOr(o->format, 0.9), std::nullopt, 0, false};
    if (const auto* o = op.as<ops::CompressImage>())
        return ImageWriteParameters{imageFormatCompressed(inputExt), o->quality, std::nullopt, 0, false};
    const ImageFormat preserved = imageFormatPreserving(inputExt);
    if (const auto* o = op.as<ops::ResizeImage>())
        return ImageWriteParameters{preserved, lossyOr(preserved, 0.92), o->maxEdge, 0, false};
    if (op.is<ops::RotateImage>())
        return ImageWriteParameters{preserved, lossyOr(preserved, 0.92), std::nullopt, rotateAngle, false};
    if (op.is<ops::RemoveMetadata>() && MediaExtensions::image().contains(inputExt))
        return ImageWriteParameters{preserved, lossyOr(preserved, 0.95), std::nullopt, 0, true};
    return std::nullopt;
}

bool ImageIOEngine::canWrite(ImageFormat format)
{
    if (format != ImageFormat::heic)
        return true;
    if (const int forced = heicOverride.load(); forced >= 0)
        return forced == 1;
    static const bool heic = probeHeicEncoder();
    return heic;
}

void ImageIOEngine::setHeicWritableForTesting(std::optional<bool> writable)
{
    heicOverride.store(writable ? (*writable ? 1 : 0) : -1);
}

std::optional<ImageIOError> ImageIOEngine::write(const QString& input, const QString& output,
                                                 const ImageWriteParameters& params, const CancelCheck& isCancelled)
{
    const auto cancelled = [&] {
        return isCancelled && isCancelled();
    };
    if (cancelled())
        return failure(ImageIOFailure::cancelled);
    if (!canWrite(params.format))
        return ImageIOError{ImageIOFailure::cannotWrite, params.format, {}};

    QString detail;
    const auto source = ImageSource::open(input, &detail);
    if (!source)
        return failure(ImageIOFailure::unreadable, detail);
    if (cancelled())
        return failure(ImageIOFailure::cancelled);

    const int edge = decodeEdge(params.maxEdge, std::max(source->width(), source->height()));
    vips::VImage image;
    try {
        image = source->decodeUpright(edge, edge, VIPS_SIZE_DOWN);
        if (const auto angle = vipsAngle(params.rotationDegrees)) {
            // Turning needs the whole picture; it is already at its output size here.
            VipsCancellation watch(image, isCancelled);
            try {
                image = image.copy_memory();
            } catch (const vips::VError&) {
                if (watch.stopped()) {
                    vips_error_clear();
                    return failure(ImageIOFailure::cancelled);
                }
                throw;
            }
            image = image.rot(*angle);
        }
    } catch (const vips::VError& e) {
        vips_error_clear();
        return failure(ImageIOFailure::unreadable, QString::fromUtf8(e.what()).trimmed());
    }
    if (cancelled())
        return failure(ImageIOFailure::cancelled);

    try {
        image = prepareForSave(image, params);
    } catch (const vips::VError& e) {
        vips_error_clear();
        return failure(ImageIOFailure::writeFailed, QString::fromUtf8(e.what()).trimmed());
    }
    return save(image, *source, edge, output, params, isCancelled);
}

} // namespace karvo
