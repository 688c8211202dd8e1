// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace karvo {

// A picture for showing on screen, inside the image module: upright, in sRGB, shrunk to fit `box` while it
// is decoded (HEIC included, which Qt cannot read). A null image when the file cannot be read.
class ImagePreviewDecoder {
public:
    static QImage load(const QString& path, const QSize& box);
};

} // namespace karvo
