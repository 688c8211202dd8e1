// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowRegistry.h"

#include "LanguageStore.h"
#include "ToolWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace karvo {

ToolWindowRegistry::ToolWindowRegistry(QObject* parent) : QObject(parent)
{
    // Windows must go while the application still exists; a registry kept in a static outlives it.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &ToolWindowRegistry::releaseAll);
}

ToolWindowRegistry::~ToolWindowRegistry()
{
    if (QCoreApplication::instance())
        releaseAll();
}

ToolWindow* ToolWindowRegistry::host(const QString& title, const QSize& size, const QUuid& id,
                                     const std::function<QWidget*()>& content)
{
    if (ToolWindow* open = window(id)) {
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }

    // Read once: a window keeps the language it opened in.
    const LanguageStore& language = LanguageStore::shared();
    auto* window = new ToolWindow(content());
    window->setLayoutDirection(language.layoutDirection());
    window->setLocale(LanguageStore::localeFor(language.resolvedCode()));
    window->setWindowTitle(title);
    window->resize(size);
    m_windows.insert(id, window);
    connect(window, &ToolWindow::closed, this, &ToolWindowRegistry::windowClosed);

    window->show();
    // Centred with its frame, which is known once the window is shown.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->raise();
    window->activateWindow();
    return window;
}

void ToolWindowRegistry::windowClosed(QWidget* window)
{
    if (!window)
        return;
    for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it) {
        if (it.value() == window) {
            // Not at once: the window is still inside its own close handling.
            QTimer::singleShot(0, this, [this, id = it.key()] { remove(id); });
            return;
        }
    }
}

ToolWindow* ToolWindowRegistry::window(const QUuid& id) const
{
    return m_windows.value(id);
}

void ToolWindowRegistry::remove(const QUuid& id)
{
    const QPointer<ToolWindow> window = m_windows.take(id);
    if (window)
        window->deleteLater();
}

void ToolWindowRegistry::releaseAll()
{
    const auto windows = std::exchange(m_windows, {});
    for (const QPointer<ToolWindow>& window : windows)
        delete window.data();
}

} // namespace karvo
