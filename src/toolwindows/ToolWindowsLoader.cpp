// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowsLoader.h"

#include "Localization.h"
#include "ToolWindowsModule.h"

#include <QDebug>

namespace karvo {

ToolWindowsLoader::ToolWindowsLoader(const ToolServices& services) : m_services(services) {}

void ToolWindowsLoader::present(const ToolRequest& request)
{
    if (request.files.isEmpty())
        return;
    if (!m_presenter) {
        const ToolWindowsModule::Loaded loaded = ToolWindowsModule::load();
        if (!loaded.functions) {
            const DropError error{L("Tool windows unavailable"),
                                  L("Karvo's tool windows could not be loaded: %@. Reinstall Karvo.", loaded.error)};
            if (m_services.alert)
                m_services.alert(error);
            else
                qWarning().noquote() << error.title << error.message;
            return;
        }
        m_presenter = loaded.functions->makePresenter(m_services);
    }
    m_presenter->present(request);
}

} // namespace karvo
