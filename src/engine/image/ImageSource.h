// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Vips.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace karvo {

// The first image of a file as libvips sees it: its stored size, read from the header alone, and decoding
// through libvips' thumbnail path, which shrinks while loading and applies the stored orientation.
// The functions returning images throw vips::VError; decoding is lazy, so a damaged file may also throw
// later, when the pixels are computed.
class ImageSource {
public:
    // None when no loader recognises the file or its header cannot be read; `detail` gets libvips' message.
    static std::optional<ImageSource> open(const QString& path, QString* detail = nullptr);

    // Stored size, before the orientation is applied.
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Image 0 upright, fitted into width x height: never enlarged with VIPS_SIZE_DOWN, stretched to exactly
    // that size with VIPS_SIZE_FORCE. The pixels stay in their colour space, the ICC profile with them
    // (CMYK comes out as sRGB).
    vips::VImage decodeUpright(int width, int height, VipsSize size) const;

    // Decoding is lazy, so a damaged file may fail only while its pixels are written. Decodes at `edge`
    // without keeping anything, to tell such a file from a failing encoder.
    bool decodesCleanly(int edge) const;

private:
    QByteArray m_fileName;
    std::optional<vips::VSource> m_source; // for names libvips would misread as carrying load options
    int m_width = 0;
    int m_height = 0;
};

} // namespace karvo
