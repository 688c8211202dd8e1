// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OutputLocation.h"

#include <QString>
#include <functional>

namespace karvo {

// Asks for a folder when Karvo may not write beside the source: a folder chooser on the main thread.
// The chosen folder is remembered (the output-folder bookmark), so later outputs go there unasked.
class FolderChooserPrompt : public OutputFolderPrompt {
public:
    // Shows a chooser with this window title and returns the chosen folder, or an empty string.
    using Dialog = std::function<QString(const QString& windowTitle)>;

    explicit FolderChooserPrompt(Dialog dialog = {});

    std::optional<QString> chooseFolder(const QString& title, const QString& message) override;

private:
    Dialog m_dialog;
};

} // namespace karvo
