// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIcon.h"

#include <QApplication>

namespace karvo::AppIcon {

QString bundledPath()
{
    return QStringLiteral(":/karvo/org.tessvane.Karvo.svg");
}

QIcon current()
{
    const QIcon window = QApplication::windowIcon();
    return window.isNull() ? QIcon(bundledPath()) : window;
}

QIcon themed()
{
    return QIcon::fromTheme(QStringLiteral("org.tessvane.Karvo"), QIcon(bundledPath()));
}

} // namespace karvo::AppIcon
