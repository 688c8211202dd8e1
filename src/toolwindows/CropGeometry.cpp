// SPDX-License-Identifier: GPL-3.0-or-later
#include "CropGeometry.h"

#include "Localization.h"

#include <algorithm>
#include <cmath>

namespace karvo {

namespace {
bool finite(const QPointF& p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// One side of the readout: rounded halves away from zero, then even and at least 2, as the crop
// operation needs.
int evenSide(double size)
{
    const double n = std::round(size);
    if (!(n >= 2))
        return 2;
    const double capped = std::min(n, 1e9);
    const int whole = static_cast<int>(capped);
    return whole - whole % 2;
}
} // namespace

QList<CropAspect> CropGeometry::aspects()
{
    return {{KV_TRANSLATE_NOOP("Freeform"), std::nullopt, true},
            {"16:9", 16.0 / 9.0},
            {"9:16", 0.5625},
            {"1:1", 1.0},
            {"4:3", 4.0 / 3.0},
            {"3:4", 0.75}};
}

QSizeF CropGeometry::pictureSize(const std::optional<MediaInfo>& info)
{
    if (!info)
        return {16, 9};
    return {static_cast<double>(std::max(info->width, 1)), static_cast<double>(std::max(info->height, 1))};
}

QRectF CropGeometry::pictureFrame(const QSizeF& stage, double aspect)
{
    const double a = std::isfinite(aspect) && aspect > 0 ? aspect : 16.0 / 9.0;
    const double sw = std::max(stage.width(), 0.0);
    const double sh = std::max(stage.height(), 0.0);
    QSizeF drawn;
    if (sw / std::max(sh, 1.0) > a)
        drawn = {sh * a, sh};
    else
        drawn = {sw, sw / a};
    return {(sw - drawn.width()) / 2, (sh - drawn.height()) / 2, drawn.width(), drawn.height()};
}

QRectF CropGeometry::move(const QRectF& s, const QPointF& delta)
{
    if (!finite(delta))
        return s;
    const double x = std::min(1 - s.width(), std::max(0.0, s.x() + delta.x()));
    const double y = std::min(1 - s.height(), std::max(0.0, s.y() + delta.y()));
    return {x, y, s.width(), s.height()};
}

QRectF CropGeometry::dragCorner(const QRectF& s, CropCorner corner, const QPointF& delta, std::optional<double> aspect,
                                double videoAspect)
{
    if (!finite(delta))
        return s;
    const double dx = delta.x();
    const double dy = delta.y();
    const bool left = corner == CropCorner::topLeft || corner == CropCorner::bottomLeft;
    const bool top = corner == CropCorner::topLeft || corner == CropCorner::topRight;
    const double minX = s.x();
    const double maxX = s.x() + s.width();
    const double minY = s.y();
    const double maxY = s.y() + s.height();

    // The opposite sides stay where they are; the room is what lies between them and the picture's edge.
    const double anchorX = left ? maxX : minX;
    const double roomX = left ? maxX : 1 - minX;
    const double w0 = s.width() + (left ? -dx : dx);
    const double anchorY = top ? maxY : minY;
    const double roomY = top ? maxY : 1 - minY;
    const double h0 = s.height() + (top ? -dy : dy);

    double width = 0;
    double height = 0;
    if (!aspect || !(*aspect > 0) || !(videoAspect > 0)) {
        width = std::min(roomX, std::max(w0, minSize));
        height = std::min(roomY, std::max(h0, minSize));
    } else {
        const double r = *aspect / videoAspect; // the ratio in fractions of the picture
        const double largest = std::min(r * roomY, roomX);
        const double smallest = std::min(std::max(r * minSize, minSize), largest);
        const double candidate = std::abs(dy * r) <= std::abs(dx) ? w0 : r * h0;
        width = std::min(largest, std::max(candidate, smallest));
        height = width / r;
    }
    const double x = left ? anchorX - width : anchorX;
    const double y = top ? anchorY - height : anchorY;
    return {x, y, width, height};
}

QRectF CropGeometry::withWidth(const QRectF& c, double v, std::optional<double> aspect, const QSizeF& picture)
{
    if (!std::isfinite(v))
        return c;
    v = std::clamp(v, minSize, 1.0);
    double height = c.height();
    if (aspect && *aspect > 0) {
        const double ratio = picture.width() / picture.height(); // Wv / Hv
        v = std::min(v, *aspect / ratio);                        // the widest crop whose height still fits
        height = v * ratio / *aspect;
    }
    const double cx = c.x() + c.width() / 2;
    const double x = std::min(1 - v, std::max(0.0, cx - v / 2));
    const double y = std::min(1 - height, std::max(0.0, c.y()));
    return {x, y, v, height};
}

QRectF CropGeometry::withHeight(const QRectF& c, double v)
{
    if (!std::isfinite(v))
        return c;
    v = std::clamp(v, minSize, 1.0);
    const double cy = c.y() + c.height() / 2;
    const double y = std::min(1 - v, std::max(0.0, cy - v / 2));
    return {c.x(), y, c.width(), v};
}

QRectF CropGeometry::withAspect(const QRectF& c, double aspect, const QSizeF& picture)
{
    if (!(aspect > 0) || !std::isfinite(aspect) || c.height() <= 0)
        return c;
    const double wv = picture.width();
    const double hv = picture.height();
    const double current = (c.width() * wv) / (c.height() * hv);
    if (aspect < current) {
        const double width = aspect * c.height() * hv / wv;
        return {c.x() + (c.width() - width) / 2, c.y(), width, c.height()};
    }
    const double height = c.width() * wv / (aspect * hv);
    return {c.x(), c.y() + (c.height() - height) / 2, c.width(), height};
}

QSize CropGeometry::readout(const QRectF& crop, const QSizeF& picture)
{
    return {evenSide(crop.width() * picture.width()), evenSide(crop.height() * picture.height())};
}

QRectF CropGeometry::onFrame(const QRectF& crop, const QRectF& frame)
{
    return {frame.x() + crop.x() * frame.width(), frame.y() + crop.y() * frame.height(), crop.width() * frame.width(),
            crop.height() * frame.height()};
}

QPointF CropGeometry::normalizedDelta(const QPointF& translation, const QSizeF& frame)
{
    if (frame.width() <= 0 || frame.height() <= 0)
        return {0, 0};
    return {translation.x() / frame.width(), translation.y() / frame.height()};
}

QPointF CropGeometry::cornerPoint(const QRectF& r, CropCorner corner)
{
    switch (corner) {
    case CropCorner::topLeft:
        return {r.x(), r.y()};
    case CropCorner::topRight:
        return {r.x() + r.width(), r.y()};
    case CropCorner::bottomLeft:
        return {r.x(), r.y() + r.height()};
    case CropCorner::bottomRight:
        return {r.x() + r.width(), r.y() + r.height()};
    }
    return {};
}

CropGrip CropGeometry::grab(const QPointF& point, const QRectF& crop)
{
    // Handles are drawn in this order, so the later one lies on top.
    for (CropCorner corner :
         {CropCorner::bottomRight, CropCorner::bottomLeft, CropCorner::topRight, CropCorner::topLeft}) {
        const QPointF d = point - cornerPoint(crop, corner);
        if (std::hypot(d.x(), d.y()) <= grabRadius)
            return {CropGrip::Kind::corner, corner};
    }
    if (crop.contains(point))
        return {CropGrip::Kind::move};
    return {};
}

QRectF CropGeometry::blend(const QRectF& from, const QRectF& to, double progress)
{
    const double t = std::clamp(progress, 0.0, 1.0);
    const auto mix = [t](double a, double b) {
        return a + (b - a) * t;
    };
    return {mix(from.x(), to.x()), mix(from.y(), to.y()), mix(from.width(), to.width()),
            mix(from.height(), to.height())};
}

} // namespace karvo
