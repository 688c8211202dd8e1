// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayHost.h"

namespace karvo {

TrayHost::TrayHost(const QIcon& icon, QObject* parent) : QObject(parent), m_image(icon) {}

bool TrayHost::isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayHost::setToolTip(const QString& text)
{
    m_toolTip = text;
    if (m_icon)
        m_icon->setToolTip(text);
}

void TrayHost::setOnTrigger(std::function<void()> onTrigger)
{
    m_onTrigger = std::move(onTrigger);
}

void TrayHost::setMenuBuilder(MenuBuilder builder)
{
    m_builder = std::move(builder);
    if (m_menu)
        rebuildMenu();
}

void TrayHost::show()
{
    if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>(m_image);
        m_icon->setToolTip(m_toolTip);
        m_icon->setContextMenu(&menu());
        connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger && m_onTrigger)
                m_onTrigger();
        });
    }
    m_icon->show();
}

QMenu& TrayHost::menu()
{
    if (!m_menu) {
        m_menu = std::make_unique<QMenu>();
        connect(m_menu.get(), &QMenu::aboutToShow, this, &TrayHost::rebuildMenu);
        rebuildMenu();
    }
    return *m_menu;
}

void TrayHost::rebuildMenu()
{
    if (!m_menu) {
        menu(); // made and filled
        return;
    }
    m_menu->clear();
    if (m_builder)
        m_builder(*m_menu);
}

} // namespace karvo
