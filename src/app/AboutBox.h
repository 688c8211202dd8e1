// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace karvo {

// The About window: name, version with build identifier, and the credits.
class AboutBox {
public:
    static QString version(); // "0.1.0 (abc1234)"; "-" for an unknown build
    static QString credits(); // one line per component
    static void show(QWidget* parent);
};

} // namespace karvo
