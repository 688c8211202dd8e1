// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolScaffold.h"

#include "DocGlyph.h"
#include "ElidedLabel.h"
#include "ToolText.h"
#include "Typography.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace karvo {

namespace {
QString fileName(const ToolFile& file)
{
    return QFileInfo(file.path).fileName();
}

// The prominent look: the accent colour behind the title, as for the one action a window exists for.
void makeProminent(QPushButton* button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::Button, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::Button, palette.color(QPalette::Inactive, QPalette::Highlight));
    palette.setColor(QPalette::Active, QPalette::ButtonText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    palette.setColor(QPalette::Inactive, QPalette::ButtonText,
                     palette.color(QPalette::Inactive, QPalette::HighlightedText));
    button->setPalette(palette);
    button->setFont(Typography::font(13, QFont::Medium));
    // The large control size.
    button->setMinimumHeight(button->fontMetrics().height() + 16);
}
} // namespace

ToolScaffold::ToolScaffold(const QList<ToolFile>& files, Parts parts, const ToolServices& services, QWidget* parent)
    : QWidget(parent), m_files(files), m_applyTitle(parts.applyTitle), m_onApply(std::move(parts.onApply)),
      m_services(services.withDefaults()), m_caption(new ElidedLabel(this)), m_description(new QLabel(this)),
      m_applyButton(new QPushButton(this))
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(16, 16, 16, 16);
    stack->setSpacing(0);
    stack->addStretch(1);

    auto* header = new QHBoxLayout;
    header->setSpacing(6);
    header->addWidget(new DocGlyph(this), 0, Qt::AlignVCenter);
    m_caption->setText(fileCaption());
    ToolText::caption(m_caption);
    header->addWidget(m_caption, 1, Qt::AlignVCenter);
    stack->addLayout(header);
    stack->addSpacing(8);

    stack->addWidget(parts.content ? parts.content : new QWidget(this));

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    stack->addSpacing(8);
    stack->addWidget(divider);
    stack->addSpacing(8);

    stack->addWidget(parts.controls ? parts.controls : new QWidget(this));

    // A little air between the last control and the button, which would otherwise touch it.
    stack->addSpacing(12);
    auto* footer = new QHBoxLayout;
    m_description->setWordWrap(true);
    ToolText::caption(m_description);
    m_description->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    footer->addWidget(m_description, 1, Qt::AlignVCenter);
    footer->addSpacing(12);
    makeProminent(m_applyButton);
    m_applyButton->setDefault(true);
    footer->addWidget(m_applyButton, 0, Qt::AlignVCenter);
    stack->addLayout(footer);
    stack->addStretch(1);

    connect(m_applyButton, &QPushButton::clicked, this, &ToolScaffold::apply);
    refresh();
}

QString ToolScaffold::fileCaption(const QList<ToolFile>& files)
{
    if (files.isEmpty())
        return {};
    const QString name = fileName(files.first());
    if (files.size() < 2)
        return name;
    return Ln("%@ + %d more", name, files.size() - 1);
}

QString ToolScaffold::applyLabel(const char* applyTitle, qsizetype count)
{
    if (count < 2)
        return L(applyTitle);
    return Ln("Apply to %d files", count);
}

QString ToolScaffold::outputDescription(const std::optional<ConversionOp>& firstOperation, const QString& firstPath)
{
    if (firstOperation && firstOperation->is<ops::Split>())
        return L("MP4 files · Saved beside the original");
    QString extension;
    if (firstOperation)
        extension = firstOperation->outputSuffix(QFileInfo(firstPath).suffix().toLower()).ext.toUpper();
    return L("%@ · Saved beside the original", extension);
}

QString ToolScaffold::outputDescription() const
{
    if (m_files.isEmpty())
        return outputDescription(std::nullopt, QString());
    const ToolFile& first = m_files.first();
    return outputDescription(m_onApply ? m_onApply(first) : std::nullopt, first.path);
}

void ToolScaffold::setCanApply(bool canApply)
{
    m_canApply = canApply;
    m_applyButton->setEnabled(canApply);
}

void ToolScaffold::refresh()
{
    m_description->setText(outputDescription());
    m_applyButton->setText(applyLabel());
    m_applyButton->setMinimumWidth(std::max(88, m_applyButton->fontMetrics().horizontalAdvance(applyLabel()) + 36));
    m_applyButton->setAccessibleName(applyLabel());
    m_applyButton->setEnabled(m_canApply);
}

void ToolScaffold::apply()
{
    for (const ToolFile& file : std::as_const(m_files)) {
        if (const std::optional<ConversionOp> op = m_onApply ? m_onApply(file) : std::nullopt)
            m_services.enqueue({file.path, *op, file.info});
        else
            m_services.alert({L("Cannot process %@", fileName(file)), L("This file doesn't fit the chosen settings.")});
    }
    m_services.reload();
    window()->close();
}

} // namespace karvo
