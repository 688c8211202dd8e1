// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <optional>

namespace karvo {

struct PixelRect {
    int x, y, w, h;
    bool operator==(const PixelRect&) const = default;
};

// Turns a crop drawn once in normalized coordinates into the pixel rectangle of each frame size, so that one
// rectangle applies to videos of any size.
class BatchCrop {
public:
    // `normalized` in 0...1 with the origin at the top-left, y growing downwards. The result has an even
    // width and height of at least 2 and lies inside the frame; none for an empty frame, a frame too small
    // for any even crop, or a rectangle that is not a number.
    static std::optional<PixelRect> pixels(const QRectF& normalized, int width, int height);
};

} // namespace karvo
