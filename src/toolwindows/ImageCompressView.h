// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"

class QLabel;
class QSlider;

namespace karvo {

class ImagePreview;

// "Compress Image": one lossy quality for every file, under a preview of the first one.
class ImageCompressView : public ToolView {
public:
    ImageCompressView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);

    // The slider works in thousandths of the quality.
    static constexpr int sliderScale = 1000;
    // "75%": the quality in whole percent, halves rounded away from zero.
    static QString percentText(double quality);

    double quality() const { return m_parameters.imageQuality; }
    QSlider* slider() const { return m_slider; }
    QLabel* percentLabel() const { return m_percent; }
    ImagePreview* preview() const { return m_preview; }

private:
    void setQuality(double quality);

    ToolParameters m_parameters;
    ImagePreview* m_preview;
    QSlider* m_slider;
    QLabel* m_percent;
};

} // namespace karvo
