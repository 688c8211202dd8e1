// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ImageIOFailure.h"
#include "StagedFile.h"
#include "Vips.h"

#include <optional>

namespace karvo {

// A picture kept on disk, uncompressed in libvips' own format, in a private file beside an output: for work
// that needs the whole picture at once (turning it, encoding HEIF) without holding it in memory. libvips reads
// such a file back through small windows. The file is removed with the object.
class ScratchImage {
public:
    explicit ScratchImage(const QString& besideOutput);

    // Computes `image` into the file; none on success. libvips writes this format itself, so a failed write
    // carries its message only; a lack of space, by far the likeliest cause, is found before any work and
    // carries ENOSPC. A failure to compute the picture is `unreadable`.
    std::optional<ImageIOError> write(const vips::VImage& image, const CancelCheck& isCancelled);
    // The written picture, for random access. Throws vips::VError.
    vips::VImage open() const;
    QString path() const { return m_file.path(); }

private:
    StagedFile m_file; // holds the private name; never committed
};

} // namespace karvo
