// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace karvo {

enum class QuickDragState { disabled, starting, ready, monitorFailed };

// The one line every view shows for a state, in the current language.
QString quickDragSummary(QuickDragState state);

// The single writer of the stored Quick Drag switch. A change is announced through `changed` so that
// every switch row and the controller follow, wherever the change was made.
class DragHotkeyPreference : public QObject {
    Q_OBJECT

public:
    static DragHotkeyPreference& notifier();
    // Absent reads as off.
    static bool enabled();
    // Storing the value already stored announces nothing.
    static void setEnabled(bool enabled);

signals:
    void changed();
};

// Turns the stored switch into a running or stopped drag monitor and publishes a state with a summary.
// It knows the monitor only through the callbacks the application installs, so it runs without one.
class QuickDragController : public QObject {
    Q_OBJECT

public:
    using ReadEnabled = std::function<bool()>;
    using SaveEnabled = std::function<void(bool)>;

    // Empty callbacks mean the stored preference.
    explicit QuickDragController(ReadEnabled readEnabled = {}, SaveEnabled saveEnabled = {}, QObject* parent = nullptr);
    ~QuickDragController() override;

    static QuickDragController& shared();

    bool enabled() const { return m_enabled; }
    QuickDragState state() const { return m_state; }
    // The state's summary; a failed start says why when the monitor gave a reason (no X11 session).
    QString summary() const;

    // `start` reports whether the monitor runs; `failureSummary`, when set, replaces the generic text of
    // a failed start.
    void setMonitorCallbacks(std::function<bool()> start, std::function<void()> stop,
                             std::function<QString()> failureSummary = {});
    bool hasMonitorCallbacks() const { return bool(m_startMonitoring); }

    void reconcile();
    void reloadPreference();
    // The switch row: stores the choice, then follows it.
    void setEnabledByUser(bool enabled);
    // "Try Again": forgets the failed start and makes one fresh attempt.
    void retry();

signals:
    void stateChanged();

private:
    void setState(QuickDragState state);

    ReadEnabled m_readEnabled;
    SaveEnabled m_saveEnabled;
    std::function<bool()> m_startMonitoring;
    std::function<void()> m_stopMonitoring;
    std::function<QString()> m_failureSummary;
    bool m_enabled = false;
    QuickDragState m_state = QuickDragState::disabled;
    bool m_monitorRunning = false;
    bool m_monitorFailed = false;
};

} // namespace karvo
