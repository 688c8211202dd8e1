// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindow.h"

#include "ToolScaffold.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace karvo {

ToolWindow::ToolWindow(QWidget* content) : QWidget(nullptr, Qt::Window), m_content(content)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
}

void ToolWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ToolScaffold* scaffold = findChild<ToolScaffold*>();
        if (scaffold && scaffold->applyButton()->isEnabled())
            scaffold->apply();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed(this);
}

} // namespace karvo
