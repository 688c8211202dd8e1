// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace karvo {

// A salient-object segmentation model on disk: one `.onnx` file taking 1 x 3 x H x W RGB and giving a mask,
// with an optional sidecar `<name>.json` describing its preprocessing:
//   {"inputSize": [W, H] (or N, or {"width": W, "height": H}), "mean": [r, g, b], "std": [r, g, b]}
// Without a sidecar the input size is the one the model declares (320 x 320 when it declares none) and the
// normalisation is ImageNet's, as the U²-Net family expects: (value / 255 - mean) / std per channel.
class SegmentationModel {
public:
    // The first usable model: folders in order, `.onnx` files by name within a folder. A model is usable when
    // OpenCV loads it and its sidecar, if any, is valid. Results are remembered per file until it changes.
    static std::optional<SegmentationModel> find(const QStringList& folders);
    // The model at `path`, or none when it is not usable.
    static std::optional<SegmentationModel> load(const QString& path);

    QString path() const { return m_path; }
    QSize inputSize() const { return m_inputSize; }
    const std::array<double, 3>& mean() const { return m_mean; }
    const std::array<double, 3>& deviation() const { return m_std; }

private:
    QString m_path;
    QSize m_inputSize{320, 320};
    std::array<double, 3> m_mean{0.485, 0.456, 0.406};
    std::array<double, 3> m_std{0.229, 0.224, 0.225};
};

} // namespace karvo
