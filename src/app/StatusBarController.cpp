// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusBarController.h"

#include "Localization.h"
#include "TrayHost.h"

#include <QAction>
#include <QMenu>

namespace karvo {

StatusBarController::StatusBarController(std::function<void()> onShowMainWindow, std::function<void()> onShowSettings,
                                         std::function<void()> onQuit, QObject* parent)
    : QObject(parent), m_onShowMainWindow(std::move(onShowMainWindow)), m_onShowSettings(std::move(onShowSettings)),
      m_onQuit(std::move(onQuit))
{
    QIcon icon(QStringLiteral(":/karvo/tray.svg"));
    // Monochrome: the tray may tint it for light and dark panels.
    icon.setIsMask(true);
    m_tray = std::make_unique<TrayHost>(icon);
    m_tray->setOnTrigger([this] { m_onShowMainWindow(); });
    m_tray->setMenuBuilder([this](QMenu& menu) { buildMenu(menu); });
    refreshToolTip();
}

void StatusBarController::showIcon()
{
    m_tray->show();
}

StatusBarController::~StatusBarController() = default;

void StatusBarController::setStatusLine(std::function<QString()> statusLine)
{
    m_statusLine = std::move(statusLine);
}

void StatusBarController::refreshToolTip()
{
    m_tray->setToolTip(L("Karvo — Click to open; right-click for menu"));
}

void StatusBarController::buildMenu(QMenu& menu)
{
    menu.setAccessibleName(L("Karvo"));
    QAction* open = menu.addAction(L("Open Karvo"));
    connect(open, &QAction::triggered, this, [this] { m_onShowMainWindow(); });
    if (m_statusLine) {
        const QString line = m_statusLine();
        if (!line.isEmpty())
            menu.addAction(line)->setEnabled(false);
    }
    QAction* settings = menu.addAction(L("Settings…"));
    connect(settings, &QAction::triggered, this, [this] { m_onShowSettings(); });
    menu.addSeparator();
    QAction* quit = menu.addAction(L("Quit Karvo"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, [this] { m_onQuit(); });
}

} // namespace karvo
