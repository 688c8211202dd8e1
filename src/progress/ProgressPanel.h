// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>
#include <optional>

class QLabel;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace karvo {

// The floating window of the progress display: a header with the title and the clear button above a
// scrolling column of cards. It floats above normal windows on every workspace, never takes focus,
// and is moved by dragging its background. Where a compositor runs it is rounded and slightly
// translucent with a shadow; elsewhere the same rounded shape is opaque and cut out with a mask.
class ProgressPanel : public QWidget {
    Q_OBJECT

public:
    explicit ProgressPanel(bool translucent, QWidget* parent = nullptr);

    bool isTranslucent() const { return m_translucent; }
    // The rounded panel itself, in screen coordinates; the window around it also holds the shadow.
    QRect panelRect() const;
    void setPanelRect(const QRect& rect);
    // The window rectangle that puts the panel at `rect`.
    QRect windowRectFor(const QRect& rect) const;

    QLabel* headerLabel() const { return m_headerLabel; }
    QToolButton* clearButton() const { return m_clearButton; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    QWidget* stack() const { return m_stack; }
    // Appends a card below the others.
    void appendCard(QWidget* card);
    void removeCard(QWidget* card);

    int headerHeight() const;
    int stackHeight() const;

signals:
    void clearClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateMask();

    const bool m_translucent;
    const int m_shadow; // room around the panel for its shadow
    QWidget* m_header;
    QLabel* m_headerLabel;
    QToolButton* m_clearButton;
    QScrollArea* m_scrollArea;
    QWidget* m_stack;
    QVBoxLayout* m_stackLayout;
    std::optional<QPoint> m_manualDrag; // where a move without the window manager's help began
};

} // namespace karvo
