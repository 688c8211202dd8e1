// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace karvo {

// The default values the tool windows open with. Each control shows the stored value, read through the
// settings defaults when the page is made, and stores a change at once, also while a slider is dragged.
class DefaultsSettingsTab : public QWidget {
public:
    // The sliders' integer positions: per mille for the image quality, quarters for the speed.
    static constexpr int qualityScale = 1000;
    static constexpr int speedScale = 4;

    explicit DefaultsSettingsTab(QWidget* parent = nullptr);

    QComboBox* videoPresetPicker() const { return m_videoPreset; }
    QSlider* qualitySlider() const { return m_quality; }
    QLabel* qualityValue() const { return m_qualityValue; }
    QComboBox* resizeEdgePicker() const { return m_resizeEdge; }
    QComboBox* rotateAnglePicker() const { return m_rotateAngle; }
    QSlider* speedSlider() const { return m_speed; }
    QLabel* speedValue() const { return m_speedValue; }
    QSpinBox* splitStepper() const { return m_split; }

    // The shown values: "75%", "2.00×".
    static QString qualityText(double quality);
    static QString speedText(double speed);

private:
    void showQuality(double quality);
    void showSpeed(double speed);

    QComboBox* m_videoPreset = nullptr;
    QSlider* m_quality = nullptr;
    QLabel* m_qualityValue = nullptr;
    QComboBox* m_resizeEdge = nullptr;
    QComboBox* m_rotateAngle = nullptr;
    QSlider* m_speed = nullptr;
    QLabel* m_speedValue = nullptr;
    QSpinBox* m_split = nullptr;
};

} // namespace karvo
