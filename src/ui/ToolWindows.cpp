// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindows.h"

namespace karvo {

ToolWindows& ToolWindows::shared()
{
    static ToolWindows instance;
    return instance;
}

void ToolWindows::setPresenter(std::shared_ptr<Presenter> presenter)
{
    m_presenter = std::move(presenter);
}

void ToolWindows::present(const ToolRequest& request)
{
    if (request.files.isEmpty() || !m_presenter)
        return;
    m_presenter->present(request);
}

} // namespace karvo
