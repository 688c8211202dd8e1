// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace karvo {

namespace {
// Requests end with a newline; JSON keeps any character a file name may hold.
constexpr qsizetype kMaxRequestBytes = 16 * 1024 * 1024;
const QByteArray kAnswer = QByteArrayLiteral("ok\n");
const QString kFilesKey = QStringLiteral("files");

std::optional<sockaddr_un> addressOf(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (native.isEmpty() || static_cast<std::size_t>(native.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    return address;
}

// Blocking sends and receives on `fd` give up after `ms` (at least one millisecond: zero would mean never).
void setTimeouts(int fd, qint64 ms)
{
    ms = std::max<qint64>(ms, 1);
    const timeval limit{static_cast<time_t>(ms / 1000), static_cast<suseconds_t>((ms % 1000) * 1000)};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
}

// A connected socket to whoever listens at `path`, or -1: nobody listens (no socket, or one left behind by an
// instance that is gone) or it did not take the connection within `timeoutMs`.
int connectTo(const QString& path, int timeoutMs)
{
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address)
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    setTimeouts(fd, timeoutMs);
    int result;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool answers(const QString& path)
{
    const int fd = connectTo(path, 250);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}
} // namespace

SingleInstance::Client::~Client()
{
    notifier.reset();
    if (fd >= 0)
        ::close(fd);
}

QString SingleInstance::socketName()
{
    const QString base = QStringLiteral("org.tessvane.Karvo-%1").arg(::getuid());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(base);
    return base;
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), m_name(std::move(name)) {}

SingleInstance::~SingleInstance()
{
    m_clients.clear();
    m_accepting.reset();
    if (m_listener >= 0) {
        ::close(m_listener);
        // The socket was ours: the next start should not have to find out that nobody answers behind it.
        ::unlink(QFile::encodeName(socketPath(m_name)).constData());
    }
}

QString SingleInstance::socketPath(const QString& name)
{
    return QDir::isAbsolutePath(name) ? name : QDir(QDir::tempPath()).filePath(name);
}

SingleInstance::Role SingleInstance::start(const QStringList& files, int timeoutMs)
{
    const QString path = socketPath(m_name);
    // Two starts at the same moment may both find no one listening; the one that loses the race to
    // listen finds the winner on the next round.
    for (int round = 0; round < 3; ++round) {
        if (forward(m_name, files, timeoutMs))
            return Role::forwarded;
        switch (listen()) {
        case Listen::listening:
            return Role::primary;
        case Listen::failed:
            return Role::failed;
        case Listen::inUse:
            break;
        }
        if (answers(path))
            continue;
        // Nobody listens behind the socket: the instance that made it is gone.
        ::unlink(QFile::encodeName(path).constData());
    }
    return Role::failed;
}

SingleInstance::Listen SingleInstance::listen()
{
    const QString path = socketPath(m_name);
    const std::optional<sockaddr_un> address = addressOf(path);
    if (!address)
        return Listen::failed;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Listen::failed;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        const bool inUse = errno == EADDRINUSE;
        ::close(fd);
        return inUse ? Listen::inUse : Listen::failed;
    }
    // In a shared temporary folder only this user may connect (the runtime folder is the user's alone anyway).
    // Until then the socket has the umask's permissions, which never let others write to it, so connect.
    if (::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        ::unlink(address->sun_path);
        return Listen::failed;
    }
    m_listener = fd;
    m_accepting = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_accepting.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
    return Listen::listening;
}

bool SingleInstance::forward(const QString& name, const QStringList& files, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const int fd = connectTo(socketPath(name), timeoutMs);
    if (fd < 0)
        return false;
    const auto left = [&] {
        return timeoutMs - clock.elapsed();
    };
    const QByteArray request = encode(files);
    qsizetype sent = 0;
    while (sent < request.size() && left() > 0) {
        setTimeouts(fd, left());
        const ssize_t n =
            ::send(fd, request.constData() + sent, static_cast<std::size_t>(request.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += n;
        else if (n < 0 && errno != EINTR)
            break;
    }
    QByteArray answer;
    while (sent == request.size() && !answer.contains('\n') && answer.size() <= kAnswer.size() && left() > 0) {
        setTimeouts(fd, left());
        char chunk[64];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0)
            answer.append(chunk, n);
        else if (n == 0 || errno != EINTR)
            break; // closed without an answer, or the time is up
    }
    ::close(fd);
    return answer == kAnswer;
}

QByteArray SingleInstance::encode(const QStringList& files)
{
    const QJsonObject request{{kFilesKey, QJsonArray::fromStringList(files)}};
    return QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<QStringList> SingleInstance::decode(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue value = document.object().value(kFilesKey);
    if (!value.isArray())
        return std::nullopt;
    QStringList files;
    for (const QJsonValue& file : value.toArray()) {
        if (!file.isString())
            return std::nullopt;
        files << file.toString();
    }
    return files;
}

QStringList SingleInstance::absolutePaths(const QStringList& arguments, const QString& workingDirectory)
{
    QStringList paths;
    const QDir base(workingDirectory);
    for (const QString& argument : arguments) {
        if (argument.isEmpty())
            continue;
        const QUrl url(argument);
        if (url.isLocalFile() && argument.startsWith(QLatin1String("file:"))) {
            paths << QDir::cleanPath(url.toLocalFile());
            continue;
        }
        paths << QDir::cleanPath(base.absoluteFilePath(argument));
    }
    return paths;
}

void SingleInstance::accept()
{
    for (;;) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return; // none waiting (or a connection that gave up before it was taken)
        }
        auto client = std::make_unique<Client>();
        client->fd = fd;
        client->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(client->notifier.get(), &QSocketNotifier::activated, this, [this, fd] { readFrom(fd); });
        m_clients[fd] = std::move(client);
        readFrom(fd);
    }
}

void SingleInstance::readFrom(int fd)
{
    const auto found = m_clients.find(fd);
    if (found == m_clients.end())
        return;
    Client& client = *found->second;
    // Called from the client's own notifier: it goes once this turn of the event loop is over.
    const auto drop = [this, found] {
        if (QSocketNotifier* notifier = found->second->notifier.release()) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
        m_clients.erase(found);
    };
    for (;;) {
        char chunk[64 * 1024];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            client.buffer.append(chunk, n);
            if (client.buffer.size() > kMaxRequestBytes) {
                drop();
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (!client.buffer.contains('\n')) {
            drop(); // closed, or failed, before a whole request
            return;
        }
        break;
    }
    const qsizetype end = client.buffer.indexOf('\n');
    if (end < 0)
        return;
    const std::optional<QStringList> files = decode(client.buffer.left(end));
    if (files) {
        // Three bytes into an empty socket: they fit.
        [[maybe_unused]] const ssize_t n = ::send(fd, kAnswer.constData(), kAnswer.size(), MSG_NOSIGNAL);
    }
    drop();
    if (files)
        emit activated(*files);
}

} // namespace karvo
