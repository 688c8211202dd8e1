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

    // The same on a JPEG arriving in pieces, so that a large picture is never held whole: the header is kept
    // back until the scan starts, then given out without those segments; everything after passes through.
    // Returns the bytes to write now, possibly none; nullopt once the header proves malformed.
    std::optional<QByteArray> feed(const char* data, qsizetype size);
    // The header has been given out: the rest passes through unchanged.
    bool passing() const { return m_passing; }

private:
    QByteArray m_header;
    bool m_passing = false;
};

} // namespace karvo
