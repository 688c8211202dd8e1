// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QUrl>
#include <unistd.h>

namespace karvo {

namespace {
// Requests end with a newline; JSON keeps any character a file name may hold.
constexpr qsizetype kMaxRequestBytes = 16 * 1024 * 1024;
const QByteArray kAnswer = QByteArrayLiteral("ok\n");
const QString kFilesKey = QStringLiteral("files");

bool answers(const QString& name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    return probe.waitForConnected(250);
}
} // namespace

QString SingleInstance::socketName()
{
    const QString base = QStringLiteral("org.tessvane.Karvo-%1").arg(::getuid());
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(base);
    return base;
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), m_name(std::move(name))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

SingleInstance::~SingleInstance()
{
    // The server's sockets go with it; none of them may call back into a half-destroyed instance.
    for (QLocalSocket* socket : m_buffers.keys())
        socket->disconnect(this);
}

SingleInstance::Role SingleInstance::start(const QStringList& files, int timeoutMs)
{
    // Two starts at the same moment may both find no one listening; the one that loses the race to
    // listen finds the winner on the next round.
    for (int round = 0; round < 3; ++round) {
        if (forward(m_name, files, timeoutMs))
            return Role::forwarded;
        if (listen())
            return Role::primary;
        if (m_server.serverError() != QAbstractSocket::AddressInUseError)
            return Role::failed;
        if (answers(m_name))
            continue;
        // Nobody listens behind the socket: the instance that made it is gone.
        QLocalServer::removeServer(m_name);
    }
    return Role::failed;
}

bool SingleInstance::listen()
{
    return m_server.listen(m_name);
}

bool SingleInstance::forward(const QString& name, const QStringList& files, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(encode(files));
    QByteArray answer;
    while (!answer.contains('\n')) {
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (left <= 0)
            return false;
        if (socket.bytesToWrite() > 0)
            socket.waitForBytesWritten(left);
        else if (!socket.waitForReadyRead(left))
            return false;
        answer += socket.readAll();
    }
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
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        m_buffers.insert(socket, {});
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
        readFrom(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf('\n');
    if (end < 0) {
        if (buffer.size() > kMaxRequestBytes)
            socket->abort();
        return;
    }
    const QByteArray request = buffer.left(end);
    buffer.clear();
    const std::optional<QStringList> files = decode(request);
    if (!files) {
        socket->abort();
        return;
    }
    socket->write(kAnswer);
    socket->flush();
    emit activated(*files);
}

} // namespace karvo
