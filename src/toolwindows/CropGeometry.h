// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MediaInfo.h"

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <optional>

namespace karvo {

enum class CropCorner { topLeft, topRight, bottomLeft, bottomRight };

// One entry of the crop tool's aspect menu.
struct CropAspect {
    const char* name;            // shown as it stands, except "Freeform", which goes through L
    std::optional<double> ratio; // width / height in pixels; none leaves the crop free
    bool localized = false;
};

// What a press on the preview takes hold of.
struct CropGrip {
    enum class Kind { none, move, corner };
    Kind kind = Kind::none;
    CropCorner corner = CropCorner::topLeft;
    bool operator==(const CropGrip&) const = default;
};

// The arithmetic of the crop tool, without widgets. The crop is a rectangle in fractions of the picture
// (origin top-left, y downwards), so one rectangle fits every file of a batch; every function here keeps
// it inside (0, 0)–(1, 1).
class CropGeometry {
public:
    static constexpr double minSize = 0.05;    // the smallest side a drag or a slider leaves
    static constexpr double handleSize = 14;   // diameter of the corner handles, in points
    static constexpr double grabRadius = 10;   // how near a handle's centre a press takes the handle
    static constexpr double dragDistance = 10; // a press becomes a drag after moving this far

    static QList<CropAspect> aspects();
    static QRectF full() { return {0, 0, 1, 1}; }

    // The first file's picture size for the tool's ratios and readout: at least 1 × 1, 16 × 9 without a probe.
    static QSizeF pictureSize(const std::optional<MediaInfo>& info);
    static double aspectOf(const QSizeF& picture) { return picture.width() / picture.height(); }
    // The picture of aspect `aspect` fitted into `stage` and centred.
    static QRectF pictureFrame(const QSizeF& stage, double aspect);

    // The crop dragged by its interior by `delta` (normalized), stopped at the picture's edges.
    static QRectF move(const QRectF& start, const QPointF& delta);
    // The crop resized by dragging `corner` by `delta` (normalized); the opposite corner stays put. With
    // a locked pixel ratio `aspect` the drag follows its dominant direction and keeps the ratio.
    static QRectF dragCorner(const QRectF& start, CropCorner corner, const QPointF& delta, std::optional<double> aspect,
                             double videoAspect);

    // The width field: the crop becomes `width` wide around its centre where the picture allows; with a
    // locked ratio the height follows, and the width stops where the height would no longer fit.
    static QRectF withWidth(const QRectF& current, double width, std::optional<double> aspect, const QSizeF& picture);
    // The height field (free crops only): `height` high around the centre where the picture allows.
    static QRectF withHeight(const QRectF& current, double height);
    // The largest rectangle of pixel ratio `aspect` inside `current`, centred on it.
    static QRectF withAspect(const QRectF& current, double aspect, const QSizeF& picture);

    // The first file's crop in pixels as the tool shows it: each side rounded, even, at least 2.
    static QSize readout(const QRectF& crop, const QSizeF& picture);

    // The crop in the coordinates `frame` (the picture on screen) lives in.
    static QRectF onFrame(const QRectF& crop, const QRectF& frame);
    // A translation on screen in fractions of the picture.
    static QPointF normalizedDelta(const QPointF& translation, const QSizeF& frame);
    static QPointF cornerPoint(const QRectF& rect, CropCorner corner);
    // The handle under `point`, else the interior, else nothing; `crop` in the same coordinates as `point`.
    // The last drawn handle wins where handles overlap.
    static CropGrip grab(const QPointF& point, const QRectF& crop);
    // Straight interpolation between two crops, for animating a change.
    static QRectF blend(const QRectF& from, const QRectF& to, double progress);
};

} // namespace karvo
