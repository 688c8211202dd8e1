// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"

#include <QRectF>
#include <QSizeF>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

namespace karvo {

class CropOverlay;
class ParameterRow;
class PlayerView;

// "Crop Video": one rectangle, in fractions of the picture, for every file of the batch. It is drawn and
// dragged over the first file's picture, can be locked to an aspect ratio and set with width and height
// sliders; a small transport looks through the video meanwhile. Each file gets the rectangle in its own
// pixels on apply.
class CropView : public ToolView {
    Q_OBJECT

public:
    CropView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);
    ~CropView() override;

    static constexpr int stageHeight = 340;
    static constexpr int resetAnimationMs = 200;
    static constexpr int aspectAnimationMs = 180;

    // "1080 × 1080 px".
    static QString readoutText(const QSize& pixels);
    // The share of the picture truncated to a whole percent, "56%".
    static QString percentText(double fraction);

    QRectF cropRect() const { return m_parameters.cropRect; }
    std::optional<double> lockedAspect() const;
    int aspectIndex() const { return m_aspectIndex; }
    double scrub() const { return m_scrub; }
    double scrubEnd() const { return m_scrubEnd; }
    bool isPlaying() const { return m_isPlaying; }
    bool isScrubbing() const { return m_isScrubbing; }

    // The user's changes, as the controls make them.
    void setCropRect(const QRectF& rect, int animationMs = 0);
    void setAspectIndex(int index);
    void setCropWidth(double width);
    void setCropHeight(double height);
    void reset();
    void togglePlayback();

    PlayerView* player() const { return m_player; }
    CropOverlay* overlay() const { return m_overlay; }
    QComboBox* aspectPicker() const { return m_aspectPicker; }
    QLabel* readoutLabel() const { return m_readout; }
    QPushButton* resetButton() const { return m_reset; }
    ParameterRow* widthRow() const { return m_widthRow; }
    ParameterRow* heightRow() const { return m_heightRow; }
    QToolButton* playButton() const { return m_play; }
    QSlider* positionSlider() const { return m_position; }
    QLabel* positionLabel() const { return m_positionText; }
    QLabel* endLabel() const { return m_endText; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildControls();
    void rectChanged();
    void setScrub(double seconds);
    void setPlaying(bool playing);
    void scrubMoved(int position);

    ToolParameters m_parameters;
    QSizeF m_picture;  // the first file's picture size, 16 × 9 when unknown
    double m_scrubEnd; // the position slider's end: the first file's duration, at least 1 s
    int m_aspectIndex = 0;
    double m_scrub = 0;
    bool m_isPlaying = false;
    bool m_isScrubbing = false;
    bool m_following = false; // the position slider is being set from the player

    PlayerView* m_player;
    CropOverlay* m_overlay;
    QComboBox* m_aspectPicker = nullptr;
    QLabel* m_readout = nullptr;
    QPushButton* m_reset = nullptr;
    ParameterRow* m_widthRow = nullptr;
    ParameterRow* m_heightRow = nullptr;
    QToolButton* m_play = nullptr;
    QSlider* m_position = nullptr;
    QLabel* m_positionText = nullptr;
    QLabel* m_endText = nullptr;
};

} // namespace karvo
