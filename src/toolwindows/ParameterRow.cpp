// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParameterRow.h"

#include "Typography.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <algorithm>

namespace karvo {

ParameterRow::ParameterRow(const QString& label, const QString& sliderName, int valueWidth, QWidget* parent)
    : QWidget(parent), m_label(new QLabel(label, this)), m_slider(new QSlider(Qt::Horizontal, this)),
      m_value(new QLabel(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    m_label->setFont(Typography::font(13));
    m_label->setFixedWidth(std::max(labelWidth, m_label->sizeHint().width()));
    m_label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);

    m_slider->setAccessibleName(sliderName);
    m_label->setBuddy(m_slider);

    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits.setPointSizeF(Typography::font(13).pointSizeF());
    m_value->setFont(digits);
    m_value->setFixedWidth(valueWidth);
    m_value->setAlignment(Qt::AlignCenter);

    row->addWidget(m_label);
    row->addWidget(m_slider, 1);
    row->addWidget(m_value);
}

void ParameterRow::alignLabels(const QList<ParameterRow*>& rows)
{
    int widest = labelWidth;
    for (const ParameterRow* row : rows)
        widest = std::max(widest, row->m_label->minimumWidth());
    for (ParameterRow* row : rows)
        row->m_label->setFixedWidth(widest);
}

void ParameterRow::setValueText(const QString& text)
{
    m_value->setText(text);
    m_value->setAccessibleName(text);
}

QString ParameterRow::valueText() const
{
    return m_value->text();
}

} // namespace karvo
