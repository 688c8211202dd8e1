// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QButtonGroup;
class QRadioButton;

namespace karvo {

// A single choice among a few labelled options as radio buttons, filled row by row into `columns` columns.
// The labels are already localized.
class RadioChoices : public QWidget {
public:
    RadioChoices(const QStringList& labels, int selected, int columns = 1, QWidget* parent = nullptr);

    int selected() const;
    void setSelected(int index);
    QRadioButton* button(int index) const;
    // Called with the new index each time the user picks another option.
    void setOnChange(std::function<void(int index)> onChange) { m_onChange = std::move(onChange); }

private:
    QButtonGroup* m_group;
    std::function<void(int)> m_onChange;
};

} // namespace karvo
