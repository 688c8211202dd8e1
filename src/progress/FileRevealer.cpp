// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileRevealer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace karvo {

namespace {
// Long enough for a file manager that D-Bus has to start first.
constexpr int kShowItemsTimeoutMs = 5000;

void openContainingFolder(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

// org.freedesktop.FileManager1.ShowItems, implemented by the common file managers; where no file
// manager answers, the folder of the first file opens instead.
class FreedesktopRevealer final : public FileRevealer {
public:
    void reveal(const QStringList& paths) override
    {
        if (paths.isEmpty())
            return;
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            openContainingFolder(paths.first());
            return;
        }
        QStringList uris;
        for (const QString& path : paths)
            uris << QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << uris << QString();
        // Asynchronous, so a slow or absent file manager never blocks the panel.
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kShowItemsTimeoutMs));
        const QString first = paths.first();
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [first](QDBusPendingCallWatcher* w) {
            if (w->isError())
                openContainingFolder(first);
            w->deleteLater();
        });
    }
};
} // namespace

std::shared_ptr<FileRevealer> FileRevealer::system()
{
    static const auto instance = std::make_shared<FreedesktopRevealer>();
    return instance;
}

} // namespace karvo
