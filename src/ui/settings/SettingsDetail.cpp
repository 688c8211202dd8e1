// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDetail.h"

#include "AboutSettingsTab.h"
#include "DefaultsSettingsTab.h"
#include "GeneralSettingsTab.h"
#include "IconTile.h"
#include "OutputSettingsTab.h"
#include "PrivacySettingsTab.h"
#include "SettingsSection.h"
#include "Typography.h"

#include <QLabel>
#include <QVBoxLayout>

namespace karvo {

namespace {

QWidget* contentFor(SettingsPage page, const SettingsContext& context, QWidget* parent)
{
    switch (page) {
    case SettingsPage::general:
        return new GeneralSettingsTab(context.languages, context.appearance, context.quickDrag, context.onReplayDemo,
                                      parent);
    case SettingsPage::defaults:
        return new DefaultsSettingsTab(parent);
    case SettingsPage::output:
        return new OutputSettingsTab(context.chooseFolder, parent);
    case SettingsPage::privacy:
        return new PrivacySettingsTab(parent);
    case SettingsPage::about:
        return new AboutSettingsTab(context.version, context.buildId, parent);
    }
    return new QWidget(parent);
}

} // namespace

SettingsDetail::SettingsDetail(SettingsPage page, const SettingsContext& context, QWidget* parent)
    : QWidget(parent), m_page(page)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // About brings its own heading.
    if (page != SettingsPage::about) {
        auto* header = new QVBoxLayout;
        header->setContentsMargins(20, 18, 20, 18);
        header->setSpacing(7);
        header->addWidget(new IconTile(SettingsPages::symbol(page),
                                       SystemColors::color(SettingsPages::tint(page), palette()), 54, this),
                          0, Qt::AlignHCenter);
        auto* title = new QLabel(SettingsPages::title(page), this);
        title->setFont(Typography::font(20, QFont::Bold));
        title->setAlignment(Qt::AlignHCenter);
        title->setAccessibleName(SettingsPages::title(page));
        header->addWidget(title);
        auto* subtitle = new QLabel(SettingsPages::subtitle(page), this);
        subtitle->setFont(Typography::font(12));
        subtitle->setAlignment(Qt::AlignHCenter);
        subtitle->setWordWrap(true);
        SettingsSection::setTextColor(subtitle, Typography::secondaryText(palette()));
        header->addWidget(subtitle);
        column->addLayout(header);
    }
    m_content = contentFor(page, context, this);
    column->addWidget(m_content, 1);
}

} // namespace karvo
