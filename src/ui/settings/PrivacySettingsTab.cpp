// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivacySettingsTab.h"

#include "Localization.h"
#include "SettingsSection.h"
#include "SymbolIcons.h"
#include "Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace karvo {

PrivacySettingsTab::PrivacySettingsTab(QWidget* parent) : QWidget(parent)
{
    QVBoxLayout* column = SettingsSection::formColumn(this);
    auto* section = new SettingsSection(L("Privacy"), this);
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* icon = new QLabel(this);
    icon->setPixmap(
        SymbolIcons::pixmap(QStringLiteral("lock.shield"), 16, Typography::accent(palette()), devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* text = new QLabel(L("Karvo processes files entirely on your computer — nothing is uploaded."), this);
    text->setFont(Typography::font(13));
    text->setWordWrap(true);
    row->addWidget(text, 1);
    section->addRow(row);
    column->addWidget(section);
    column->addStretch(1);
}

} // namespace karvo
