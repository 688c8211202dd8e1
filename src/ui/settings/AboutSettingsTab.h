// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace karvo {

// Karvo's icon, name, version with build identifier, and the components it is built on.
class AboutSettingsTab : public QWidget {
public:
    // `buildId` empty stands for an unknown build ("-"); `version` empty for "0".
    AboutSettingsTab(const QString& version, const QString& buildId, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return m_version; }
    QLabel* creditsLabel() const { return m_credits; }
    // Component names and licences, shown as they are.
    static QString credits();

private:
    QLabel* m_version = nullptr;
    QLabel* m_credits = nullptr;
};

} // namespace karvo
