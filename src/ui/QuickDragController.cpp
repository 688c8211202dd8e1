// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuickDragController.h"

#include "Localization.h"
#include "Preferences.h"
#include "SettingsDefaults.h"

namespace karvo {

QString quickDragSummary(QuickDragState state)
{
    switch (state) {
    case QuickDragState::disabled:
        return L("Quick Drag is off — drag files into the window to process them");
    case QuickDragState::starting:
        return L("Starting Quick Drag…");
    case QuickDragState::ready:
        return L("Quick Drag is on — hold ⇧ while dragging a file in the file manager");
    case QuickDragState::monitorFailed:
        return L("Quick Drag could not start. Try again.");
    }
    return {};
}

DragHotkeyPreference& DragHotkeyPreference::notifier()
{
    static DragHotkeyPreference instance;
    return instance;
}

bool DragHotkeyPreference::enabled()
{
    const QVariant value = Preferences::value(QString::fromLatin1(SettingsDefaults::dragHotkeyEnabledKey));
    return value.typeId() == QMetaType::Bool && value.toBool();
}

void DragHotkeyPreference::setEnabled(bool enabled)
{
    if (DragHotkeyPreference::enabled() == enabled)
        return;
    Preferences::setValue(QString::fromLatin1(SettingsDefaults::dragHotkeyEnabledKey), enabled);
    emit notifier().changed();
}

QuickDragController::QuickDragController(ReadEnabled readEnabled, SaveEnabled saveEnabled, QObject* parent)
    : QObject(parent), m_readEnabled(std::move(readEnabled)), m_saveEnabled(std::move(saveEnabled))
{
    if (!m_readEnabled)
        m_readEnabled = &DragHotkeyPreference::enabled;
    if (!m_saveEnabled)
        m_saveEnabled = &DragHotkeyPreference::setEnabled;
    m_enabled = DragHotkeyPreference::enabled();
    connect(&DragHotkeyPreference::notifier(), &DragHotkeyPreference::changed, this,
            &QuickDragController::reloadPreference, Qt::QueuedConnection);
}

QuickDragController::~QuickDragController()
{
    if (m_monitorRunning && m_stopMonitoring)
        m_stopMonitoring();
}

QuickDragController& QuickDragController::shared()
{
    static QuickDragController* instance = new QuickDragController;
    return *instance;
}

QString QuickDragController::summary() const
{
    if (m_state == QuickDragState::monitorFailed && m_failureSummary) {
        const QString reason = m_failureSummary();
        if (!reason.isEmpty())
            return reason;
    }
    return quickDragSummary(m_state);
}

void QuickDragController::setMonitorCallbacks(std::function<bool()> start, std::function<void()> stop,
                                              std::function<QString()> failureSummary)
{
    m_startMonitoring = std::move(start);
    m_stopMonitoring = std::move(stop);
    m_failureSummary = std::move(failureSummary);
}

void QuickDragController::reconcile()
{
    if (!m_enabled) {
        if (m_monitorRunning && m_stopMonitoring)
            m_stopMonitoring();
        m_monitorRunning = false;
        m_monitorFailed = false;
        setState(QuickDragState::disabled);
        return;
    }
    if (!m_startMonitoring) {
        // The application installs the monitor at launch and reconciles again.
        setState(QuickDragState::starting);
        return;
    }
    if (m_monitorRunning) {
        setState(QuickDragState::ready);
        return;
    }
    if (m_monitorFailed) {
        setState(QuickDragState::monitorFailed);
        return;
    }
    setState(QuickDragState::starting);
    const bool ok = m_startMonitoring();
    m_monitorRunning = ok;
    m_monitorFailed = !ok;
    setState(ok ? QuickDragState::ready : QuickDragState::monitorFailed);
}

void QuickDragController::reloadPreference()
{
    const bool enabled = m_readEnabled();
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    reconcile();
}

void QuickDragController::setEnabledByUser(bool enabled)
{
    m_saveEnabled(enabled);
    reloadPreference();
}

void QuickDragController::retry()
{
    m_monitorFailed = false;
    reconcile();
}

void QuickDragController::setState(QuickDragState state)
{
    // A failed start announces itself even when the state was already failed: the reason may differ.
    if (state == m_state && state != QuickDragState::monitorFailed)
        return;
    m_state = state;
    emit stateChanged();
}

} // namespace karvo
