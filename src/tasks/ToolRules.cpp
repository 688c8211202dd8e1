// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolRules.h"

#include "BatchCrop.h"
#include "SettingsDefaults.h"

#include <algorithm>
#include <cmath>

namespace karvo {

ToolParameters ToolParameters::fromDefaults(const QList<ToolFile>& files)
{
    ToolParameters p;
    const double firstDuration = (!files.isEmpty() && files.first().info) ? files.first().info->duration : 0;
    p.trimStart = 0;
    p.trimEnd = firstDuration > 0 ? firstDuration : 0;
    p.speedFactor = SettingsDefaults::speedMultiplier();
    p.splitSeconds = std::min(std::max(firstDuration, 1.0), static_cast<double>(SettingsDefaults::splitDuration()));
    p.snapshotTime = 0;
    p.compressPreset = SettingsDefaults::videoCompressPreset();
    p.imageQuality = SettingsDefaults::imageCompressQuality();
    p.resizeEdge = SettingsDefaults::imageResizeMaxEdge();
    return p;
}

QList<int> ToolRules::compressCrfs()
{
    return {23, 28, 33};
}

QList<int> ToolRules::resizeEdges()
{
    return {3840, 1920, 1280, 800};
}

QList<double> ToolRules::speedPresets()
{
    return {0.5, 1.0, 1.5, 2.0, 4.0};
}

std::optional<ConversionOp> ToolRules::trim(const ToolFile& file, double start, double end)
{
    const double duration = file.info ? file.info->duration : 0;
    if (duration <= 0 || start >= duration)
        return std::nullopt;
    const double s = std::max(start, 0.0);
    const double e = std::min(end, duration);
    if (s < e)
        return ConversionOp::trim(s, e);
    return std::nullopt;
}

std::optional<ConversionOp> ToolRules::snapshot(const ToolFile& file, double time)
{
    const double duration = file.info ? file.info->duration : 0;
    if (duration > 0)
        return ConversionOp::snapshot(std::min(std::max(time, 0.0), duration));
    return std::nullopt;
}

std::optional<ConversionOp> ToolRules::crop(const ToolFile& file, const QRectF& normalized)
{
    const int width = file.info ? file.info->width : 0;
    const int height = file.info ? file.info->height : 0;
    const QRectF r = normalized.normalized();
    if (!std::isfinite(r.x()) || !std::isfinite(r.y()) || !std::isfinite(r.width()) || !std::isfinite(r.height()))
        return std::nullopt;
    // Outside the picture nothing is left to keep; the pixel rounding would otherwise turn such a
    // rectangle into a crop of the whole frame.
    const QRectF inside = r.intersected(QRectF(0, 0, 1, 1));
    if (inside.width() <= 0 || inside.height() <= 0)
        return std::nullopt;
    const auto pixels = BatchCrop::pixels(inside, width, height);
    if (!pixels)
        return std::nullopt;
    return ConversionOp::crop(pixels->x, pixels->y, pixels->w, pixels->h);
}

std::optional<ConversionOp> ToolRules::operation(ToolKind kind, const ToolParameters& p, const ToolFile& file)
{
    switch (kind) {
    case ToolKind::compressVideo:
        return ConversionOp::compress(compressCrfs().value(std::clamp(p.compressPreset, 0, 2)));
    case ToolKind::compressImage:
        if (!std::isfinite(p.imageQuality))
            return std::nullopt;
        return ConversionOp::compressImage(std::clamp(p.imageQuality, minImageQuality, maxImageQuality));
    case ToolKind::resizeImage:
        return ConversionOp::resizeImage(p.resizeEdge);
    case ToolKind::trim:
        return trim(file, p.trimStart, p.trimEnd);
    case ToolKind::crop:
        return crop(file, p.cropRect);
    case ToolKind::speed:
        if (!std::isfinite(p.speedFactor))
            return std::nullopt;
        return ConversionOp::speed(std::clamp(p.speedFactor, minSpeed, maxSpeed));
    case ToolKind::snapshot:
        return snapshot(file, p.snapshotTime);
    case ToolKind::split:
        // Shorter parts than the window offers would make a part per frame, or millions of them.
        if (!(p.splitSeconds >= minSplitSeconds))
            return std::nullopt;
        return ConversionOp::split(p.splitSeconds);
    }
    return std::nullopt;
}

} // namespace karvo
