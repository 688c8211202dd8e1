// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "ConversionOp.h"
#include "DropPlan.h"

#include <QList>
#include <QRectF>
#include <optional>

namespace karvo {

// The values a tool window collects once for a whole batch.
struct ToolParameters {
    double trimStart = 0;
    double trimEnd = 0;
    QRectF cropRect{0, 0, 1, 1}; // normalized, origin top-left
    double speedFactor = 2.0;
    double splitSeconds = 10;
    double snapshotTime = 0;
    int compressPreset = 1; // index into compressCrfs()
    double imageQuality = 0.75;
    int resizeEdge = 1920;

    // The values a tool window opens with: the stored defaults, and the first file's duration for trim
    // and split.
    static ToolParameters fromDefaults(const QList<ToolFile>& files);
};

// The per-file rules of the tool windows, without any widget, so the windows and karvo-cli share them.
// A file the settings do not fit gets no operation.
class ToolRules {
public:
    // The value ranges of the tool windows, the same as the stored defaults'.
    static constexpr double minSpeed = 0.25;
    static constexpr double maxSpeed = 4.0;
    static constexpr double minImageQuality = 0.4;
    static constexpr double maxImageQuality = 0.95;
    static constexpr double minSplitSeconds = 1.0;

    static QList<int> compressCrfs();    // 23, 28, 33
    static QList<int> resizeEdges();     // 3840, 1920, 1280, 800
    static QList<double> speedPresets(); // 0.5, 1, 1.5, 2, 4

    static std::optional<ConversionOp> operation(ToolKind kind, const ToolParameters& parameters, const ToolFile& file);

    static std::optional<ConversionOp> trim(const ToolFile& file, double start, double end);
    static std::optional<ConversionOp> snapshot(const ToolFile& file, double time);
    // The part of `normalized` that lies in the picture, in the file's own pixels; none when nothing of
    // it lies in the picture.
    static std::optional<ConversionOp> crop(const ToolFile& file, const QRectF& normalized);
};

} // namespace karvo
