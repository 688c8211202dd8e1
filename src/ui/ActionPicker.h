// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ActionChips.h"
#include "PendingDrop.h"

#include <QList>
#include <QWidget>
#include <functional>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace karvo {

class ChipButton;

// The actions offered for a pending drop: its summary, Cancel, and one chip per format and tool.
class ActionPicker : public QWidget {
    Q_OBJECT

public:
    explicit ActionPicker(QWidget* parent = nullptr);

    // Rebuilds the chips for `drop`; `backgroundRemoval` adds the Remove Background chip for images.
    void setDrop(const PendingDrop& drop, bool backgroundRemoval);

    void setOnChoose(std::function<void(const RadialAction&)> onChoose) { m_onChoose = std::move(onChoose); }
    void setOnCancel(std::function<void()> onCancel) { m_onCancel = std::move(onCancel); }

    QList<ChipButton*> chipButtons() const { return m_chips; }
    QToolButton* cancelButton() const { return m_cancel; }
    QString summaryText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* chipRow(const QList<ActionChip>& chips);

    QLabel* m_kindIcon = nullptr;
    QLabel* m_summary = nullptr;
    QToolButton* m_cancel = nullptr;
    QVBoxLayout* m_chipArea = nullptr;
    QList<QWidget*> m_rows;
    QList<ChipButton*> m_chips;
    QString m_fullSummary;
    std::function<void(const RadialAction&)> m_onChoose;
    std::function<void()> m_onCancel;
};

} // namespace karvo
