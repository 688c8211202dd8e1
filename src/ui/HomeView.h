// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QStackedWidget;

namespace karvo {

class ActionPicker;
class DropZone;

// The main window's content: a header with the tool status, the drop area (the drop zone, or the
// action picker while files are pending) and the footer. Only arranges; the window owns the behaviour.
class HomeView : public QWidget {
    Q_OBJECT

public:
    explicit HomeView(QWidget* parent = nullptr);

    DropZone* dropZone() const { return m_dropZone; }
    ActionPicker* picker() const { return m_picker; }

    void showPicker(bool picker);
    bool isShowingPicker() const;
    // Green "Ready" when ffmpeg and ffprobe were found, orange "Images only" otherwise.
    void setToolsFound(bool found);

private:
    DropZone* m_dropZone = nullptr;
    ActionPicker* m_picker = nullptr;
    QStackedWidget* m_dropArea = nullptr;
    QWidget* m_statusDot = nullptr;
    QLabel* m_statusText = nullptr;
    QWidget* m_status = nullptr;
};

} // namespace karvo
