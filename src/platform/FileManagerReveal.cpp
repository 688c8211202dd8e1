// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileManagerReveal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>

namespace karvo {

namespace {
const QString kService = QStringLiteral("org.freedesktop.FileManager1");
const QString kPath = QStringLiteral("/org/freedesktop/FileManager1");
constexpr int kCallTimeoutMs = 5000;
} // namespace

FileManagerReveal::FileManagerReveal(OpenUrl openUrl) : m_openUrl(std::move(openUrl))
{
    if (!m_openUrl)
        m_openUrl = [](const QUrl& url) {
            return QDesktopServices::openUrl(url);
        };
}

QStringList FileManagerReveal::fileUris(const QStringList& paths)
{
    QStringList uris;
    for (const QString& path : paths)
        uris << QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
    return uris;
}

QStringList FileManagerReveal::containingFolders(const QStringList& paths)
{
    QStringList folders;
    for (const QString& path : paths) {
        const QString folder = QFileInfo(path).absolutePath();
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

void FileManagerReveal::reveal(const QStringList& paths, std::function<void(bool shown)> done) const
{
    const auto finish = [done](bool shown) {
        if (done)
            done(shown);
    };
    if (paths.isEmpty()) {
        finish(false);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        finish(openFolders(paths));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("ShowItems"));
    call << fileUris(paths) << QString();
    // Without such a file manager the bus answers at once with an error; one it has to start may take
    // a few seconds.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kCallTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                     [self = *this, paths, finish](QDBusPendingCallWatcher* w) {
                         finish(w->isError() ? self.openFolders(paths) : true);
                         w->deleteLater();
                     });
}

bool FileManagerReveal::openFolders(const QStringList& paths) const
{
    bool opened = false;
    for (const QString& folder : containingFolders(paths))
        opened = m_openUrl(QUrl::fromLocalFile(folder)) || opened;
    return opened;
}

} // namespace karvo
