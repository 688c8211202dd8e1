// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace karvo {

namespace {
void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
} // namespace

ChildProcess::~ChildProcess()
{
    bool running = false;
    {
        std::lock_guard lock(m_mutex);
        running = !m_reaped;
    }
    if (running) {
        kill();
        waitForExit();
    }
    closeFd(m_stdout);
    closeFd(m_stderr);
}

QString ChildProcess::start(const QString& program, const QStringList& arguments, Output stdoutMode, Output stderrMode)
{
    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    if (stdoutMode == Output::pipe && ::pipe2(outPipe, O_CLOEXEC) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (stderrMode == Output::pipe && ::pipe2(errPipe, O_CLOEXEC) != 0) {
        const int err = errno;
        closeFd(outPipe[0]);
        closeFd(outPipe[1]);
        return QString::fromLocal8Bit(std::strerror(err));
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (stdoutMode == Output::pipe)
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (stderrMode == Output::pipe)
        posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    // The child starts with default signal handling, whatever the parent installed.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    sigset_t noMask;
    sigemptyset(&noMask);
    posix_spawnattr_setsigmask(&attr, &noMask);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    const QByteArray programBytes = program.toLocal8Bit();
    std::vector<QByteArray> argBytes;
    argBytes.reserve(static_cast<size_t>(arguments.size()) + 1);
    argBytes.push_back(programBytes);
    for (const QString& a : arguments)
        argBytes.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : argBytes)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = -1;
    int rc = 0;
    {
        std::lock_guard lock(m_mutex);
        rc = ::posix_spawn(&pid, programBytes.constData(), &actions, &attr, argv.data(), environ);
        if (rc == 0) {
            m_pid = pid;
            m_reaped = false;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    closeFd(outPipe[1]);
    closeFd(errPipe[1]);
    if (rc != 0) {
        closeFd(outPipe[0]);
        closeFd(errPipe[0]);
        return QString::fromLocal8Bit(std::strerror(rc));
    }
    m_stdout = outPipe[0];
    m_stderr = errPipe[0];
    return {};
}

bool ChildProcess::isRunning() const
{
    std::lock_guard lock(m_mutex);
    if (m_reaped)
        return false;
    siginfo_t info{};
    // Look without reaping so that the id stays ours until waitForExit().
    if (::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return false;
    return info.si_pid == 0;
}

void ChildProcess::terminate()
{
    sendSignal(SIGTERM);
}

void ChildProcess::kill()
{
    sendSignal(SIGKILL);
}

void ChildProcess::sendSignal(int sig)
{
    std::lock_guard lock(m_mutex);
    if (!m_reaped && m_pid > 0)
        ::kill(m_pid, sig);
}

ChildProcess::Exit ChildProcess::waitForExit()
{
    pid_t pid = -1;
    {
        std::lock_guard lock(m_mutex);
        if (m_reaped)
            return m_exit;
        pid = m_pid;
    }
    // Wait without reaping, then reap under the lock so that signal() never targets a reaped id.
    siginfo_t info{};
    while (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    std::lock_guard lock(m_mutex);
    if (m_reaped)
        return m_exit;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_reaped = true;
    if (WIFEXITED(status)) {
        m_exit = {true, WEXITSTATUS(status), 0};
    } else if (WIFSIGNALED(status)) {
        m_exit = {false, -1, WTERMSIG(status)};
    }
    return m_exit;
}

QByteArray ChildProcess::readAll(int fd)
{
    QByteArray data;
    if (fd < 0)
        return data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            data.append(buffer, n);
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    return data;
}

QByteArray ChildProcess::readTail(int fd, qsizetype maxBytes)
{
    QByteArray data;
    if (fd < 0)
        return data;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            data.append(buffer, n);
            if (data.size() > maxBytes)
                data.remove(0, data.size() - maxBytes);
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    return data;
}

void ChildProcess::closeStdout()
{
    closeFd(m_stdout);
}

void ChildProcess::closeStderr()
{
    closeFd(m_stderr);
}

} // namespace karvo
