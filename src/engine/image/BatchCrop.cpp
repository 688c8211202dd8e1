// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchCrop.h"

#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
// Even, at least 2, and no larger than the frame (largest even size that fits); computed in double so that
// huge or infinite inputs cannot overflow an int.
int evenSize(double normalizedSize, int frame)
{
    const double largest = frame - frame % 2;
    const double size = std::clamp(std::round(normalizedSize * frame), 2.0, largest);
    const int whole = static_cast<int>(size);
    return whole - whole % 2;
}

int origin(double normalizedOrigin, int frame, int size)
{
    const double position = std::clamp(std::round(normalizedOrigin * frame), 0.0, static_cast<double>(frame));
    return std::max(std::min(static_cast<int>(position), frame - size), 0);
}
} // namespace

std::optional<PixelRect> BatchCrop::pixels(const QRectF& normalized, int width, int height)
{
    if (width <= 0 || height <= 0)
        return std::nullopt;
    // An odd crop makes the H.264 encoder fail, so a frame narrower than 2 pixels has no valid crop.
    if (width < 2 || height < 2)
        return std::nullopt;
    const QRectF r = normalized.normalized();
    if (!std::isfinite(r.x()) || !std::isfinite(r.y()) || !std::isfinite(r.width()) || !std::isfinite(r.height()))
        return std::nullopt;
    const int w = evenSize(r.width(), width);
    const int h = evenSize(r.height(), height);
    return PixelRect{origin(r.x(), width, w), origin(r.y(), height, h), w, h};
}

} // namespace karvo
