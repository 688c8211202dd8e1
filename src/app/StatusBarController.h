// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QMenu;

namespace karvo {

class TrayHost;

// Karvo in the tray: a left click opens the main window; the context menu offers Open Karvo, the
// Quick Drag status line, Settings… and Quit Karvo, built afresh every time it opens.
class StatusBarController : public QObject {
    Q_OBJECT

public:
    StatusBarController(std::function<void()> onShowMainWindow, std::function<void()> onShowSettings,
                        std::function<void()> onQuit, QObject* parent = nullptr);
    ~StatusBarController() override;

    // Puts the icon in the tray. Launch does it once the main window is on the screen: registering with the
    // desktop's tray goes over D-Bus, and nothing in the window waits for it.
    void showIcon();

    // The disabled status line under "Open Karvo"; no line while this is unset or gives an empty text.
    void setStatusLine(std::function<QString()> statusLine);
    void refreshToolTip();

    // Fills `menu` as the tray shows it.
    void buildMenu(QMenu& menu);
    TrayHost& tray() { return *m_tray; }

private:
    std::function<void()> m_onShowMainWindow;
    std::function<void()> m_onShowSettings;
    std::function<void()> m_onQuit;
    std::function<QString()> m_statusLine;
    std::unique_ptr<TrayHost> m_tray;
};

} // namespace karvo
