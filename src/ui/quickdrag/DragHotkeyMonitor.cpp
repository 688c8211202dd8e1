// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragHotkeyMonitor.h"

#include "DragHotkeyDebug.h"
#include "DropClassification.h"
#include "FileManagementDrag.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace karvo {

namespace {

QString yesNo(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// ["a", "b"]: the form the diagnostic lines print lists in.
QString quotedList(const QStringList& items)
{
    QStringList quoted;
    for (const QString& item : items)
        quoted.append(u'"' + item + u'"');
    return u'[' + quoted.join(QStringLiteral(", ")) + u']';
}

QString caseName(DropKind kind)
{
    switch (kind) {
    case DropKind::video:
        return QStringLiteral("video");
    case DropKind::audio:
        return QStringLiteral("audio");
    case DropKind::image:
        return QStringLiteral("image");
    case DropKind::mixed:
        return QStringLiteral("mixed");
    }
    return {};
}

} // namespace

DragHotkeyMonitor::DragHotkeyMonitor(std::unique_ptr<DragMonitor> events, MenuFactory makeMenu, Scheduler schedule,
                                     QObject* parent)
    : QObject(parent), m_events(std::move(events)), m_makeMenu(std::move(makeMenu)), m_schedule(std::move(schedule))
{
    if (!m_schedule) {
        m_schedule = [this](int ms, std::function<void()> task) {
            QTimer::singleShot(ms, this, std::move(task));
        };
    }
    // A drag left over from before the start is never taken for a new one.
    m_pasteboardEpoch = m_events->pasteboard().changeCount;
}

DragHotkeyMonitor::~DragHotkeyMonitor()
{
    stop();
}

bool DragHotkeyMonitor::start()
{
    if (m_running)
        return true;
    m_running = true;
    QPointer<DragHotkeyMonitor> self(this);
    DragMonitor::Events events;
    events.dragged = [self](const DragPointer& pointer) {
        if (self)
            self->handleDrag(pointer);
    };
    events.released = [self] {
        if (self)
            self->handleMouseUp();
    };
    if (m_events->start(std::move(events)))
        return true;
    stop();
    return false;
}

void DragHotkeyMonitor::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_events->stop();
    m_shiftDown = false;
    m_unsupportedDrag = false;
    m_dropKind.reset();
    hideRadial(false);
}

void DragHotkeyMonitor::handleDrag(const DragPointer& pointer)
{
    m_shiftDown = pointer.shift;
    m_altDown = pointer.alt;
    const bool wasInProgress = m_dragInProgress;
    m_dragInProgress = true;
    if (!wasInProgress)
        DragHotkeyDebug::log(QStringLiteral("drag began shift=%1 option=%2").arg(yesNo(m_shiftDown), yesNo(m_altDown)));

    if (m_radial) {
        // Letting go of Shift mid-drag leaves the ring open.
        if (!m_shiftDown)
            return;
        const RadialMenuMode mode = m_altDown ? RadialMenuMode::tools : RadialMenuMode::formats;
        m_radial->setMode(mode);
        m_currentMode = mode;
        return;
    }
    if (!m_shiftDown || m_unsupportedDrag) {
        hideRadial(false);
        return;
    }
    if (!m_fileDragConfirmed) {
        QElapsedTimer clock;
        clock.start();
        examine();
        m_lastExaminationMs = double(clock.nsecsElapsed()) / 1e6;
        if (!m_fileDragConfirmed)
            return;
    }
    if (!m_dropKind || !m_shiftDown) {
        hideRadial(false);
        return;
    }
    openMenu(m_altDown);
}

// Once per drag: does it carry supported files from a file manager? Reads only what the monitor
// already holds, so it never waits for the drag source.
void DragHotkeyMonitor::examine()
{
    const DragPasteboard pasteboard = m_events->pasteboard();
    const bool fileDrag = FileManagementDrag::isFileDrag(pasteboard, m_pasteboardEpoch);
    const QString front = pasteboard.frontmost.isEmpty() ? QStringLiteral("?") : pasteboard.frontmost.join(u'.');
    DragHotkeyDebug::log(QStringLiteral("fileDrag ok=%1 front=%2 types=%3")
                             .arg(yesNo(fileDrag), front, quotedList(pasteboard.types.value_or(QStringList()))));
    if (!fileDrag) {
        hideRadial(false); // not yet a file drag: examined again on the next event
        return;
    }
    const QList<QUrl> urls = FileManagementDrag::draggedFileURLs(pasteboard);
    if (urls.isEmpty()) {
        hideRadial(false);
        return;
    }
    QStringList paths;
    QStringList names;
    for (const QUrl& url : urls) {
        paths.append(url.toLocalFile());
        names.append(url.fileName());
    }
    const std::optional<DropKind> kind = DropClassification::combining(paths);
    if (!kind) {
        DragHotkeyDebug::log(QStringLiteral("unsupported drag ") + quotedList(names));
        m_fileDragConfirmed = true;
        m_unsupportedDrag = true;
        hideRadial(false);
        return;
    }
    m_dropKind = kind;
    m_fileDragConfirmed = true;
    DragHotkeyDebug::log(QStringLiteral("dropKind=") + caseName(*kind));
}

void DragHotkeyMonitor::openMenu(bool alt)
{
    const RadialMenuMode mode = alt ? RadialMenuMode::tools : RadialMenuMode::formats;
    RadialMenu* menu = m_makeMenu(mode, *m_dropKind);
    if (!menu)
        return;
    m_radial = menu;
    const quint64 serial = ++m_radialSerial;
    QPointer<DragHotkeyMonitor> self(this);
    menu->onDrop = [self, serial](const QList<QUrl>& files, RadialAction action) {
        // Closing the ring replaces this callback, so nothing captured is used after it.
        const QPointer<DragHotkeyMonitor> monitor = self;
        const QList<QUrl> dropped = files;
        if (!monitor || monitor->m_radialSerial != serial || !monitor->m_radial)
            return;
        monitor->hideRadial(true);
        if (monitor)
            monitor->onDrop(dropped, action);
    };
    m_currentMode = mode;
    menu->showAtCursor();
}

void DragHotkeyMonitor::handleMouseUp()
{
    DragHotkeyDebug::log(QStringLiteral("mouseUp"));
    m_dragInProgress = false;
    m_fileDragConfirmed = false;
    m_unsupportedDrag = false;
    m_dropKind.reset();
    m_pasteboardEpoch = m_events->pasteboard().changeCount;
    // A ring that got no drop goes a moment later; one that took the drop is already closing (or a
    // new drag has opened another), and is left alone.
    const quint64 openNow = m_radial ? m_radialSerial : 0;
    QPointer<DragHotkeyMonitor> self(this);
    m_schedule(closeDelayMs, [self, openNow] {
        if (!self)
            return;
        const quint64 current = self->m_radial ? self->m_radialSerial : 0;
        if (current == openNow)
            self->hideRadial(false);
    });
}

void DragHotkeyMonitor::hideRadial(bool success)
{
    if (RadialMenu* menu = m_radial) {
        m_radial = nullptr;
        menu->onDrop = [](const QList<QUrl>&, RadialAction) {
        };
        menu->close(success);
    }
    m_currentMode.reset();
}

} // namespace karvo
