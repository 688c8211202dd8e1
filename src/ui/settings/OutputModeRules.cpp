// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputModeRules.h"

namespace karvo {

using Mode = SettingsDefaults::OutputLocationMode;

OutputPageState OutputModeRules::opened(Mode storedMode, const std::optional<QString>& bookmarkedFolder)
{
    return {storedMode, bookmarkedFolder};
}

OutputPageChange OutputModeRules::modeSelected(const OutputPageState& state, Mode mode)
{
    return {{mode, state.folderPath}, true, OutputPageChange::Bookmark::keep};
}

OutputPageChange OutputModeRules::folderChosen(const OutputPageState& state, const std::optional<QString>& chosen)
{
    if (!chosen || chosen->isEmpty())
        return {state, false, OutputPageChange::Bookmark::keep};
    return {{Mode::custom, *chosen}, true, OutputPageChange::Bookmark::save};
}

OutputPageChange OutputModeRules::cleared(const OutputPageState&)
{
    return {{Mode::besideSource, std::nullopt}, true, OutputPageChange::Bookmark::clear};
}

bool OutputModeRules::showsFolderRow(const OutputPageState& state)
{
    return state.mode == Mode::custom;
}

bool OutputModeRules::showsClear(const OutputPageState& state)
{
    return showsFolderRow(state) && state.folderPath.has_value();
}

} // namespace karvo
