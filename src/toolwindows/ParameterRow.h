// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QSlider;

namespace karvo {

// One parameter of a tool: its label in a 52 px column (wider when a translation needs it, so no label is
// cut), a slider taking the rest of the width, and the current value in monospaced digits in a column of
// `valueWidth`, so the row does not shift while the value changes. The label is already localized.
class ParameterRow : public QWidget {
public:
    ParameterRow(const QString& label, const QString& sliderName, int valueWidth, QWidget* parent = nullptr);

    static constexpr int labelWidth = 52;
    // Rows shown one above the other share the widest of their label columns, so their sliders line up.
    static void alignLabels(const QList<ParameterRow*>& rows);

    QSlider* slider() const { return m_slider; }
    void setValueText(const QString& text);
    QString valueText() const;
    QLabel* label() const { return m_label; }

private:
    QLabel* m_label;
    QSlider* m_slider;
    QLabel* m_value;
};

} // namespace karvo
