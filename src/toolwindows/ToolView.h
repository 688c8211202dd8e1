// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace karvo {

class ToolScaffold;

// A tool's view: it holds the tool's parameters and draws itself inside a ToolScaffold.
class PlayerView;

class ToolView : public QWidget {
public:
    ToolScaffold* scaffold() const { return m_scaffold; }

protected:
    explicit ToolView(QWidget* parent = nullptr);
    // The video tools' preview panel: full width, `height` high, showing `source` paused (none: set later).
    static PlayerView* previewPanel(int height, const QString& source = {});
    // Puts the scaffold, built by the tool once its parts exist, into the view.
    void setScaffold(ToolScaffold* scaffold);

private:
    ToolScaffold* m_scaffold = nullptr;
};

} // namespace karvo
