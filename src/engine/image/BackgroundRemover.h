// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ImageIOFailure.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// Cuts the subject of a photo out onto transparency with a salient-object segmentation model (see
// SegmentationModel) run by OpenCV's DNN module, and writes the result as PNG.
class BackgroundRemover {
public:
    // Where models are looked for, in order: the user's data folder (~/.local/share/Tessvane/models) and the
    // installation's (<prefix>/share/karvo/models, found relative to the executable).
    static QStringList modelFolders();
    // True when one of those folders holds a model OpenCV can load (this loads the image module).
    static bool isAvailable();
    // True when one of those folders holds a model file at all: cheap, for deciding what to offer. A file that
    // then turns out unusable makes the removal fail with cannotWrite.
    static bool seemsInstalled();

    // Reads the input upright, predicts the subject mask and writes a PNG of the full input size with the mask
    // as alpha and no metadata besides the colour profile. `outputPng` must not exist yet; nothing is left there
    // on failure. Fails with cannotWrite (format PNG) when no model is installed, with writeFailed when the
    // model finds no subject.
    static std::optional<ImageIOError> removeBackground(const QString& input, const QString& outputPng,
                                                        const CancelCheck& isCancelled);

    // Seam for tests: look for models in these folders instead; an empty list restores the default.
    static void setModelFoldersForTesting(const QStringList& folders);
};

} // namespace karvo
