// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplaySession.h"

#include <QGuiApplication>

namespace karvo {

DisplaySession::Kind DisplaySession::current()
{
    return fromPlatformName(QGuiApplication::platformName());
}

DisplaySession::Kind DisplaySession::fromPlatformName(const QString& platformName)
{
    if (platformName == QLatin1String("xcb"))
        return Kind::x11;
    if (platformName.startsWith(QLatin1String("wayland")))
        return Kind::wayland;
    return Kind::other;
}

} // namespace karvo
