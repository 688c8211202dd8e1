// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>

namespace karvo {

// Where the progress ring's track and arc go in a view of a given size. Angles are in QPainter's
// sixteenths of a degree: counter-clockwise positive, 0 at three o'clock.
struct RingGeometry {
    static constexpr double kLineWidth = 2.5;
    static constexpr double kTrackAlpha = 0.22;
    static constexpr double kMinimumVisible = 0.002;

    QRectF circle;       // the circle the track and the arc follow, centred in the view
    bool hasArc = false; // an arc is drawn over the track
    int startAngle = 0;  // top
    int spanAngle = 0;   // negative: clockwise

    static RingGeometry of(const QSizeF& size, double progress);
};

} // namespace karvo
