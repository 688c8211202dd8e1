// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WedgeShape.h"

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace karvo {

// Where things stand on the 600 × 360 demonstration stage. The places the pointer visits come from the
// scenes' timelines; the windows and the ring are laid out around them.
class DemoStage {
public:
    static constexpr QSizeF size{600, 360};

    static QRectF fileManagerWindow() { return {24, 56, 330, 236}; }
    static QRectF karvoWindow() { return {372, 56, 208, 236}; }
    static constexpr double titleBarHeight = 26;
    static constexpr double sidebarWidth = 92;
    static QRectF dropZone() { return {386, 94, 180, 184}; }

    // The grid of dummy files; the featured one ("Trip.mp4") is where both scenes grab it.
    static constexpr int gridColumns = 4;
    static constexpr int gridRows = 3;
    static constexpr int featuredColumn = 1;
    static constexpr int featuredRow = 1;
    static QPointF gridCell(int column, int row);

    // The ring opens around the dragged file, turned so that each point the pointer aims at lies in the
    // middle of the wedge it highlights.
    static QPointF ringCentre();
    static double ringRotation(); // radians, clockwise on screen
    static constexpr double ringOuterRadius = 72;
    static constexpr double ringInnerRadius = 26;
    static constexpr double ringGap = 0.07;
    static WedgeShape wedge(int index);
    // The wedge's outline on the stage, before the ring is turned (turn it by ringRotation about the centre).
    static QPainterPath unturnedWedgePath(int index);
    // Middle of a wedge's band, on the stage, turned.
    static QPointF wedgeAnchor(int index);
    static std::optional<int> wedgeAt(const QPointF& stagePoint);

    static QRectF shiftKey() { return {26, 306, 80, 30}; }
    static constexpr double captionLeft = 24;
    static constexpr double captionTop = 14;
    static constexpr double captionHeight = 28;
    static QRectF progressCapsule() { return {386, 12, 194, 36}; }
};

} // namespace karvo
