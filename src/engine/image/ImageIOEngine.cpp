// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageIOEngine.h"

#include "FFmpegLocator.h"
#include "ImagingModule.h"
#include "MediaExtensions.h"

#include <atomic>

namespace karvo {

namespace {
std::atomic<int> heicOverride{-1}; // -1: probe, 0: cannot, 1: can
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
    // libvips must be able to save HEIF with HEVC (probed once, in the image module), and its command-line
    // tool, which runs the encoder, must be installed.
    const ImagingFunctions* imaging = ImagingModule::functions();
    return imaging && imaging->canEncodeHeic() && !FFmpegLocator::path(QStringLiteral("vips")).isEmpty();
}

void ImageIOEngine::setHeicWritableForTesting(std::optional<bool> writable)
{
    heicOverride.store(writable ? (*writable ? 1 : 0) : -1);
}

std::optional<ImageIOError> ImageIOEngine::write(const QString& input, const QString& output,
                                                 const ImageWriteParameters& params, const CancelCheck& isCancelled)
{
    if (isCancelled && isCancelled())
        return ImageIOError{ImageIOFailure::cancelled, ImageFormat::png, {}};
    if (!canWrite(params.format))
        return ImageIOError{ImageIOFailure::cannotWrite, params.format, {}};
    const ImagingFunctions* imaging = ImagingModule::functions();
    if (!imaging)
        return ImageIOError{ImageIOFailure::writeFailed, params.format, ImagingModule::loadError()};
    return imaging->write(input, output, params, isCancelled);
}

} // namespace karvo
