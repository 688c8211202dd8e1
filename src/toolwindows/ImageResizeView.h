// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"

namespace karvo {

class ImagePreview;
class RadioChoices;

// "Resize Image": one longest edge for every file, under a preview of the first one.
class ImageResizeView : public ToolView {
public:
    ImageResizeView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);

    // The choice an edge stands at; 1920 px for an edge that is not offered.
    static int presetIndex(int edge);

    int maxEdge() const { return m_parameters.resizeEdge; }
    RadioChoices* edges() const { return m_edges; }
    ImagePreview* preview() const { return m_preview; }

private:
    ToolParameters m_parameters;
    ImagePreview* m_preview;
    RadioChoices* m_edges;
};

} // namespace karvo
