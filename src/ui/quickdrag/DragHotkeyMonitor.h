// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "DragMonitor.h"
#include "RadialMenu.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

namespace karvo {

// Quick Drag's state machine. Fed by a drag monitor's two event streams (the pointer during a drag,
// the button let go), it confirms once per drag that the drag carries supported files from a file
// manager, opens the ring at the pointer while Shift is held, switches it to the tools while Alt is
// held, and hands a drop on a wedge to `onDrop`. Main thread only.
class DragHotkeyMonitor : public QObject {
    Q_OBJECT
public:
    // Creates the ring for a drag; the ring frees itself after `close`.
    using MenuFactory = std::function<RadialMenu*(RadialMenuMode mode, DropKind kind)>;
    // Runs `task` on the main thread after `ms` milliseconds (tests fire it themselves).
    using Scheduler = std::function<void(int ms, std::function<void()> task)>;

    DragHotkeyMonitor(std::unique_ptr<DragMonitor> events, MenuFactory makeMenu, Scheduler schedule = {},
                      QObject* parent = nullptr);
    ~DragHotkeyMonitor() override;

    bool start();
    void stop();
    bool isRunning() const { return m_running; }
    QString failureSummary() const { return m_events->failureSummary(); }

    std::function<void(const QList<QUrl>& files, RadialAction action)> onDrop = [](const QList<QUrl>&, RadialAction) {
    };

    // The two event streams.
    void handleDrag(const DragPointer& pointer);
    void handleMouseUp();

    // How long a ring that got no drop stays after the button was let go.
    static constexpr int closeDelayMs = 350;

    bool menuOpen() const { return m_radial != nullptr; }
    // How long the last examination of a drag took, in milliseconds (for the benchmark).
    double lastExaminationMs() const { return m_lastExaminationMs; }
    std::optional<RadialMenuMode> currentMode() const { return m_currentMode; }

private:
    void examine();
    void openMenu(bool alt);
    void hideRadial(bool success);

    std::unique_ptr<DragMonitor> m_events;
    MenuFactory m_makeMenu;
    Scheduler m_schedule;

    bool m_shiftDown = false;
    bool m_altDown = false;
    bool m_dragInProgress = false;
    bool m_fileDragConfirmed = false;
    bool m_unsupportedDrag = false;
    std::optional<DropKind> m_dropKind;
    qint64 m_pasteboardEpoch = 0;
    RadialMenu* m_radial = nullptr;
    quint64 m_radialSerial = 0; // which ring is open; a delayed close compares it
    std::optional<RadialMenuMode> m_currentMode;
    bool m_running = false;
    double m_lastExaminationMs = 0;
};

} // namespace karvo
