// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsSection.h"

#include "CardBackground.h"
#include "Typography.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace karvo {

namespace {

class SectionCard : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        paintCardBackground(*this, 10, palette().color(QPalette::WindowText), 0.035, 0.08);
    }
};

class Hairline : public QWidget {
public:
    explicit Hairline(QWidget* parent) : QWidget(parent)
    {
        setFixedHeight(1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QColor line = palette().color(QPalette::WindowText);
        line.setAlphaF(0.1f);
        QPainter(this).fillRect(rect(), line);
    }
};

} // namespace

SettingsSection::SettingsSection(const QString& heading, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    if (!heading.isEmpty()) {
        auto* title = new QLabel(heading, this);
        title->setFont(Typography::font(11, QFont::DemiBold));
        title->setContentsMargins(4, 0, 4, 0);
        setTextColor(title, Typography::secondaryText(palette()));
        layout->addWidget(title);
    }
    m_card = new SectionCard(this);
    m_rows = new QVBoxLayout(m_card);
    m_rows->setContentsMargins(0, 2, 0, 2);
    m_rows->setSpacing(0);
    layout->addWidget(m_card);
}

void SettingsSection::addRow(QWidget* row)
{
    if (m_rows->count() > 0) {
        auto* line = new Hairline(m_card);
        auto* inset = new QVBoxLayout;
        inset->setContentsMargins(12, 0, 12, 0);
        inset->addWidget(line);
        m_rows->addLayout(inset);
    }
    row->setParent(m_card);
    row->setContentsMargins(12, 8, 12, 8);
    m_rows->addWidget(row);
}

QWidget* SettingsSection::addRow(QLayout* row)
{
    auto* holder = new QWidget(m_card);
    row->setContentsMargins(0, 0, 0, 0);
    holder->setLayout(row);
    addRow(holder);
    return holder;
}

QLabel* SettingsSection::caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(Typography::font(10));
    label->setWordWrap(true);
    setTextColor(label, Typography::secondaryText(label->palette()));
    return label;
}

void SettingsSection::setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QVBoxLayout* SettingsSection::formColumn(QWidget* form)
{
    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(20, 4, 20, 20);
    column->setSpacing(16);
    return column;
}

} // namespace karvo
