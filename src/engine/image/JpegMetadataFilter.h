// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

namespace karvo {

// libvips' JPEG saver either drops everything, colour profile included, or adds an EXIF block of its own
// even to an image that has none. Stripping metadata while keeping the profile therefore removes the EXIF,
// XMP and IPTC segments from the finished file.
class JpegMetadataFilter {
public:
    // The JPEG without those segments; none when the data is not a well-formed JPEG header.
    static std::optional<QByteArray> withoutMetadata(const QByteArray& jpeg);
};

} // namespace karvo
