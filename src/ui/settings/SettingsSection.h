// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLayout;
class QVBoxLayout;

namespace karvo {

// One group of a settings form: an optional heading over a rounded card whose rows are separated by
// hairlines.
class SettingsSection : public QWidget {
public:
    explicit SettingsSection(const QString& heading = {}, QWidget* parent = nullptr);

    void addRow(QWidget* row);
    // A row made of a layout; returns the widget that holds it.
    QWidget* addRow(QLayout* row);

    // The small secondary text under a form or a control.
    static QLabel* caption(const QString& text, QWidget* parent);
    static void setTextColor(QWidget* widget, const QColor& color);
    // The vertical column a form's sections go in, with the form's margins and spacing.
    static QVBoxLayout* formColumn(QWidget* form);

private:
    QWidget* m_card = nullptr;
    QVBoxLayout* m_rows = nullptr;
};

} // namespace karvo
