// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace karvo {

// A tool's own top-level window. Escape closes it without applying anything; Return applies when the
// tool's apply button is enabled. It reports its closing so the registry can let it go.
class ToolWindow : public QWidget {
    Q_OBJECT

public:
    explicit ToolWindow(QWidget* content);

    QWidget* content() const { return m_content; }

signals:
    void closed(QWidget* window);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_content;
};

} // namespace karvo
