// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplaySession.h"
#include "DragMonitor.h"
#include "EventLoop.h"
#include "QuitSignals.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace karvo;

namespace {

// Runs `work` on a thread of its own while this thread's event loop keeps serving, as a second
// process would; returns its result.
bool onOtherThread(const std::function<bool()>& work)
{
    std::atomic<bool> done{false};
    bool result = false;
    std::thread thread([&] {
        result = work();
        done = true;
    });
    test::waitFor([&] { return done.load(); }, 10000);
    thread.join();
    return result;
}

sockaddr_un socketAddress(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    EXPECT_LT(static_cast<std::size_t>(native.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, native.constData(),
                std::min(static_cast<std::size_t>(native.size()), sizeof address.sun_path - 1));
    return address;
}

// What a crashed instance leaves: a socket file that nobody listens on.
void leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address = socketAddress(path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(path));
}

} // namespace

TEST(SingleInstance, SocketNameCarriesTheUserAndLivesInTheRuntimeFolder)
{
    const QString name = SingleInstance::socketName();
    EXPECT_EQ(name, QDir(qEnvironmentVariable("XDG_RUNTIME_DIR"))
                        .filePath(QStringLiteral("org.tessvane.Karvo-%1").arg(::getuid())));
}

TEST(SingleInstance, RequestsKeepEveryCharacterOfAFileName)
{
    const QStringList files{QStringLiteral("/tmp/line\nbreak.mp4"), QStringLiteral("/tmp/\"quoted\" é 日本.mov"),
                            QStringLiteral("/tmp/-x.mp4")};
    const QByteArray request = SingleInstance::encode(files);
    EXPECT_EQ(request.count('\n'), 1); // one line, ending the request
    EXPECT_EQ(SingleInstance::decode(request.trimmed()), files);
    EXPECT_EQ(SingleInstance::decode(SingleInstance::encode({})), QStringList());
    EXPECT_EQ(SingleInstance::decode("not json"), std::nullopt);
    EXPECT_EQ(SingleInstance::decode(R"({"files":[1,2]})"), std::nullopt);
}

TEST(SingleInstance, ArgumentsBecomeAbsolutePaths)
{
    EXPECT_EQ(SingleInstance::absolutePaths({QStringLiteral("a.mp4"), QStringLiteral("../b/c.mov"),
                                             QStringLiteral("/abs/d.png"),
                                             QStringLiteral("file:///home/u/My%20Clip.mp4"), QStringLiteral("")},
                                            QStringLiteral("/work/dir")),
              (QStringList{QStringLiteral("/work/dir/a.mp4"), QStringLiteral("/work/b/c.mov"),
                           QStringLiteral("/abs/d.png"), QStringLiteral("/home/u/My Clip.mp4")}));
}

TEST(SingleInstance, ASecondStartHandsItsFilesToTheFirst)
{
    SingleInstance first;
    ASSERT_EQ(first.start({}), SingleInstance::Role::primary);
    QList<QStringList> received;
    QObject::connect(&first, &SingleInstance::activated, [&](const QStringList& files) { received << files; });

    const QStringList files{QStringLiteral("/media/a.mp4"), QStringLiteral("/media/b c.png")};
    EXPECT_TRUE(onOtherThread([&] { return SingleInstance::forward(SingleInstance::socketName(), files, 5000); }));
    EXPECT_TRUE(onOtherThread([&] { return SingleInstance::forward(SingleInstance::socketName(), {}, 5000); }));
    test::waitFor([&] { return received.size() == 2; }, 5000);
    EXPECT_EQ(received, (QList<QStringList>{files, {}}));
}

TEST(SingleInstance, ASocketLeftByACrashedInstanceDoesNotStopTheNextStart)
{
    leaveStaleSocket(SingleInstance::socketName());
    SingleInstance next;
    EXPECT_EQ(next.start({}), SingleInstance::Role::primary);
    // The socket is live again: a later start reaches this one.
    bool activated = false;
    QObject::connect(&next, &SingleInstance::activated, [&] { activated = true; });
    EXPECT_TRUE(onOtherThread([] { return SingleInstance::forward(SingleInstance::socketName(), {}, 5000); }));
    test::waitFor([&] { return activated; }, 5000);
    EXPECT_TRUE(activated);
}

