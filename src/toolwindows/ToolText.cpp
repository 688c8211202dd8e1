// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolText.h"

#include "Typography.h"

#include <QLabel>

namespace karvo {

void ToolText::caption(QLabel* label)
{
    label->setFont(Typography::font(10));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Typography::secondaryText(palette));
    label->setPalette(palette);
}

void ToolText::headline(QLabel* label)
{
    label->setFont(Typography::font(13, QFont::DemiBold));
}

} // namespace karvo
