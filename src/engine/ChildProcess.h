// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <mutex>
#include <sys/types.h>

namespace karvo {

// A child process started with an argument list (never through a shell). Standard input is the null
// device; standard output and error go to a pipe each or to the null device. terminate() and kill()
// may be called from any thread at any moment: a process that has been reaped is never signalled, so
// a recycled process id cannot be hit.
// A child never outlives Karvo: it is killed when Karvo ends, however Karvo ends. Every child is forked
// by one internal thread that lives as long as the process, so start() may be called from any thread,
// also one that ends while the child still runs.
class ChildProcess {
public:
    enum class Output { pipe, discard };

    struct Exit {
        bool normal = false; // exited by itself rather than by a signal
        int code = -1;       // exit status when normal
        int signal = 0;      // terminating signal otherwise
        bool success() const { return normal && code == 0; }
    };

    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Returns an empty string on success, else the reason the launch failed.
    QString start(const QString& program, const QStringList& arguments, Output stdoutMode = Output::pipe,
                  Output stderrMode = Output::pipe);

    // The process id while the child has not been reaped, else -1.
    pid_t pid() const;
    int stdoutFd() const { return m_stdout; }
    int stderrFd() const { return m_stderr; }

    bool isRunning() const;
    void terminate(); // SIGTERM
    void kill();      // SIGKILL
    void sendSignal(int sig);

    // Blocks until the process has exited and reaps it.
    Exit waitForExit();

    // Blocking reads on a pipe until end of file. The tail variant keeps only the last maxBytes.
    static QByteArray readAll(int fd);
    static QByteArray readTail(int fd, qsizetype maxBytes);
    void closeStdout();
    void closeStderr();

private:
    mutable std::mutex m_mutex;
    pid_t m_pid = -1;
    bool m_reaped = true;
    Exit m_exit;
    int m_stdout = -1;
    int m_stderr = -1;
};

} // namespace karvo
