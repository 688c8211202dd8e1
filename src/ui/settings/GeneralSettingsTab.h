// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QComboBox;
class QPushButton;

namespace karvo {

class AppearanceStore;
class LanguageStore;
class QuickDragControls;
class QuickDragController;

// Language, appearance, the Quick Drag switch and the onboarding replay. The pickers write through the
// stores at once; the program rebuilds its windows when they announce the change.
class GeneralSettingsTab : public QWidget {
public:
    GeneralSettingsTab(LanguageStore& languages, AppearanceStore& appearance, QuickDragController& quickDrag,
                       std::function<void()> onReplayDemo, QWidget* parent = nullptr);

    // Entries: "System", a separator, then every language by its own name. Item data is the raw value.
    QComboBox* languagePicker() const { return m_language; }
    // Entries: System, Light, Dark; item data is the raw value.
    QComboBox* appearancePicker() const { return m_appearance; }
    QuickDragControls* quickDragControls() const { return m_quickDrag; }
    QPushButton* replayButton() const { return m_replay; }

private:
    QComboBox* m_language = nullptr;
    QComboBox* m_appearance = nullptr;
    QuickDragControls* m_quickDrag = nullptr;
    QPushButton* m_replay = nullptr;
};

} // namespace karvo
