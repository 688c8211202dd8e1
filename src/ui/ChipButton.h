// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

class QVariantAnimation;

namespace karvo {

// A rounded chip of a symbol and a short title: the action picker's and the features catalogue's
// buttons. Hover tints it with the accent colour, a press shrinks it a little.
class ChipButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Width {
        fit, // as wide as its content
        cell // fills its grid cell, content leading-aligned
    };

    ChipButton(const QString& symbol, const QString& title, Width width, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    qreal hoverLevel() const { return m_hover; }
    // The title as painted: elided only when the chip was given less room than it asked for.
    QString shownTitle() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QFont titleFont() const;
    QRect textRect() const;
    int glyphSize() const;
    void animate(QVariantAnimation* animation, qreal& value, qreal target, int milliseconds);

    QString m_symbol;
    Width m_width;
    qreal m_hover = 0;
    qreal m_press = 0;
    QVariantAnimation* m_hoverAnimation = nullptr;
    QVariantAnimation* m_pressAnimation = nullptr;
};

} // namespace karvo
