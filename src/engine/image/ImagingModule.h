// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ImageIOEngine.h"
#include "ImageIOFailure.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// What the image module does: the work that needs libvips and OpenCV. Those libraries and the hundred
// libraries they bring take longer to load than Karvo's whole window takes to appear, so the programs load
// them with the module, the first time a picture is read or written, not at start-up.
struct ImagingFunctions {
    std::optional<ImageIOError> (*write)(const QString& input, const QString& output,
                                         const ImageWriteParameters& params, const CancelCheck& isCancelled);
    bool (*canEncodeHeic)();
    std::optional<ImageIOError> (*removeBackground)(const QString& input, const QString& outputPng,
                                                    const QStringList& modelFolders, const CancelCheck& isCancelled);
    bool (*hasUsableModel)(const QStringList& modelFolders);
    // QImage (*)(const QString& path, const QSize& box): the picture upright, in sRGB, shrunk to fit `box`
    // while decoding; a null image when it cannot be read. Typed by the caller, which may use Qt Gui.
    void (*previewLoader)();
};

class ImagingModule {
public:
    // The module's functions, loaded on first use from beside the program (…/lib/karvo) or from the build
    // tree; none when it cannot be loaded (then loadError() says why). Safe from any thread.
    static const ImagingFunctions* functions();
    static QString loadError();
    // For programs that link the image code themselves (its tests and benchmarks): use these functions
    // instead of loading the module. Call before the first use.
    static void install(const ImagingFunctions* linked);
    // Where the module is looked for, in order.
    static QStringList candidatePaths();
};

} // namespace karvo
