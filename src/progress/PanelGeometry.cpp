// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace karvo {

int PanelGeometry::maxHeight(const std::optional<QRect>& available)
{
    if (!available)
        return kHeightLimit;
    return std::max(0, std::min(available->height() - kScreenReserve, kHeightLimit));
}

int PanelGeometry::desiredHeight(int headerHeight, int stackHeight, int maxHeight)
{
    return std::min(headerHeight + kTopInset + kHeaderSpacing + stackHeight + kBottomInset, maxHeight);
}

QRect PanelGeometry::cornerFrame(const QRect& available, int height)
{
    const int x = available.x() + available.width() - kRightMargin - kWidth;
    return QRect(x, available.y() + kTopMargin, kWidth, height);
}

std::optional<QRect> PanelGeometry::resizedFrame(const QRect& current, int desiredHeight,
                                                 const std::optional<QRect>& available)
{
    if (std::abs(current.height() - desiredHeight) <= 1)
        return std::nullopt;
    QRect frame(current.x(), current.y(), current.width(), desiredHeight);
    if (available) {
        // std::max last, so an area smaller than the panel pins it to the area's left and top edges.
        const int maxX = available->x() + available->width() - frame.width();
        const int maxY = available->y() + available->height() - frame.height();
        frame.moveTo(std::max(available->x(), std::min(frame.x(), maxX)),
                     std::max(available->y(), std::min(frame.y(), maxY)));
    }
    return frame;
}

} // namespace karvo
