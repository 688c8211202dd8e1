// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;

namespace karvo {

// The preview's own small transport, floating over the bottom of the picture: play/pause, a position
// slider and the time as "m:ss / m:ss". It shows and reports; PlayerView does the playing and seeking.
class PlayerControls : public QWidget {
    Q_OBJECT
public:
    explicit PlayerControls(QWidget* parent = nullptr);

    void setPlaying(bool playing);
    void setDuration(double seconds);
    // Ignored while the user holds the slider, so the knob stays under the pointer.
    void setPosition(double seconds);
    bool isScrubbing() const;

    QToolButton* playButton() const { return m_play; }
    QSlider* slider() const { return m_slider; }
    QString timeText() const;

    // "m:ss": whole seconds, minutes not folded into hours; "0:00" for negative or non-finite values.
    static QString clock(double seconds);

signals:
    void playToggled();
    // While the slider is dragged (a live seek), and when it is let go or moved by a click or a key
    // (a precise seek).
    void scrubbed(double seconds);
    void settled(double seconds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateTime();
    void updatePlayButton();

    QToolButton* m_play = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_time = nullptr;
    bool m_playing = false;
    bool m_moving = false; // the slider is being set from the player, not by the user
    double m_duration = 0;
};

} // namespace karvo
