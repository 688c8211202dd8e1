// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolServices.h"
#include "ToolWindows.h"

#include <memory>

namespace karvo {

// The presenter the desktop program installs: loads the tool windows module at the first request and hands
// every request to the module's presenter. A module that cannot be loaded turns each request into an alert
// that says why; the next request tries again, so a reinstall needs no restart.
class ToolWindowsLoader : public ToolWindows::Presenter {
public:
    // `services.alert` shows the failure; the same services reach the module's windows.
    explicit ToolWindowsLoader(const ToolServices& services);

    void present(const ToolRequest& request) override;

private:
    ToolServices m_services;
    std::shared_ptr<ToolWindows::Presenter> m_presenter;
};

} // namespace karvo
