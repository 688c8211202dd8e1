// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayHost.h"

namespace karvo {

TrayHost::TrayHost(const QIcon& icon, QObject* parent) : QObject(parent), m_icon(icon)
{
    m_icon.setContextMenu(&m_menu);
    connect(&m_menu, &QMenu::aboutToShow, this, &TrayHost::rebuildMenu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger && m_onTrigger)
            m_onTrigger();
    });
}

bool TrayHost::isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayHost::setToolTip(const QString& text)
{
    m_icon.setToolTip(text);
}

void TrayHost::setOnTrigger(std::function<void()> onTrigger)
{
    m_onTrigger = std::move(onTrigger);
}

void TrayHost::setMenuBuilder(MenuBuilder builder)
{
    m_builder = std::move(builder);
    rebuildMenu();
}

void TrayHost::show()
{
    m_icon.show();
}

void TrayHost::rebuildMenu()
{
    m_menu.clear();
    if (m_builder)
        m_builder(m_menu);
}

} // namespace karvo
