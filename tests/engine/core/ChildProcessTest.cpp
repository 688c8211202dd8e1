// SPDX-License-Identifier: GPL-3.0-or-later
// Child processes: wiring, launch failures, and that a child never outlives Karvo.
#include "ChildProcess.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace karvo;

namespace {
constexpr auto discard = ChildProcess::Output::discard;
constexpr auto piped = ChildProcess::Output::pipe;

// Polls `done` until it holds, for at most ten seconds.
bool waitUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 10000)
            return false;
        QThread::msleep(1);
    }
    return true;
}

QByteArray readLine(int fd)
{
    QByteArray line;
    char c = 0;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}
} // namespace

TEST(ChildProcess, OutputGoesToItsPipesAndLaunchFailuresAreReported)
{
    ChildProcess both;
    ASSERT_EQ(both.start("/bin/sh", {"-c", "echo out; echo err >&2; read x || echo no-input"}), QString());
    QByteArray err;
    std::thread errReader([&] { err = ChildProcess::readAll(both.stderrFd()); });
    EXPECT_EQ(ChildProcess::readAll(both.stdoutFd()), QByteArray("out\nno-input\n"));
    errReader.join();
    EXPECT_EQ(err, QByteArray("err\n"));
    EXPECT_TRUE(both.waitForExit().success());

    ChildProcess silent;
    ASSERT_EQ(silent.start("/bin/sh", {"-c", "echo out; echo err >&2"}, discard, discard), QString());
    EXPECT_EQ(silent.stdoutFd(), -1);
    EXPECT_EQ(silent.stderrFd(), -1);
    EXPECT_TRUE(silent.waitForExit().success());

    for (const QString program : {"/nonexistent/program", "/etc/passwd", "/tmp"}) {
        ChildProcess missing;
        EXPECT_NE(missing.start(program, {}), QString()) << program.toStdString();
        EXPECT_EQ(missing.pid(), -1);
        EXPECT_FALSE(missing.isRunning());
    }
}

TEST(ChildProcess, PipesWorkWhenKarvoRunsWithoutStandardDescriptors)
{
    // Started with its standard input and output closed, Karvo gets descriptors 0 and 1 for the child's
    // output pipe; setting up the child's standard descriptors must not lose the pipe's write end.
    std::fflush(stdout);
    const int savedIn = ::dup(STDIN_FILENO);
    const int savedOut = ::dup(STDOUT_FILENO);
    ASSERT_GE(savedIn, 0);
    ASSERT_GE(savedOut, 0);
    ::close(STDIN_FILENO);
    ::close(STDOUT_FILENO);
    ChildProcess child;
    const QString error = child.start("/bin/sh", {"-c", "echo out; echo err >&2"});
    const int outFd = child.stdoutFd();
    QByteArray out, err;
    if (error.isEmpty()) {
        out = ChildProcess::readAll(child.stdoutFd());
        err = ChildProcess::readAll(child.stderrFd());
        child.waitForExit();
        child.closeStdout(); // before descriptors 0 and 1 are given back
        child.closeStderr();
    }
    ::dup2(savedIn, STDIN_FILENO);
    ::dup2(savedOut, STDOUT_FILENO);
    ::close(savedIn);
    ::close(savedOut);
    EXPECT_EQ(error, QString());
    EXPECT_EQ(outFd, STDIN_FILENO) << "the pipe did not take the free descriptors; the case is not exercised";
    EXPECT_EQ(out, QByteArray("out\n"));
    EXPECT_EQ(err, QByteArray("err\n"));
}

TEST(ChildProcess, ChildStartsWithDefaultSignalHandling)
{
    // Karvo's own handling of a signal (here: ignoring it) is not passed on to the tools.
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGINT, &ignore, &previous);
    ChildProcess child;
    const QString error = child.start("/bin/sleep", {"1000"}, discard, discard);
    ::sigaction(SIGINT, &previous, nullptr);
    ASSERT_EQ(error, QString());
    child.sendSignal(SIGINT);
    const auto exit = child.waitForExit();
    EXPECT_FALSE(exit.normal);
    EXPECT_EQ(exit.signal, SIGINT);
}

TEST(ChildProcess, ChildOutlivesTheThreadThatStartedIt)
{
    ChildProcess child;
    pid_t starter = 0;
    std::thread thread([&] {
        starter = ::gettid();
        EXPECT_EQ(child.start("/bin/sleep", {"1000"}, discard, discard), QString());
    });
    thread.join();
    // Once the thread is gone from /proc its exit is complete, including any signal it sends its children.
    ASSERT_TRUE(waitUntil([&] { return !QFileInfo::exists(QStringLiteral("/proc/self/task/%1").arg(starter)); }));
    child.terminate();
    const auto exit = child.waitForExit();
    EXPECT_FALSE(exit.normal);
    EXPECT_EQ(exit.signal, SIGTERM) << "killed by " << exit.signal << " when the starting thread ended";
}

TEST(ChildProcess, ChildDiesWhenKarvoIsKilled)
{
    // Orphans are handed to this process, so the helper's child can be waited for here.
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    ChildProcess helper;
    ASSERT_EQ(helper.start(QStringLiteral(KARVO_CHILD_HELPER), {}, piped, discard), QString());
    const pid_t grandchild = readLine(helper.stdoutFd()).toInt();
    ASSERT_GT(grandchild, 0);

    helper.kill();
    EXPECT_EQ(helper.waitForExit().signal, SIGKILL);
    int status = 0;
    const bool ended = waitUntil([&] { return ::waitpid(grandchild, &status, WNOHANG) == grandchild; });
    if (!ended) {
        ::kill(grandchild, SIGKILL);
        ::waitpid(grandchild, &status, 0);
    }
    ASSERT_TRUE(ended) << "the child of a killed Karvo kept running";
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
}
