// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

namespace karvo {

// Karvo's icon in the desktop's tray. A left click runs the trigger callback; the context menu is filled
// afresh by the menu builder each time it is about to open, so its texts and state are always current.
// Where no tray host runs the icon simply does not appear and nothing else changes. The tray icon itself is made
// by show() (Qt looks for the desktop's tray over D-Bus as it makes one), the menu when first needed.
class TrayHost : public QObject {
    Q_OBJECT

public:
    using MenuBuilder = std::function<void(QMenu& menu)>;

    TrayHost(const QIcon& icon, QObject* parent = nullptr);

    static bool isAvailable();

    void setToolTip(const QString& text);
    void setOnTrigger(std::function<void()> onTrigger);
    void setMenuBuilder(MenuBuilder builder);
    void show();

    // Empties the menu and lets the builder fill it; run whenever the menu is about to show.
    void rebuildMenu();
    QMenu& menu();
    bool isVisible() const { return m_icon && m_icon->isVisible(); }

private:
    QIcon m_image;
    QString m_toolTip;
    std::function<void()> m_onTrigger;
    MenuBuilder m_builder;
    std::unique_ptr<QMenu> m_menu; // outlives the tray icon that shows it
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace karvo
