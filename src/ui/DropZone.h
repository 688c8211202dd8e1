// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

namespace karvo {

// The dashed area inviting a drop, with the "Choose a file…" button. It only draws and reports the
// button; the window it sits in takes the drops and tells it when a drag hovers.
class DropZone : public QWidget {
    Q_OBJECT

public:
    explicit DropZone(QWidget* parent = nullptr);

    void setTargeted(bool targeted);
    bool isTargeted() const { return m_targeted; }
    // Quick Drag ready: the border steps back, as dragging onto the ring is the quicker way.
    void setQuickDragReady(bool ready);
    // More room while the shortcut demos are hidden.
    void setVerticalPadding(int padding);
    void setOnChooseFile(std::function<void()> onChooseFile) { m_onChooseFile = std::move(onChooseFile); }

    QPushButton* chooseButton() const { return m_choose; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_glyph = nullptr;
    QPushButton* m_choose = nullptr;
    bool m_targeted = false;
    bool m_quickDragReady = false;
    std::function<void()> m_onChooseFile;
};

} // namespace karvo
