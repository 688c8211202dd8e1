// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageWriter.h"

#include "HeifEncoderProcess.h"
#include "ImageIOEngine.h"
#include "ImageSource.h"
#include "JpegMetadataFilter.h"
#include "ScratchImage.h"
#include "StagedFile.h"
#include "Vips.h"
#include "VipsCancellation.h"
#include "VipsRuntime.h"
#include "VipsTargetFile.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace karvo {

namespace {
constexpr int unknownSizeEdge = 16384;

// A scratch write that failed while computing the picture: a damaged input, or the machine.
ImageIOError refine(ImageIOError error, const ImageSource& source, int edge)
{
    if (error.failure == ImageIOFailure::unreadable && source.decodesCleanly(edge))
        error.failure = ImageIOFailure::writeFailed;
    return error;
}

bool probeHeicEncoderOnce()
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

// HEIF: the picture goes to a scratch file first, then a child process encodes it, so that a cancellation
// can stop the encoder at once and its memory ends with it.
std::optional<ImageIOError> saveHeic(const vips::VImage& image, const ImageSource& source, int edge,
                                     const QString& output, const ImageWriteParameters& params,
                                     const CancelCheck& isCancelled)
{
    StagedFile file(output);
    if (file.fd() < 0)
        return StagedFile::failureOf(file);
    ScratchImage scratch(output);
    if (auto error = scratch.write(image, isCancelled))
        return refine(*error, source, edge);
    // libvips' HEIF saver, like its JPEG saver, adds an EXIF block of its own (orientation, resolution, size)
    // unless it strips everything, the profile included. Without a profile nothing is lost by stripping; with
    // one, the profile wins and only that technical block remains.
    const bool strip = params.stripMetadata && !image.get_typeof(VIPS_META_ICC_NAME);
    const auto quality = params.quality ? std::optional(saverQuality(*params.quality)) : std::nullopt;
    if (auto error = HeifEncoderProcess::encode(scratch.path(), file, quality, strip, isCancelled))
        return error;
    if (isCancelled && isCancelled())
        return imageFailure(ImageIOFailure::cancelled);
    if (!file.commit())
        return StagedFile::failureOf(file);
    return std::nullopt;
}

std::optional<ImageIOError> save(const vips::VImage& image, const ImageSource& source, int edge, const QString& output,
                                 const ImageWriteParameters& params, const CancelCheck& isCancelled)
{
    if (params.format == ImageFormat::heic)
        return saveHeic(image, source, edge, output, params, isCancelled);
    StagedFile file(output);
    if (file.fd() < 0)
        return StagedFile::failureOf(file);
    JpegMetadataFilter filter;
    const bool filtered = params.format == ImageFormat::jpeg && params.stripMetadata;
    VipsTargetFile sink(file, isCancelled, filtered ? &filter : nullptr);
    VipsCancellation watch(image, isCancelled);
    try {
        if (params.format == ImageFormat::jpeg) {
            vips::VOption* options = vips::VImage::option();
            if (params.quality)
                options->set("Q", saverQuality(*params.quality));
            image.jpegsave_target(sink.target(), options);
        } else {
            image.pngsave_target(sink.target());
        }
    } catch (const vips::VError& e) {
        const QString message = QString::fromUtf8(e.what()).trimmed();
        vips_error_clear();
        if (sink.filterFailed())
            return imageFailure(ImageIOFailure::writeFailed, QStringLiteral("bad JPEG"));
        if (const auto kind = sink.failureOf(watch.stopped()))
            return *kind == ImageIOFailure::writeFailed ? StagedFile::failureOf(file) : imageFailure(*kind);
        return imageFailure(source.decodesCleanly(edge) ? ImageIOFailure::writeFailed : ImageIOFailure::unreadable,
                            message);
    }
    if (filtered && !filter.passing())
        return imageFailure(ImageIOFailure::writeFailed, QStringLiteral("bad JPEG"));
    if (isCancelled && isCancelled())
        return imageFailure(ImageIOFailure::cancelled);
    if (!file.commit())
        return StagedFile::failureOf(file);
    return std::nullopt;
}
} // namespace

bool ImageWriter::canEncodeHeic()
{
    static const bool heic = probeHeicEncoderOnce();
    return heic;
}

std::optional<ImageIOError> ImageWriter::write(const QString& input, const QString& output,
                                               const ImageWriteParameters& params, const CancelCheck& isCancelled)
{
    const auto cancelled = [&] {
        return isCancelled && isCancelled();
    };
    if (cancelled())
        return imageFailure(ImageIOFailure::cancelled);

    QString detail;
    const auto source = ImageSource::open(input, &detail);
    if (!source)
        return imageFailure(ImageIOFailure::unreadable, detail);
    if (cancelled())
        return imageFailure(ImageIOFailure::cancelled);

    const int edge = decodeEdge(params.maxEdge, std::max(source->width(), source->height()));
    std::optional<ScratchImage> turned; // declared before `image`, so it goes only after the last read from it
    vips::VImage image;
    try {
        image = source->decodeUpright(edge, edge, VIPS_SIZE_DOWN);
        // Decoding is lazy: the size is known before any pixel is.
        if (params.format == ImageFormat::heic &&
            static_cast<qint64>(image.width()) * image.height() > ImageIOEngine::heicMaxPixels) {
            return ImageIOError{ImageIOFailure::writeFailed, ImageFormat::heic,
                                QStringLiteral("%1x%2 is more than HEIC allows").arg(image.width()).arg(image.height()),
                                0, ImageIOEngine::heicMaxPixels};
        }
        if (const auto angle = vipsAngle(params.rotationDegrees)) {
            // Turning needs the whole picture; it is already at its output size here. A large one waits on disk.
            const double bytes = static_cast<double>(image.width()) * image.height() *
                                 static_cast<double>(VIPS_IMAGE_SIZEOF_PEL(image.get_image()));
            if (bytes > static_cast<double>(ImageIOEngine::turnInMemoryBytes)) {
                turned.emplace(output);
                if (auto error = turned->write(image, isCancelled))
                    return refine(*error, *source, edge);
                image = turned->open();
            } else {
                VipsCancellation watch(image, isCancelled);
                try {
                    image = image.copy_memory();
                } catch (const vips::VError&) {
                    if (watch.stopped()) {
                        vips_error_clear();
                        return imageFailure(ImageIOFailure::cancelled);
                    }
                    throw;
                }
            }
            image = image.rot(*angle);
        }
    } catch (const vips::VError& e) {
        vips_error_clear();
        return imageFailure(ImageIOFailure::unreadable, QString::fromUtf8(e.what()).trimmed());
    }
    if (cancelled())
        return imageFailure(ImageIOFailure::cancelled);

    try {
        image = prepareForSave(image, params);
    } catch (const vips::VError& e) {
        vips_error_clear();
        return imageFailure(ImageIOFailure::writeFailed, QString::fromUtf8(e.what()).trimmed());
    }
    return save(image, *source, edge, output, params, isCancelled);
}

} // namespace karvo
