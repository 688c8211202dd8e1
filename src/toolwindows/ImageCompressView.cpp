// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageCompressView.h"

#include "ImagePreview.h"
#include "Localization.h"
#include "ToolScaffold.h"
#include "ToolText.h"

#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

namespace karvo {

QString ImageCompressView::percentText(double quality)
{
    return L("%d%%", std::lround(quality * 100));
}

ImageCompressView::ImageCompressView(const QList<ToolFile>& files, const ToolServices& services, QWidget* parent)
    : ToolView(parent), m_parameters(ToolParameters::fromDefaults(files)),
      m_preview(new ImagePreview(files.isEmpty() ? QString() : files.first().path)),
      m_slider(new QSlider(Qt::Horizontal)), m_percent(new QLabel)
{
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(m_preview);
    auto* heading = new QLabel(L("Quality"));
    ToolText::headline(heading);
    column->addWidget(heading);

    m_slider->setAccessibleName(L("Quality"));
    heading->setBuddy(m_slider);
    m_slider->setRange(static_cast<int>(std::lround(ToolRules::minImageQuality * sliderScale)),
                       static_cast<int>(std::lround(ToolRules::maxImageQuality * sliderScale)));
    m_slider->setSingleStep(10);
    m_slider->setPageStep(50);
    m_slider->setValue(static_cast<int>(std::lround(m_parameters.imageQuality * sliderScale)));
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) { setQuality(double(value) / sliderScale); });
    column->addWidget(m_slider);

    ToolText::caption(m_percent);
    column->addWidget(m_percent);

    ToolScaffold::Parts parts;
    parts.content = content;
    parts.onApply = [this](const ToolFile& file) {
        return ToolRules::operation(ToolKind::compressImage, m_parameters, file);
    };
    setScaffold(new ToolScaffold(files, std::move(parts), services));
    setQuality(m_parameters.imageQuality);
}

void ImageCompressView::setQuality(double quality)
{
    m_parameters.imageQuality = quality;
    m_percent->setText(percentText(quality));
    m_slider->setAccessibleDescription(m_percent->text());
    scaffold()->refresh();
}

} // namespace karvo
