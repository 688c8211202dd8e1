// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstallHint.h"

#include <QFile>
#include <QStringList>

namespace karvo {

QString InstallHint::ffmpegInstallCommand()
{
    QFile file(QStringLiteral("/etc/os-release"));
    if (!file.open(QIODevice::ReadOnly)) {
        QFile fallback(QStringLiteral("/usr/lib/os-release"));
        if (!fallback.open(QIODevice::ReadOnly))
            return ffmpegInstallCommand(QString());
        return ffmpegInstallCommand(QString::fromUtf8(fallback.readAll()));
    }
    return ffmpegInstallCommand(QString::fromUtf8(file.readAll()));
}

QString InstallHint::ffmpegInstallCommand(const QString& osReleaseText)
{
    QStringList ids;
    for (const QString& line : osReleaseText.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (key != u"ID" && key != u"ID_LIKE")
            continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && (value.startsWith(u'"') || value.startsWith(u'\'')))
            value = value.mid(1, value.size() - 2);
        ids += value.toLower().split(u' ', Qt::SkipEmptyParts);
    }
    for (const QString& id : ids) {
        if (id == u"debian" || id == u"ubuntu" || id == u"linuxmint" || id == u"pop")
            return QStringLiteral("sudo apt install ffmpeg");
        if (id == u"fedora" || id == u"rhel" || id == u"centos")
            return QStringLiteral("sudo dnf install ffmpeg");
        if (id == u"arch" || id == u"manjaro" || id == u"endeavouros")
            return QStringLiteral("sudo pacman -S ffmpeg");
        if (id == u"opensuse" || id == u"suse" || id.startsWith(u"opensuse"))
            return QStringLiteral("sudo zypper install ffmpeg");
    }
    return QStringLiteral("sudo apt install ffmpeg");
}

} // namespace karvo
