// SPDX-License-Identifier: GPL-3.0-or-later
#include "CompressView.h"

#include "Localization.h"
#include "RadioChoices.h"
#include "ToolScaffold.h"
#include "ToolText.h"

#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace karvo {

QList<const char*> CompressView::presetLabels()
{
    return {KV_TRANSLATE_NOOP("High quality"), KV_TRANSLATE_NOOP("Balanced"), KV_TRANSLATE_NOOP("Smallest size")};
}

QList<const char*> CompressView::presetDescriptions()
{
    return {KV_TRANSLATE_NOOP("Preserves more detail with lighter compression."),
            KV_TRANSLATE_NOOP("Balances visual quality and file size."),
            KV_TRANSLATE_NOOP("Stronger compression; fine detail may be lost.")};
}

CompressView::CompressView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)), m_description(new QLabel)
{
    m_parameters.compressPreset = std::clamp(m_parameters.compressPreset, 0, 2);
    QStringList labels;
    for (const char* label : presetLabels())
        labels << L(label);
    m_presets = new RadioChoices(labels, m_parameters.compressPreset);
    m_presets->setAccessibleName(L("Compression"));
    m_presets->setOnChange([this](int index) { setPreset(index); });

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(m_presets);
    ToolText::caption(m_description);
    m_description->setWordWrap(true);
    column->addWidget(m_description);

    ToolScaffold::Parts parts;
    parts.content = content;
    parts.onApply = [this](const ToolFile& file) {
        return ToolRules::operation(ToolKind::compressVideo, m_parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
    setPreset(m_parameters.compressPreset);
}

void CompressView::setPreset(int preset)
{
    m_parameters.compressPreset = std::clamp(preset, 0, 2);
    m_description->setText(L(presetDescriptions().at(m_parameters.compressPreset)));
    scaffold()->refresh();
}

} // namespace karvo
