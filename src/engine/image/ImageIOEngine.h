// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ConversionOp.h"
#include "ImageIOFailure.h"
#include "MediaFormats.h"

#include <QString>
#include <optional>

namespace karvo {

struct ImageWriteParameters {
    ImageFormat format;
    std::optional<double> quality; // 0...1, lossy formats only
    std::optional<int> maxEdge;    // longest edge of the output; never enlarges
    int rotationDegrees = 0;
    bool stripMetadata = false;
    bool operator==(const ImageWriteParameters&) const = default;
};

// Every still-image operation except background removal: one write path with parameters. Reads the first
// image of the input upright, decoded at the output size, optionally rotates it and writes it in the
// target format, carrying EXIF (with its TIFF, GPS and maker-note parts) and IPTC unless told to strip them.
// The ICC colour profile always stays: it describes the pixels rather than the photo.
class ImageIOEngine {
public:
    // The write parameters of an image operation; inputExt lower-cased, rotateAngle the stored rotate
    // preference. None for operations the image engine does not perform, and for background removal.
    static std::optional<ImageWriteParameters> parameters(const ConversionOp& op, const QString& inputExt,
                                                          int rotateAngle);

    // JPEG and PNG always; HEIC when libvips can save HEIF with HEVC on this machine (probed once) and its
    // command-line tool, which runs the encoder, is installed.
    static bool canWrite(ImageFormat format);

    // The most pixels a HEIC output may have. This libheif writes one HEVC picture, not tiles, and the HEVC
    // encoder needs about 27 bytes a pixel (1.4 GB here), uninterruptibly; larger pictures are refused
    // before any work (writeFailed with pixelLimit set). Covers 48-megapixel phone photos.
    static constexpr qint64 heicMaxPixels = 50'000'000;
    // Pictures whose decoded pixels take more bytes than this are turned through a scratch file on disk,
    // which libvips reads in small windows, instead of in memory.
    static constexpr qint64 turnInMemoryBytes = 100LL * 1024 * 1024;

    // Writes exactly one file at `output`, which must not exist yet. None on success; on failure nothing is
    // left at `output`. Runs on the caller's thread; a cancellation is honoured within a fraction of a second
    // at every stage, HEIF encoding included. Scratch files live beside `output` while it runs.
    static std::optional<ImageIOError> write(const QString& input, const QString& output,
                                             const ImageWriteParameters& params, const CancelCheck& isCancelled);

    // Seam for tests: pretend HEIC can (true) or cannot (false) be written; none restores the probe.
    static void setHeicWritableForTesting(std::optional<bool> writable);
};

} // namespace karvo
