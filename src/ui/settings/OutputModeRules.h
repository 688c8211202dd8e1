// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingsDefaults.h"

#include <QString>
#include <optional>

namespace karvo {

// What the Output settings page shows: where outputs go and the remembered custom folder.
struct OutputPageState {
    SettingsDefaults::OutputLocationMode mode = SettingsDefaults::OutputLocationMode::besideSource;
    std::optional<QString> folderPath;

    bool operator==(const OutputPageState&) const = default;
};

// One step of the Output page: the state it leads to and what it asks of the stored values.
struct OutputPageChange {
    enum class Bookmark { keep, save, clear };

    OutputPageState state;
    bool storeMode = false; // write state.mode under "kv.outputLocation"
    Bookmark bookmark = Bookmark::keep;

    bool operator==(const OutputPageChange&) const = default;
};

// The Output page's rules, kept apart from its widgets. Switching modes never touches the remembered
// folder, so going back to a custom folder shows the same folder again; only Clear forgets it.
class OutputModeRules {
public:
    static OutputPageState opened(SettingsDefaults::OutputLocationMode storedMode,
                                  const std::optional<QString>& bookmarkedFolder);
    static OutputPageChange modeSelected(const OutputPageState& state, SettingsDefaults::OutputLocationMode mode);
    // `chosen` is none when the chooser was cancelled: then nothing changes and nothing is stored.
    static OutputPageChange folderChosen(const OutputPageState& state, const std::optional<QString>& chosen);
    static OutputPageChange cleared(const OutputPageState& state);

    // The folder row (path, Choose…, Clear) is there only for a custom folder; Clear only with a folder.
    static bool showsFolderRow(const OutputPageState& state);
    static bool showsClear(const OutputPageState& state);
};

} // namespace karvo
