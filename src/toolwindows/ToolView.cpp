// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolView.h"

#include "PlayerView.h"
#include "ToolScaffold.h"

#include <QVBoxLayout>

namespace karvo {

ToolView::ToolView(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

PlayerView* ToolView::previewPanel(int height, const QString& source)
{
    auto* preview = new PlayerView;
    preview->setFixedHeight(height);
    preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (!source.isEmpty())
        preview->setSource(source);
    return preview;
}

void ToolView::setScaffold(ToolScaffold* scaffold)
{
    m_scaffold = scaffold;
    layout()->addWidget(scaffold);
}

} // namespace karvo
