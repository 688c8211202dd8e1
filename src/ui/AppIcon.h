// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace karvo::AppIcon {

// The path of the icon drawn for Karvo, shipped inside the program.
QString bundledPath();

// What Karvo's own windows show of its icon (the home header, About, onboarding): the application's window icon
// once launch has set it, before that the shipped one, so nothing waits for the icon theme.
QIcon current();

// The icon the window manager and the tray are given: the icon theme's "org.tessvane.Karvo" when one provides
// it (a theme may restyle it), otherwise the shipped one. The lookup reads the theme's index files.
QIcon themed();

} // namespace karvo::AppIcon
