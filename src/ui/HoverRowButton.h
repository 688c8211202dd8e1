// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

class QHBoxLayout;

namespace karvo {

// A flat row button: its content is ordinary child widgets in `row()`, on a rounded background that
// appears on hover and deepens on press; while pressed the content is drawn in the accent colour.
class HoverRowButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit HoverRowButton(QWidget* parent = nullptr);

    QHBoxLayout* row() const { return m_row; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool isHovering() const { return m_hovering; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyForeground();

    QHBoxLayout* m_row = nullptr;
    bool m_hovering = false;
};

// A keyboard key as drawn in Karvo's hints: the key's name on a small rounded cap.
class KeyCap : public QWidget {
public:
    explicit KeyCap(const QString& key, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_key;
};

} // namespace karvo