TEST(SingleInstance, OnlyTheUserMayConnectAndTheSocketGoesWithTheInstance)
{
    // A bare name lives in the temporary folder, which others share.
    const QString name = QStringLiteral("karvo-test-%1").arg(::getpid());
    const QString path = SingleInstance::socketPath(name);
    EXPECT_EQ(path, QDir(QDir::tempPath()).filePath(name));
    {
        SingleInstance instance(name);
        ASSERT_EQ(instance.start({}), SingleInstance::Role::primary);
        EXPECT_EQ(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                                                   QFile::WriteOther | QFile::ExeGroup | QFile::ExeOther),
                  QFile::Permissions());
        // A second instance under the same name hands over instead of listening too.
        SingleInstance second(name);
        bool forwarded = false;
        QObject::connect(&instance, &SingleInstance::activated, [&] { forwarded = true; });
        EXPECT_TRUE(onOtherThread(
            [&] { return second.start({QStringLiteral("/x.mp4")}, 5000) == SingleInstance::Role::forwarded; }));
        test::waitFor([&] { return forwarded; }, 5000);
        EXPECT_TRUE(forwarded);
    }
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(SingleInstance, ABrokenOrSilentCallerDoesNotStopTheNextOne)
{
    SingleInstance first;
    ASSERT_EQ(first.start({}), SingleInstance::Role::primary);
    QList<QStringList> received;
    QObject::connect(&first, &SingleInstance::activated, [&](const QStringList& files) { received << files; });

    sockaddr_un address = socketAddress(SingleInstance::socketName());
    const auto connected = [&] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        return fd;
    };
    // One that stays connected and says nothing, one that sends half a request and leaves, one that sends
    // something that is not a request.
    const int silent = connected();
    const int half = connected();
    ASSERT_EQ(::write(half, "{\"files\":[\"/a", 13), 13);
    ::close(half);
    const int wrong = connected();
    ASSERT_EQ(::write(wrong, "hello\n", 6), 6);
    // The instance serves them on this thread's event loop: wait for its verdict on the last one.
    ASSERT_TRUE(test::waitFor(
        [&] {
            pollfd ready{wrong, POLLIN, 0};
            return ::poll(&ready, 1, 0) == 1;
        },
        5000));
    char answer[8] = {};
    EXPECT_EQ(::read(wrong, answer, sizeof answer), 0); // closed without "ok"
    ::close(wrong);

    const QStringList files{QStringLiteral("/media/clip.mov")};
    EXPECT_TRUE(onOtherThread([&] { return SingleInstance::forward(SingleInstance::socketName(), files, 5000); }));
    test::waitFor([&] { return !received.isEmpty(); }, 5000);
    EXPECT_EQ(received, QList<QStringList>{files});
    ::close(silent);
}

TEST(SingleInstance, FailsWhereNoSocketCanBeMade)
{
    SingleInstance nowhere(QStringLiteral("/nonexistent-folder/karvo.socket"));
    EXPECT_EQ(nowhere.start({}), SingleInstance::Role::failed);
}

TEST(QuitSignals, SignalsArriveThroughTheEventLoopAndTheOldHandlingReturns)
{
    static std::atomic<int> previousCalls{0};
    struct sigaction previous {};
    previous.sa_handler = [](int) {
        ++previousCalls;
    };
    sigemptyset(&previous.sa_mask);
    ASSERT_EQ(::sigaction(SIGHUP, &previous, nullptr), 0);
    {
        QuitSignals quitSignals;
        ASSERT_TRUE(quitSignals.isInstalled());
        QList<int> received;
        QObject::connect(&quitSignals, &QuitSignals::received, [&](int signal) { received << signal; });
        ::raise(SIGTERM);
        ::raise(SIGHUP);
        ::raise(SIGINT);
        test::waitFor([&] { return received.size() == 3; }, 5000);
        EXPECT_EQ(received, (QList<int>{SIGTERM, SIGHUP, SIGINT}));
        EXPECT_EQ(previousCalls.load(), 0);
    }
    ::raise(SIGHUP);
    EXPECT_EQ(previousCalls.load(), 1);
}

TEST(DisplaySession, PlatformNamesMapToSessionKinds)
{
    EXPECT_EQ(DisplaySession::fromPlatformName(QStringLiteral("xcb")), DisplaySession::Kind::x11);
    EXPECT_EQ(DisplaySession::fromPlatformName(QStringLiteral("wayland-egl")), DisplaySession::Kind::wayland);
    EXPECT_EQ(DisplaySession::fromPlatformName(QStringLiteral("offscreen")), DisplaySession::Kind::other);
}

TEST(DragMonitor, SessionsWithoutAWayToWatchDragsFailToStartAndSayWhy)
{
    const std::unique_ptr<DragMonitor> wayland = DragMonitor::create(DisplaySession::Kind::wayland);
    EXPECT_FALSE(wayland->start({}));
    EXPECT_EQ(wayland->failureSummary(),
              QStringLiteral("Quick Drag needs an X11 session — drag files into the window instead."));
    wayland->stop(); // stopping what never started is harmless

    // No backend for this session: the generic failure text applies.
    const std::unique_ptr<DragMonitor> other = DragMonitor::create(DisplaySession::Kind::other);
    EXPECT_FALSE(other->start({}));
    EXPECT_TRUE(other->failureSummary().isEmpty());
}
