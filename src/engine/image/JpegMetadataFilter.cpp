// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegMetadataFilter.h"

namespace karvo {

namespace {
constexpr unsigned char app1 = 0xE1;
constexpr unsigned char app13 = 0xED; // Photoshop resources, where IPTC lives
constexpr unsigned char startOfScan = 0xDA;
constexpr unsigned char endOfImage = 0xD9;
// Segments are at most 64 KiB; a header of 256 of them is no header libvips writes.
constexpr qsizetype maxHeader = 256 * 65536;

bool isMetadata(unsigned char marker, const QByteArray& payload)
{
    if (marker == app13)
        return true;
    if (marker != app1)
        return false;
    return payload.startsWith(QByteArray("Exif\0\0", 6)) || payload.startsWith("http://ns.adobe.com/xap/1.0/") ||
           payload.startsWith("http://ns.adobe.com/xmp/extension/");
}
} // namespace

std::optional<QByteArray> JpegMetadataFilter::withoutMetadata(const QByteArray& jpeg)
{
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(jpeg[i]);
    };
    const qsizetype size = jpeg.size();
    if (size < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return std::nullopt;

    QByteArray out;
    out.reserve(size);
    out.append(jpeg.constData(), 2);
    qsizetype pos = 2;
    while (pos + 1 < size) {
        if (byte(pos) != 0xFF)
            return std::nullopt;
        const unsigned char marker = byte(pos + 1);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == startOfScan || marker == endOfImage) {
            out.append(jpeg.constData() + pos, size - pos);
            return out;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // markers without a length
            out.append(jpeg.constData() + pos, 2);
            pos += 2;
            continue;
        }
        if (pos + 3 >= size)
            return std::nullopt;
        const qsizetype length = (qsizetype(byte(pos + 2)) << 8) | byte(pos + 3);
        if (length < 2 || pos + 2 + length > size)
            return std::nullopt;
        const QByteArray payload = QByteArray::fromRawData(jpeg.constData() + pos + 4, length - 2);
        if (!isMetadata(marker, payload))
            out.append(jpeg.constData() + pos, 2 + length);
        pos += 2 + length;
    }
    return std::nullopt;
}

std::optional<QByteArray> JpegMetadataFilter::feed(const char* data, qsizetype size)
{
    if (m_passing)
        return QByteArray(data, size);
    m_header.append(data, size);
    // Not a JPEG at all: no need to wait for more.
    if ((m_header.size() >= 1 && static_cast<unsigned char>(m_header[0]) != 0xFF) ||
        (m_header.size() >= 2 && static_cast<unsigned char>(m_header[1]) != 0xD8))
        return std::nullopt;
    if (auto filtered = withoutMetadata(m_header)) {
        m_passing = true;
        m_header = QByteArray();
        return filtered;
    }
    if (m_header.size() > maxHeader)
        return std::nullopt;
    return QByteArray();
}

} // namespace karvo
