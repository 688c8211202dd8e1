// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <optional>

namespace karvo {

// The progress panel's size and place. All rectangles are the panel's own (its rounded background),
// in Qt's screen coordinates (y grows downward). `available` is a screen's available area; none when
// the program has no screen at all.
struct PanelGeometry {
    static constexpr int kWidth = 420;
    static constexpr int kTopInset = 12;
    static constexpr int kBottomInset = 14;
    static constexpr int kSideInset = 14;
    static constexpr int kHeaderSpacing = 10;
    static constexpr int kHeaderLeading = 18;
    static constexpr int kHeaderTrailing = 16;
    static constexpr int kCornerRadius = 18;
    static constexpr int kRightMargin = 40; // from the available area's right edge
    static constexpr int kTopMargin = 60;   // from the available area's top edge
    static constexpr int kHeightLimit = 600;
    static constexpr int kScreenReserve = 100;

    static int maxHeight(const std::optional<QRect>& available);
    // Header, insets and cards, capped at `maxHeight` (the cards scroll beyond it).
    static int desiredHeight(int headerHeight, int stackHeight, int maxHeight);
    // Where a panel appearing with `height` goes: the top-right corner of the main screen's area.
    static QRect cornerFrame(const QRect& available, int height);
    // A visible panel whose content changed: the top edge stays and the panel is kept inside its
    // screen's area (when it has one). None when the height is within a point of the current one.
    static std::optional<QRect> resizedFrame(const QRect& current, int desiredHeight,
                                             const std::optional<QRect>& available);
};

} // namespace karvo
