// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Actions.h"

#include <QList>
#include <QString>

namespace karvo {

// Formats: conversions to other file formats; tools: operations (Alt held during the drag).
enum class RadialMenuMode { formats, tools };

// One wedge of the Quick Drag ring.
struct RadialSegment {
    QString title;
    QString icon; // symbol name
    bool enabled = true;
    RadialAction action;
};

// The ring's wedges for what is dragged, wedge 0 at the top and the others clockwise. The same lists
// and titles serve the main window's action picker and the features catalogue.
class RadialSegments {
public:
    // `backgroundRemoval`: whether a segmentation model is installed; the wedge exists only then.
    static QList<RadialSegment> segments(DropKind kind, RadialMenuMode mode, bool backgroundRemoval);
    // In the current language.
    static QString toolTitle(ToolAction tool);
    static QString toolIcon(ToolAction tool);
};

} // namespace karvo
