// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowPresenter.h"

#include "Localization.h"
#include "ToolKindTable.h"
#include "ToolView.h"

namespace karvo {

ToolWindowPresenter::ToolWindowPresenter(const ToolServices& services) : m_services(services.withDefaults()) {}

void ToolWindowPresenter::present(const ToolRequest& request)
{
    if (request.files.isEmpty())
        return;
    const ToolKindTable::Entry entry = ToolKindTable::entry(request.kind);
    if (!entry.build)
        return;
    m_registry.host(L(entry.title), entry.contentSize, QUuid::createUuid(),
                    [&] { return entry.build(request.files, m_services); });
}

} // namespace karvo
