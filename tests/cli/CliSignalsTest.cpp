// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-cli stopped by signals, by a closed output and by SIGKILL: the exit status, what is left on disk,
// and that no child of karvo-cli keeps running. This process adopts karvo-cli's orphans, so it can see them.
#include "ChildProcess.h"
#include "TestMedia.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace karvo;
using namespace karvo::test;

namespace {
constexpr int kDeadlineMs = 120000;

bool waitUntil(const std::function<bool()>& done, int timeoutMs = kDeadlineMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(2);
    }
    return true;
}

struct Process {
    pid_t pid;
    QString name;
};

// The processes whose parent is `parent`, from /proc.
QList<Process> childrenOf(pid_t parent)
{
    QList<Process> children;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const pid_t pid = entry.toInt(&numeric);
        if (!numeric)
            continue;
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const qsizetype open = text.indexOf('('), close = text.lastIndexOf(')');
        if (open < 0 || close < 0)
            continue;
        const QList<QByteArray> fields = text.mid(close + 2).split(' '); // state, ppid, ...
        if (fields.size() > 1 && fields[1].toInt() == parent)
            children.append({pid, QString::fromUtf8(text.mid(open + 1, close - open - 1))});
    }
    return children;
}

// Waits until karvo-cli runs `name` as its child.
bool waitForChild(pid_t cli, const QString& name)
{
    return waitUntil([&] {
        const QList<Process> children = childrenOf(cli);
        return std::any_of(children.cbegin(), children.cend(), [&](const Process& p) { return p.name == name; });
    });
}

struct Orphans {
    QList<int> killedBy; // the signal that ended each orphan, 0 when it exited by itself
    bool allGone = false;
};

// Waits for every orphan handed to this process to end, and reaps it. Orphans still running at the
// deadline are killed so that the test leaves nothing behind, and reported.
Orphans reapOrphans(int timeoutMs = 10000)
{
    Orphans orphans;
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        int status = 0;
        const pid_t pid = ::waitpid(-1, &status, WNOHANG);
        if (pid > 0) {
            orphans.killedBy << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        } else if (pid < 0) {
            orphans.allGone = true;
            return orphans;
        } else if (timer.elapsed() > timeoutMs) {
            for (const Process& p : childrenOf(::getpid()))
                ::kill(p.pid, SIGKILL);
            while (::waitpid(-1, &status, 0) > 0) {
            }
            return orphans;
        } else {
            QThread::msleep(2);
        }
    }
}

// karvo-cli running in a folder, with its standard output read line by line.
class Cli {
public:
    Cli(const QString& folder, const QStringList& args, const QString& program = QStringLiteral(KARVO_CLI_PATH))
    {
        const QStringList full = QStringList{"-C", folder, program} + args;
        EXPECT_EQ(m_process.start("/usr/bin/env", full), QString());
        m_errReader = std::thread([this] { m_err = QString::fromUtf8(ChildProcess::readAll(m_process.stderrFd())); });
    }
    ~Cli()
    {
        m_process.kill();
        finish();
    }

    pid_t pid() const { return m_process.pid(); }

    // Reads standard output until a line contains `text`; false at its end or after the deadline.
    bool waitForLine(const QString& text)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            const qsizetype newline = m_pending.indexOf('\n');
            if (newline >= 0) {
                const QString line = QString::fromUtf8(m_pending.left(newline));
                m_out += line + '\n';
                m_pending.remove(0, newline + 1);
                if (line.contains(text))
                    return true;
                continue;
            }
            pollfd fd{m_process.stdoutFd(), POLLIN, 0};
            const int left = kDeadlineMs - static_cast<int>(timer.elapsed());
            if (left <= 0 || ::poll(&fd, 1, left) <= 0)
                return false;
            char buffer[4096];
            const ssize_t n = ::read(m_process.stdoutFd(), buffer, sizeof buffer);
            if (n <= 0)
                return false;
            m_pending.append(buffer, n);
        }
    }

    void signal(int sig) { m_process.sendSignal(sig); }
    // Like `| head`: nobody reads karvo-cli's output any more.
    void closeOutput() { m_process.closeStdout(); }

    // Waits for the end; the status of a normal exit, or -signal when a signal ended karvo-cli.
    int finish()
    {
        if (m_process.stdoutFd() >= 0)
            m_out += QString::fromUtf8(m_pending + ChildProcess::readAll(m_process.stdoutFd()));
        m_pending.clear();
        if (m_errReader.joinable())
            m_errReader.join();
        const auto exit = m_process.waitForExit();
        return exit.normal ? exit.code : -exit.signal;
    }

    const QString& out() const { return m_out; }
    const QString& err() const { return m_err; }

private:
    ChildProcess m_process;
    std::thread m_errReader;
    QByteArray m_pending;
    QString m_out, m_err;
};

class CliSignalsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        // karvo-cli inherits these; a test run under nohup must not make it ignore them.
        std::signal(SIGHUP, SIG_DFL);
        std::signal(SIGQUIT, SIG_DFL);
    }

    // A conversion that runs for a good while: a quarter speed of 25 seconds.
    QStringList slowConversion()
    {
        const QString source = dir.filePath("long.mov");
        if (!QFileInfo::exists(source)) {
            EXPECT_TRUE(QFile::copy(TestMedia::clip(25, 640, 360, true), source));
        }
        return {"speed", "--factor", "0.25", "long.mov"};
    }

    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    }

    QTemporaryDir dir;
};
} // namespace

TEST_F(CliSignalsTest, EachSignalCancelsTheRunAndLeavesNothing)
{
    const std::pair<int, int> rows[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}, {SIGQUIT, 131}};
    for (const auto& [sig, status] : rows) {
        Cli cli(dir.path(), slowConversion());
        ASSERT_TRUE(waitForChild(cli.pid(), "ffmpeg")) << cli.err().toStdString();
        cli.signal(sig);
        EXPECT_EQ(cli.finish(), status) << "signal " << sig << ": " << cli.err().toStdString();
        EXPECT_TRUE(cli.out().contains("cancelled  long.mov")) << cli.out().toStdString();
        EXPECT_EQ(entries(), QStringList{"long.mov"}) << "signal " << sig;
        const Orphans orphans = reapOrphans();
        EXPECT_TRUE(orphans.allGone);
        EXPECT_TRUE(orphans.killedBy.isEmpty()) << "karvo-cli left a child to die on its own, signal " << sig;
    }
}

TEST_F(CliSignalsTest, ClosedOutputCancelsLikeASignal)
{
    Cli cli(dir.path(), slowConversion());
    ASSERT_TRUE(waitForChild(cli.pid(), "ffmpeg")) << cli.err().toStdString();
    ASSERT_TRUE(cli.waitForLine("%")) << cli.err().toStdString();
    cli.closeOutput();
    EXPECT_EQ(cli.finish(), 141) << cli.err().toStdString();
    EXPECT_EQ(entries(), QStringList{"long.mov"});
    const Orphans orphans = reapOrphans();
    EXPECT_TRUE(orphans.allGone);
    EXPECT_TRUE(orphans.killedBy.isEmpty());

    // probe stops too, at the first line it cannot write.
    const QStringList many(40, TestMedia::wav());
    Cli probe(dir.path(), QStringList{"probe"} + many);
    ASSERT_TRUE(probe.waitForLine("duration")) << probe.err().toStdString();
    probe.closeOutput();
    EXPECT_EQ(probe.finish(), 141) << probe.err().toStdString();
    EXPECT_TRUE(reapOrphans().allGone);
}

TEST_F(CliSignalsTest, KilledKarvoTakesFFmpegWithIt)
{
    Cli cli(dir.path(), slowConversion());
    ASSERT_TRUE(waitForChild(cli.pid(), "ffmpeg")) << cli.err().toStdString();
    cli.signal(SIGKILL);
    EXPECT_EQ(cli.finish(), -SIGKILL);
    const Orphans orphans = reapOrphans();
    EXPECT_TRUE(orphans.allGone) << "ffmpeg kept running after karvo-cli was killed";
    EXPECT_EQ(orphans.killedBy, QList<int>{SIGKILL});
}

TEST_F(CliSignalsTest, SignalWhileProbingStopsTheProbe)
{
    // A karvo-cli of its own, beside an ffprobe that never answers (karvo-cli looks in ../libexec/karvo first).
    const QString prefix = dir.filePath("prefix");
    ASSERT_TRUE(QDir().mkpath(prefix + "/bin"));
    const QString program = prefix + "/bin/karvo-cli";
    ASSERT_TRUE(QFile::copy(QStringLiteral(KARVO_CLI_PATH), program));
    ASSERT_FALSE(writeScript(prefix + "/libexec/karvo", "ffprobe", "exec sleep 1000").isEmpty());
    ASSERT_TRUE(QFile::copy(TestMedia::clip(1), dir.filePath("clip.mp4")));

    const QStringList commands[] = {{"mp4", "clip.mp4"}, {"probe", "clip.mp4"}, {"plan", "mp4", "clip.mp4"}};
    for (const QStringList& args : commands) {
        const std::string what = args.join(' ').toStdString();
        Cli cli(dir.path(), args, program);
        ASSERT_TRUE(waitForChild(cli.pid(), "sleep")) << what;
        cli.signal(SIGTERM);
        EXPECT_EQ(cli.finish(), 143) << what << ": " << cli.err().toStdString();
        EXPECT_EQ(cli.out(), "") << what;
        const Orphans orphans = reapOrphans();
        EXPECT_TRUE(orphans.allGone) << "the probe kept running: " << what;
        // A conversion and probe stop their probe themselves; plan exits at once and its probe dies with it.
        if (args.first() != "plan") {
            EXPECT_TRUE(orphans.killedBy.isEmpty()) << what;
        } else {
            EXPECT_TRUE(orphans.killedBy.isEmpty() || orphans.killedBy == QList<int>{SIGKILL});
        }
    }
    EXPECT_EQ(entries(), (QStringList{"clip.mp4", "prefix"}));
}
