// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowPresenter.h"

#include "Localization.h"
#include "ToolKindTable.h"
#include "ToolView.h"

namespace karvo {

ToolWindowPresenter::ToolWindowPresenter(std::shared_ptr<ToolWindows::Presenter> fallback, const ToolServices& services)
    : m_fallback(std::move(fallback)), m_services(services.withDefaults())
{
}

void ToolWindowPresenter::present(const ToolRequest& request)
{
    if (request.files.isEmpty())
        return;
    const ToolKindTable::Entry entry = ToolKindTable::entry(request.kind);
    if (!entry.build) {
        if (m_fallback)
            m_fallback->present(request);
        return;
    }
    m_registry.host(L(entry.title), entry.contentSize, QUuid::createUuid(),
                    [&] { return entry.build(request.files, m_services); });
}

} // namespace karvo
