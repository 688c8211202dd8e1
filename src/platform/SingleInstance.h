// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <map>
#include <memory>
#include <optional>

class QSocketNotifier;

namespace karvo {

// One Karvo per user. The first start listens on a local socket; a later start hands its files (or,
// without files, a request to show the window) to the running instance and exits. A socket left behind
// by an instance that crashed is recognised by nobody answering on it, and replaced. The socket is a plain
// Unix-domain stream socket (what QLocalServer makes on Linux, without the networking library it needs,
// which would be loaded at every start for this alone); requests are one JSON line, answered "ok".
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Role {
        primary,   // this process is the running instance and listens
        forwarded, // the running instance took the request
        failed,    // neither: the socket cannot be created, or the running instance did not answer
    };

    // "org.tessvane.Karvo-<uid>", inside $XDG_RUNTIME_DIR when it is set (a folder only the user can
    // enter), otherwise in the temporary folder.
    static QString socketName();
    // The socket's path: `name` itself when absolute, otherwise inside the temporary folder.
    static QString socketPath(const QString& name);

    explicit SingleInstance(QString name = socketName(), QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Becomes the running instance, or hands `files` (absolute paths) to it, waiting at most
    // `timeoutMs` for its answer.
    Role start(const QStringList& files, int timeoutMs = 1000);

    // Client side alone: true once a running instance confirmed it took `files`.
    static bool forward(const QString& name, const QStringList& files, int timeoutMs);
    // The request's bytes and back; a message that is not a request gives none.
    static QByteArray encode(const QStringList& files);
    static std::optional<QStringList> decode(const QByteArray& line);

    // Command-line arguments as absolute paths: relative ones against `workingDirectory`, file:// URLs
    // as their local paths.
    static QStringList absolutePaths(const QStringList& arguments, const QString& workingDirectory);

signals:
    // Another start asked for the window; `files` (possibly empty) are to be treated as opened files.
    void activated(const QStringList& files);

private:
    struct Client {
        int fd = -1;
        QByteArray buffer;
        std::unique_ptr<QSocketNotifier> notifier;
        ~Client();
    };
    enum class Listen { listening, inUse, failed };

    Listen listen();
    void accept();
    void readFrom(int fd);

    const QString m_name;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_accepting;
    std::map<int, std::unique_ptr<Client>> m_clients;
};

} // namespace karvo
