// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace karvo {

// SIGTERM, SIGINT and SIGHUP (the session ending, a closed terminal, `kill`) as a Qt signal on the
// thread that created this object. The handler only writes the signal's number into a pipe; the event
// loop reads it, so everything that follows runs as ordinary code. One instance per process; the
// previous handling returns when it is destroyed.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    bool isInstalled() const { return m_installed; }

signals:
    void received(int signal);

private:
    void drain();

    bool m_installed = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace karvo
