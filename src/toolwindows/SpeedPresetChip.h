// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

class QVariantAnimation;

namespace karvo {

// One preset factor of the speed window: a small capsule titled "2×", filled with the accent colour while
// it is the chosen factor and tinted with it otherwise, a little more under the pointer. Screen readers
// hear it as a checked button while it is selected.
class SpeedPresetChip : public QAbstractButton {
    Q_OBJECT

public:
    explicit SpeedPresetChip(double value, QWidget* parent = nullptr);

    // The shortest form of the factor: 0.5×, 1×, 1.5×, 2×, 4×.
    static QString title(double value);

    double value() const { return m_value; }
    bool isSelected() const { return isChecked(); }
    void setSelected(bool selected);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Where the selection and hover tints are on their way, 0 to 1.
    qreal selectionLevel() const { return m_selection; }
    qreal hoverLevel() const { return m_hover; }

    static constexpr int animationMs = 120;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Selection follows the window's factor only; a click asks for the factor and does not toggle.
    void nextCheckState() override {}

private:
    void animate(QVariantAnimation* animation, qreal& level, qreal target);

    double m_value;
    qreal m_selection = 0;
    qreal m_hover = 0;
    QVariantAnimation* m_selectionAnimation;
    QVariantAnimation* m_hoverAnimation;
};

} // namespace karvo
