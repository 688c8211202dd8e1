// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolView.h"

#include "ToolScaffold.h"

#include <QVBoxLayout>

namespace karvo {

ToolView::ToolView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void ToolView::setScaffold(ToolScaffold* scaffold)
{
    m_scaffold = scaffold;
    layout()->addWidget(scaffold);
}

} // namespace karvo
