// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace karvo {

// What Karvo does with the user's files: it keeps them on the computer.
class PrivacySettingsTab : public QWidget {
public:
    explicit PrivacySettingsTab(QWidget* parent = nullptr);
};

} // namespace karvo
