// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefaultsToolRun.h"

#include "DropAlerts.h"
#include "Localization.h"
#include "ProgressHook.h"
#include "TaskManager.h"
#include "ToolRules.h"

#include <QFileInfo>

namespace karvo {

DefaultsToolRun::DefaultsToolRun(Enqueue enqueue, Alert alert)
    : m_enqueue(std::move(enqueue)), m_alert(std::move(alert))
{
    if (!m_enqueue) {
        m_enqueue = [](const DropEnqueue& e) {
            TaskManager::shared().enqueue(e.path, e.op, e.info);
            ProgressHook::reload();
        };
    }
    if (!m_alert)
        m_alert = [](const DropError& e) {
            DropAlerts::present(e.title, e.message);
        };
}

void DefaultsToolRun::present(const ToolRequest& request)
{
    const ToolParameters parameters = ToolParameters::fromDefaults(request.files);
    for (const ToolFile& file : request.files) {
        if (const std::optional<ConversionOp> op = ToolRules::operation(request.kind, parameters, file))
            m_enqueue({file.path, *op, file.info});
        else
            m_alert({L("Cannot process %@", QFileInfo(file.path).fileName()),
                     L("This file doesn't fit the chosen settings.")});
    }
}

} // namespace karvo
