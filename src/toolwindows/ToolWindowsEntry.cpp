// SPDX-License-Identifier: GPL-3.0-or-later
// The tool windows module's entry point, looked up by ToolWindowsModule.
#include "ToolWindowPresenter.h"
#include "ToolWindowsModule.h"

namespace {

std::shared_ptr<karvo::ToolWindows::Presenter> makePresenter(const karvo::ToolServices& services)
{
    return std::make_shared<karvo::ToolWindowPresenter>(services);
}

const karvo::ToolWindowsFunctions functions{&makePresenter};

} // namespace

extern "C" __attribute__((visibility("default"))) const karvo::ToolWindowsFunctions* karvo_toolwindows_functions()
{
    return &functions;
}
