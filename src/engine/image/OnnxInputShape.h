// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace karvo {

// OpenCV does not tell which input size an ONNX model declares, so the declaration is read from the file:
// the spatial size of the first graph input of rank 4 (N x C x H x W). Only the few protobuf fields on
// the way there are decoded; the weights are skipped without being read.
class OnnxInputShape {
public:
    // None when the file is not readable, not a model, or the size is dynamic.
    static std::optional<QSize> read(const QString& modelPath);
    // The same from bytes already in memory.
    static std::optional<QSize> parse(const unsigned char* data, qsizetype size);
};

} // namespace karvo
