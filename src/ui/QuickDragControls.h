// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QWidget>

class QLabel;
class QPushButton;
class QVariantAnimation;

namespace karvo {

class QuickDragController;

// An on/off switch drawn as a sliding knob; a check box underneath, so assistive technology reads it
// as one and can toggle it.
class SwitchButton : public QCheckBox {
    Q_OBJECT

public:
    explicit SwitchButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    void slideTo(bool on);

    qreal m_position = 0;
    QVariantAnimation* m_slide = nullptr;
};

// The Quick Drag switch row: the switch, the current state's summary and, after a failed start,
// "Try Again". Follows the controller wherever the preference was changed.
class QuickDragControls : public QWidget {
    Q_OBJECT

public:
    explicit QuickDragControls(QuickDragController& controller, QWidget* parent = nullptr);

    SwitchButton* switchButton() const { return m_switch; }
    QPushButton* tryAgainButton() const { return m_tryAgain; }
    QString summaryText() const;

private:
    void refresh();

    QuickDragController& m_controller;
    SwitchButton* m_switch = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_tryAgain = nullptr;
};

} // namespace karvo
