// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QUuid>
#include <functional>

class QWidget;

namespace karvo {

class ToolWindow;

// The open tool windows, one per request id. The registry owns them: a window lives from `host` until it
// closes, and is let go on the next turn of the event loop after that. Any number may be open at once,
// several of the same tool included. Main thread only.
class ToolWindowRegistry : public QObject {
    Q_OBJECT

public:
    explicit ToolWindowRegistry(QObject* parent = nullptr);
    ~ToolWindowRegistry() override;

    // Shows the window for `id`: an open one is brought to the front; otherwise `content` is called once
    // and its widget becomes a new window with `title` and a content area of `size`, centred on the
    // primary screen, laid out in the interface language's direction and locale, and activated.
    ToolWindow* host(const QString& title, const QSize& size, const QUuid& id,
                     const std::function<QWidget*()>& content);

    // Forgets `window` on the next turn of the event loop; a window the registry does not hold is ignored.
    void windowClosed(QWidget* window);

    ToolWindow* window(const QUuid& id) const;
    QList<QUuid> ids() const { return m_windows.keys(); }
    qsizetype count() const { return m_windows.size(); }

private:
    void remove(const QUuid& id);
    void releaseAll();

    QHash<QUuid, QPointer<ToolWindow>> m_windows;
};

} // namespace karvo
