// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolServices.h"
#include "ToolWindowRegistry.h"
#include "ToolWindows.h"

#include <memory>

namespace karvo {

// Opens one tool window per request: a new window every time, even for a request identical to one whose
// window is still open.
class ToolWindowPresenter : public ToolWindows::Presenter {
public:
    explicit ToolWindowPresenter(const ToolServices& services = {});

    void present(const ToolRequest& request) override;

    ToolWindowRegistry& registry() { return m_registry; }

private:
    ToolServices m_services;
    ToolWindowRegistry m_registry;
};

} // namespace karvo
