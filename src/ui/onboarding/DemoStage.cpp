// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoStage.h"

#include "DemoFrame.h"

#include <QLineF>
#include <QTransform>
#include <cmath>

namespace karvo {

namespace {
QRectF ringBounds()
{
    const QPointF centre = DemoStage::ringCentre();
    const double r = DemoStage::ringOuterRadius;
    return {centre.x() - r, centre.y() - r, 2 * r, 2 * r};
}

// Turns stage points about the ring's centre by `radians`, clockwise on screen.
QTransform turnAboutCentre(double radians)
{
    const QPointF centre = DemoStage::ringCentre();
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotateRadians(radians);
    turn.translate(-centre.x(), -centre.y());
    return turn;
}
} // namespace

QPointF DemoStage::gridCell(int column, int row)
{
    // Spaced so that the featured cell lies exactly under the file the Quick Drag pointer picks up; the
    // manual scene's pointer grabs the same tile a little further left.
    return {152.0 + 60.0 * column, 112.0 + 69.0 * row};
}

QPointF DemoStage::ringCentre()
{
    return (DemoFrame::firstAim() + DemoFrame::secondAim()) / 2;
}

double DemoStage::ringRotation()
{
    // Wedge 0 faces the first aim and wedge 3, opposite, the second.
    const QPointF towardFirst = DemoFrame::firstAim() - DemoFrame::secondAim();
    return std::atan2(towardFirst.x(), -towardFirst.y());
}

WedgeShape DemoStage::wedge(int index)
{
    return {index, DemoFrame::wedgeCount, ringGap, ringInnerRadius, ringOuterRadius};
}

QPainterPath DemoStage::unturnedWedgePath(int index)
{
    return wedge(index).path(ringBounds());
}

QPointF DemoStage::wedgeAnchor(int index)
{
    const double angle = wedge(index).midAngle() + ringRotation();
    const double radius = (ringInnerRadius + ringOuterRadius) / 2;
    return ringCentre() + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

std::optional<int> DemoStage::wedgeAt(const QPointF& stagePoint)
{
    const QPointF unturned = turnAboutCentre(-ringRotation()).map(stagePoint);
    for (int i = 0; i < DemoFrame::wedgeCount; ++i) {
        if (unturnedWedgePath(i).contains(unturned))
            return i;
    }
    return std::nullopt;
}

} // namespace karvo
