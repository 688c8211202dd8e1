// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

namespace karvo {

// The one way an error about files reaches the user. Errors that arrive within 0.3 s of the first one
// are merged into a single alert, so a drop of many bad files does not stack one modal alert per file.
class DropAlerts {
public:
    struct Alert {
        QString text;            // the alert's main line
        QString informativeText; // the details below it
        bool operator==(const Alert&) const = default;
    };
    using Entry = std::pair<QString, QString>; // title, message; both already localized
    // Runs `flush` on the main thread after `delayMs`.
    using Scheduler = std::function<void(int delayMs, std::function<void()> flush)>;
    using Display = std::function<void(const Alert& alert)>;

    static constexpr int mergeWindowMs = 300;

    // Callable from any thread; returns at once, the alert appears later.
    static void present(const QString& title, const QString& message);

    // One entry: its title and message. Several: a count and one "• title: message" line each, in order.
    static Alert compose(const QList<Entry>& entries);

    // Seams: how the merge window is timed and how an alert is shown (a modal warning box by default).
    // An empty function restores the default.
    static void setScheduler(Scheduler scheduler);
    static void setDisplay(Display display);

private:
    static void flush();
};

} // namespace karvo
