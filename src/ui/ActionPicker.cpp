// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActionPicker.h"

#include "CardBackground.h"
#include "ChipButton.h"
#include "FlowLayout.h"
#include "Localization.h"
#include "SymbolIcons.h"
#include "Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

namespace karvo {

namespace {
// Elides in the middle once the label knows its width, so both the name's start and its extension show.
class MiddleElidedLabel : public QLabel {
public:
    using QLabel::QLabel;
    void setFullText(const QString& text)
    {
        m_full = text;
        refresh();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        refresh();
    }
    QSize minimumSizeHint() const override { return {40, QLabel::minimumSizeHint().height()}; }

private:
    void refresh() { setText(fontMetrics().elidedText(m_full, Qt::ElideMiddle, std::max(40, width()))); }
    QString m_full;
};
} // namespace

ActionPicker::ActionPicker(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);

    auto* header = new QHBoxLayout;
    header->setSpacing(10);
    m_kindIcon = new QLabel(this);
    header->addWidget(m_kindIcon);
    auto* summary = new MiddleElidedLabel(this);
    summary->setFont(Typography::font(12, QFont::DemiBold));
    summary->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_summary = summary;
    header->addWidget(m_summary, 1);
    m_cancel = new QToolButton(this);
    m_cancel->setText(L("Cancel"));
    m_cancel->setAccessibleName(L("Cancel"));
    connect(m_cancel, &QToolButton::clicked, this, [this] {
        if (m_onCancel)
            m_onCancel();
    });
    header->addWidget(m_cancel);
    layout->addLayout(header);

    auto* prompt = new QLabel(L("Choose an action"), this);
    prompt->setFont(Typography::font(10));
    QPalette secondary = prompt->palette();
    secondary.setColor(QPalette::WindowText, Typography::secondaryText(palette()));
    prompt->setPalette(secondary);
    layout->addWidget(prompt);

    m_chipArea = new QVBoxLayout;
    m_chipArea->setSpacing(8);
    layout->addLayout(m_chipArea);
}

QString ActionPicker::summaryText() const
{
    return m_fullSummary;
}

void ActionPicker::setDrop(const PendingDrop& drop, bool backgroundRemoval)
{
    m_fullSummary = drop.summary();
    static_cast<MiddleElidedLabel*>(m_summary)->setFullText(m_fullSummary);
    m_summary->setAccessibleName(m_fullSummary);
    m_kindIcon->setPixmap(SymbolIcons::pixmap(ActionChips::kindSymbol(drop.kind), 18, Typography::accent(palette()),
                                              devicePixelRatioF()));

    // A chip's own click may lead here, so the old rows go once the click has returned.
    for (QWidget* row : std::as_const(m_rows)) {
        row->hide();
        row->deleteLater();
    }
    m_rows.clear();
    m_chips.clear();
    const QList<ActionChip> tools = ActionChips::tools(drop.kind, backgroundRemoval);
    m_rows << chipRow(ActionChips::formats(drop.kind));
    if (!tools.isEmpty())
        m_rows << chipRow(tools);
    for (QWidget* row : m_rows)
        m_chipArea->addWidget(row);
}

QWidget* ActionPicker::chipRow(const QList<ActionChip>& chips)
{
    auto* row = new QWidget(this);
    auto* flow = new FlowLayout(row, 8);
    for (const ActionChip& chip : chips) {
        auto* button = new ChipButton(chip.symbol, chip.title, ChipButton::Width::fit, row);
        const RadialAction action = chip.action;
        connect(button, &QAbstractButton::clicked, this, [this, action] {
            if (m_onChoose)
                m_onChoose(action);
        });
        flow->addWidget(button);
        m_chips << button;
    }
    return row;
}

void ActionPicker::paintEvent(QPaintEvent*)
{
    paintCardBackground(*this, 12, Typography::accent(palette()), 0.06, 0.35);
}

} // namespace karvo
