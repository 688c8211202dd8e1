// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"
#include "DropPlan.h"
#include "ToolServices.h"

#include <QSize>

namespace karvo {

class ToolView;

// What each tool's window is: its title, the size of its content area, and how its view is made.
class ToolKindTable {
public:
    using Builder = ToolView* (*)(const QList<ToolFile>& files, const ToolServices& services);

    struct Entry {
        const char* title; // English key, shown through L
        QSize contentSize;
        Builder build; // none for a tool whose window does not exist yet
    };

    static Entry entry(ToolKind kind);
};

} // namespace karvo
