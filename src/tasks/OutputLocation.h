// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace karvo {

// Where outputs go and what they are called. The custom output folder is remembered in a bookmark
// file (its absolute path) in the "Tessvane" data folder.
class OutputLocation {
public:
    static QString dataFolder();   // ~/.local/share/Tessvane
    static QString bookmarkPath(); // <dataFolder>/output-folder.bookmark

    // The saved folder, or none when there is no bookmark or its folder no longer exists.
    static std::optional<QString> bookmarkedDirectory();
    // Written atomically; errors are ignored (a bookmark that cannot be written means no custom folder).
    static void saveBookmark(const QString& folder);
    static void clearBookmark();

    // folder/name when free, else "stem 2.ext", "stem 3.ext", ... (split at the last dot of name).
    static QString uniqueFile(const QString& folder, const QString& name);

    // errno values that mean "not writable here": the output is relocated rather than failed.
    static bool isPermissionDenied(int error);
};

// How the front end lets the user pick a folder when writing beside the source is refused: the
// desktop program shows a folder chooser, the command line uses --output-dir. Called on the main thread.
class OutputFolderPrompt {
public:
    virtual ~OutputFolderPrompt() = default;
    // The chosen folder, or none when the user declined. `title` and `message` are already localized.
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& message) = 0;
};

} // namespace karvo
