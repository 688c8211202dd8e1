// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace karvo {

// Decodes a picture for showing it small, through the image engine's reader (every format it reads, HEIC
// included): upright, shrunk while loading to fit `box` (never enlarged), as 8-bit sRGB. A null image when
// the file cannot be read. Blocking; safe on any thread.
class ImagePreviewLoader {
public:
    static QImage load(const QString& path, const QSize& box);
};

} // namespace karvo
