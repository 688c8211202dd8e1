// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <fcntl.h>
#include <linux/close_range.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
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

// Everything the forked child needs, prepared before the fork: after it the child makes only
// async-signal-safe calls, as the other threads' locks are copied in whatever state they were.
struct SpawnRequest {
    const char* program = nullptr;
    char* const* argv = nullptr;
    int stdoutFd = -1; // becomes standard output; -1 for the null device
    int stderrFd = -1;
    pid_t pid = -1;
    int error = 0;
    bool done = false;
};

[[noreturn]] void failChild(int reportFd, int error)
{
    [[maybe_unused]] const ssize_t n = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

// A descriptor among 0..2 would be overwritten while the standard ones are set up (when Karvo itself
// was started with one of them closed), so it is moved out of the way first.
int aboveStandardFds(int fd)
{
    return (fd >= 0 && fd <= STDERR_FILENO) ? ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1) : fd;
}

[[noreturn]] void execChild(const SpawnRequest& request, pid_t parent, int report)
{
    const int reportFd = aboveStandardFds(report);
    // Killed when the spawner thread ends, which is when Karvo ends. Had Karvo already died before the
    // prctl, the child has been handed to another parent and would never get the signal.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0)
        failChild(reportFd, errno);
    if (::getppid() != parent)
        ::_exit(127);

    // Handlers are reset by exec; signals Karvo ignores are handed back to the tools, which rely on them.
    // All signals are still blocked here (the spawner thread blocks them), so no handler of Karvo's runs
    // in the child.
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    for (const int sig : {SIGINT, SIGTERM, SIGPIPE})
        ::sigaction(sig, &defaults, nullptr);

    const int null = aboveStandardFds(::open("/dev/null", O_RDWR | O_CLOEXEC));
    const int out = request.stdoutFd >= 0 ? aboveStandardFds(request.stdoutFd) : null;
    const int err = request.stderrFd >= 0 ? aboveStandardFds(request.stderrFd) : null;
    if (null < 0 || out < 0 || err < 0 || ::dup2(null, STDIN_FILENO) < 0 || ::dup2(out, STDOUT_FILENO) < 0 ||
        ::dup2(err, STDERR_FILENO) < 0)
        failChild(reportFd, errno);
    // No other descriptor of Karvo's reaches the tool, whether or not whoever opened it asked for that.
    ::close_range(STDERR_FILENO + 1, ~0U, CLOSE_RANGE_CLOEXEC);

    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(request.program, request.argv, environ);
    failChild(reportFd, errno);
}

// The thread that forks every child. The kernel sends PR_SET_PDEATHSIG when the thread that forked the
// child ends, not the process, so forking on a caller's thread (a pool thread, a probe's thread) would
// kill the child with that thread. This thread is never stopped; it ends only with the process.
class Spawner {
public:
    static Spawner& instance()
    {
        static Spawner* spawner = new Spawner; // never destroyed: it must outlive every child
        return *spawner;
    }

    void spawn(SpawnRequest& request)
    {
        std::unique_lock lock(m_mutex);
        m_queue.push_back(&request);
        m_changed.notify_all();
        m_changed.wait(lock, [&request] { return request.done; });
    }

private:
    Spawner()
    {
        // Created with every signal blocked, so Karvo's signal handlers never run on this thread and
        // every child starts with all signals blocked until it has reset their handling.
        sigset_t all, previous;
        sigfillset(&all);
        pthread_sigmask(SIG_SETMASK, &all, &previous);
        std::thread([this] { loop(); }).detach();
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    }

    void loop()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return !m_queue.empty(); });
            SpawnRequest* request = m_queue.front();
            m_queue.pop_front();
            lock.unlock();
            forkAndExec(*request);
            lock.lock();
            request->done = true;
            m_changed.notify_all();
        }
    }

    static void forkAndExec(SpawnRequest& request)
    {
        // The child reports a failed exec through this pipe; a successful exec closes it empty.
        int report[2] = {-1, -1};
        if (::pipe2(report, O_CLOEXEC) != 0) {
            request.error = errno;
            return;
        }
        const pid_t parent = ::getpid();
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(report[0]);
            execChild(request, parent, report[1]);
        }
        const int forkError = errno;
        closeFd(report[1]);
        if (pid < 0) {
            closeFd(report[0]);
            request.error = forkError;
            return;
        }
        int childError = 0;
        ssize_t n = 0;
        while ((n = ::read(report[0], &childError, sizeof childError)) < 0 && errno == EINTR) {
        }
        closeFd(report[0]);
        if (n == static_cast<ssize_t>(sizeof childError)) {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            request.error = childError != 0 ? childError : ECHILD;
            return;
        }
        request.pid = pid;
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<SpawnRequest*> m_queue;
};
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
        return qt_error_string(errno);
    if (stderrMode == Output::pipe && ::pipe2(errPipe, O_CLOEXEC) != 0) {
        const int err = errno;
        closeFd(outPipe[0]);
        closeFd(outPipe[1]);
        return qt_error_string(err);
    }

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

    SpawnRequest request;
    request.program = programBytes.constData();
    request.argv = argv.data();
    request.stdoutFd = outPipe[1];
    request.stderrFd = errPipe[1];
    {
        // Held across the spawn so that sendSignal() sees either no process or this one.
        std::lock_guard lock(m_mutex);
        Spawner::instance().spawn(request);
        if (request.pid > 0) {
            m_pid = request.pid;
            m_reaped = false;
        }
    }
    closeFd(outPipe[1]);
    closeFd(errPipe[1]);
    if (request.pid <= 0) {
        closeFd(outPipe[0]);
        closeFd(errPipe[0]);
        return qt_error_string(request.error);
    }
    m_stdout = outPipe[0];
    m_stderr = errPipe[0];
    return {};
}

pid_t ChildProcess::pid() const
{
    std::lock_guard lock(m_mutex);
    return m_reaped ? -1 : m_pid;
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
