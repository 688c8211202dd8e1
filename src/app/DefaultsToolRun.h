// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolWindows.h"

#include <functional>

namespace karvo {

// Runs a tool request with the stored defaults, one operation per file, as karvo-cli does without
// options. Stands in for the tool windows until they exist. A file the defaults do not fit is reported.
class DefaultsToolRun : public ToolWindows::Presenter {
public:
    using Enqueue = std::function<void(const DropEnqueue& enqueue)>;
    using Alert = std::function<void(const DropError& error)>;

    // Empty functions mean TaskManager::shared() (with the progress panel's reload) and DropAlerts.
    explicit DefaultsToolRun(Enqueue enqueue = {}, Alert alert = {});

    void present(const ToolRequest& request) override;

private:
    Enqueue m_enqueue;
    Alert m_alert;
};

} // namespace karvo
