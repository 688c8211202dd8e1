// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioChoices.h"

#include "Typography.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

namespace karvo {

RadioChoices::RadioChoices(const QStringList& labels, int selected, int columns, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(24);
    columns = std::max(1, columns);
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(labels[i], this);
        button->setFont(Typography::font(13));
        button->setAccessibleName(labels[i]);
        m_group->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
    grid->setColumnStretch(columns, 1);
    setSelected(selected);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked && m_onChange)
            m_onChange(id);
    });
}

int RadioChoices::selected() const
{
    return m_group->checkedId();
}

void RadioChoices::setSelected(int index)
{
    if (QAbstractButton* button = m_group->button(index))
        button->setChecked(true);
}

QRadioButton* RadioChoices::button(int index) const
{
    return qobject_cast<QRadioButton*>(m_group->button(index));
}

} // namespace karvo
