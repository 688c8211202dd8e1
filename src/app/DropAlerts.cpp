// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropAlerts.h"

#include "Localization.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

namespace karvo {

namespace {
// Main thread only.
struct State {
    QList<DropAlerts::Entry> pending;
    bool scheduled = false;
    DropAlerts::Scheduler scheduler;
    DropAlerts::Display display;
};

State& state()
{
    static State s;
    return s;
}

bool onMainThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

void showModal(const DropAlerts::Alert& alert)
{
    QMessageBox box(QMessageBox::Warning, L("Karvo"), alert.text, QMessageBox::Ok);
    box.setInformativeText(alert.informativeText);
    box.setDefaultButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setAccessibleName(L("OK"));
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
}
} // namespace

void DropAlerts::present(const QString& title, const QString& message)
{
    if (!onMainThread()) {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app, [title, message] { present(title, message); }, Qt::QueuedConnection);
        return;
    }
    State& s = state();
    s.pending.append({title, message});
    if (s.scheduled)
        return;
    s.scheduled = true;
    if (s.scheduler)
        s.scheduler(mergeWindowMs, &DropAlerts::flush);
    else
        QTimer::singleShot(mergeWindowMs, QCoreApplication::instance(), &DropAlerts::flush);
}

void DropAlerts::flush()
{
    State& s = state();
    s.scheduled = false;
    const QList<Entry> entries = std::exchange(s.pending, {});
    if (entries.isEmpty())
        return;
    const Alert alert = compose(entries);
    if (s.display)
        s.display(alert);
    else
        showModal(alert);
}

DropAlerts::Alert DropAlerts::compose(const QList<Entry>& entries)
{
    if (entries.size() == 1)
        return {entries.first().first, entries.first().second};
    QStringList lines;
    for (const Entry& entry : entries)
        lines << QStringLiteral("• ") + entry.first + QStringLiteral(": ") + entry.second;
    return {Ln("%d files couldn't be processed", entries.size()), lines.join(u'\n')};
}

void DropAlerts::setScheduler(Scheduler scheduler)
{
    state().scheduler = std::move(scheduler);
}

void DropAlerts::setDisplay(Display display)
{
    state().display = std::move(display);
}

} // namespace karvo
