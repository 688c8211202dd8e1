// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace karvo {

class AppearanceStore;
class LanguageStore;
class QuickDragController;

// Everything the settings screen needs from its owner. The stores and the controller outlive the screen.
struct SettingsContext {
    // Shows a folder chooser with this title and message (already localized) and returns the chosen
    // folder, or none when the user cancelled.
    using FolderChooser = std::function<std::optional<QString>(const QString& title, const QString& message)>;

    LanguageStore& languages;
    AppearanceStore& appearance;
    QuickDragController& quickDrag;
    std::function<void()> onBack;
    std::function<void()> onReplayDemo;
    FolderChooser chooseFolder;
    // The About page's "Version %@ (%@)": the project version and the build identifier ("-" when empty).
    QString version;
    QString buildId;
};

} // namespace karvo
