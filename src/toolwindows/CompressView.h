// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DropPlan.h"
#include "ToolRules.h"
#include "ToolServices.h"
#include "ToolView.h"

class QLabel;

namespace karvo {

class RadioChoices;

// "Compress Video": one of three compression presets for every file, each explained below the choice.
class CompressView : public ToolView {
public:
    CompressView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent = nullptr);

    // The presets' labels and descriptions, English keys in preset order.
    static QList<const char*> presetLabels();
    static QList<const char*> presetDescriptions();

    int preset() const { return m_parameters.compressPreset; }
    RadioChoices* presets() const { return m_presets; }
    QLabel* descriptionLabel() const { return m_description; }

private:
    void setPreset(int preset);

    ToolParameters m_parameters;
    RadioChoices* m_presets;
    QLabel* m_description;
};

} // namespace karvo
