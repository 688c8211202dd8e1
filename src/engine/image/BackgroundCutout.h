// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CancelCheck.h"
#include "ImageIOFailure.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// The OpenCV and libvips side of BackgroundRemover, inside the image module.
class BackgroundCutout {
public:
    // As BackgroundRemover::removeBackground, with the model taken from the first usable one in `modelFolders`.
    static std::optional<ImageIOError> remove(const QString& input, const QString& outputPng,
                                              const QStringList& modelFolders, const CancelCheck& isCancelled);
    // Whether OpenCV loads a model from those folders.
    static bool hasUsableModel(const QStringList& modelFolders);
};

} // namespace karvo
