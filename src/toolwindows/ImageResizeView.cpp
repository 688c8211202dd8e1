// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageResizeView.h"

#include "ImagePreview.h"
#include "Localization.h"
#include "RadioChoices.h"
#include "ToolScaffold.h"
#include "ToolText.h"

#include <QLabel>
#include <QVBoxLayout>

namespace karvo {

int ImageResizeView::presetIndex(int edge)
{
    const qsizetype index = ToolRules::resizeEdges().indexOf(edge);
    return index < 0 ? 1 : static_cast<int>(index);
}

ImageResizeView::ImageResizeView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)),
      m_preview(new ImagePreview(files.isEmpty() ? QString() : files.first().path))
{
    const QList<int> edges = ToolRules::resizeEdges();
    const int preset = presetIndex(m_parameters.resizeEdge);
    m_parameters.resizeEdge = edges.at(preset);

    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(m_preview);
    auto* heading = new QLabel(L("Longest edge"));
    ToolText::headline(heading);
    column->addWidget(heading);

    QStringList labels;
    for (int edge : edges)
        labels << L("%d px", edge);
    // Two columns keep the preview, the heading and four choices inside the window's height.
    m_edges = new RadioChoices(labels, preset, 2);
    m_edges->setAccessibleName(L("Longest edge"));
    m_edges->setOnChange([this, edges](int index) {
        m_parameters.resizeEdge = edges.value(index, edges.at(1));
        scaffold()->refresh();
    });
    column->addWidget(m_edges);

    ToolScaffold::Parts parts;
    parts.content = content;
    parts.onApply = [this](const ToolFile& file) {
        return ToolRules::operation(ToolKind::resizeImage, m_parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
}

} // namespace karvo
