// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActionPicker.h"

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
    const QIcon kind = SymbolIcons::icon(ActionChips::kindSymbol(drop.kind));
    m_kindIcon->setPixmap(kind.pixmap(18, 18));
    m_kindIcon->setVisible(!kind.isNull());

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
    const QColor accent = Typography::accent(palette());
    const QString style = QStringLiteral("QToolButton { padding: 5px 10px; border-radius: 8px;"
                                         " border: 1px solid rgba(%1,%2,%3,90); background: rgba(%1,%2,%3,20); }"
                                         " QToolButton:hover { background: rgba(%1,%2,%3,45); }"
                                         " QToolButton:focus { border: 2px solid rgba(%1,%2,%3,200); }")
                              .arg(accent.red())
                              .arg(accent.green())
                              .arg(accent.blue());
    for (const ActionChip& chip : chips) {
        auto* button = new QToolButton(row);
        button->setText(chip.title);
        button->setAccessibleName(chip.title);
        button->setFont(Typography::font(10, QFont::Medium));
        const QIcon icon = SymbolIcons::icon(chip.symbol);
        if (!icon.isNull()) {
            button->setIcon(icon);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        button->setStyleSheet(style);
        button->setCursor(Qt::PointingHandCursor);
        const RadialAction action = chip.action;
        connect(button, &QToolButton::clicked, this, [this, action] {
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
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor accent = Typography::accent(palette());
    QColor fill = accent;
    fill.setAlphaF(0.06f);
    QColor stroke = accent;
    stroke.setAlphaF(0.35f);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    p.fillPath(path, fill);
    p.setPen(QPen(stroke, 1));
    p.drawPath(path);
}

} // namespace karvo
