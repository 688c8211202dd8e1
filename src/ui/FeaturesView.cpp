// SPDX-License-Identifier: GPL-3.0-or-later
#include "FeaturesView.h"

#include "ActionChips.h"
#include "CardBackground.h"
#include "ChipButton.h"
#include "Localization.h"
#include "SymbolIcons.h"
#include "Typography.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace karvo {

namespace {

// A group's rounded, faintly filled background.
class GroupBox : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        paintCardBackground(*this, 14, palette().color(QPalette::WindowText), 0.035, 0.06);
    }
};

QLabel* sectionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(Typography::font(10, QFont::DemiBold));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Typography::secondaryText(pal));
    label->setPalette(pal);
    return label;
}

QString groupTitle(DropKind kind)
{
    switch (kind) {
    case DropKind::video:
        return L("Video files");
    case DropKind::audio:
        return L("Audio files");
    case DropKind::image:
        return L("Image files");
    case DropKind::mixed:
        break;
    }
    return {};
}

// Shown as it stands in every language: these are format names.
QString formatHint(DropKind kind)
{
    switch (kind) {
    case DropKind::video:
        return QStringLiteral("MP4 · MOV · MKV · AVI · WebM · GIF…");
    case DropKind::audio:
        return QStringLiteral("MP3 · M4A · WAV · FLAC · AAC…");
    case DropKind::image:
        return QStringLiteral("JPEG · PNG · HEIC · WebP · TIFF…");
    case DropKind::mixed:
        break;
    }
    return {};
}

QList<RadialAction> actionsOf(const QList<ActionChip>& chips)
{
    QList<RadialAction> actions;
    for (const ActionChip& chip : chips)
        actions << chip.action;
    return actions;
}

} // namespace

FeaturesView::FeaturesView(Pick onPick, bool backgroundRemoval, QWidget* parent)
    : QScrollArea(parent), m_onPick(std::move(onPick))
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMinimumWidth(460);
    setAccessibleName(L("All Features"));

    auto* content = new QWidget(this);
    content->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(22);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(4);
    auto* title = new QLabel(L("All Features"), content);
    title->setFont(Typography::font(17, QFont::Bold));
    heading->addWidget(title);
    auto* subtitle = new QLabel(L("Everything the radial menu can do, grouped by source file."), content);
    subtitle->setFont(Typography::font(12));
    subtitle->setWordWrap(true);
    QPalette pal = subtitle->palette();
    pal.setColor(QPalette::WindowText, Typography::secondaryText(pal));
    subtitle->setPalette(pal);
    heading->addWidget(subtitle);
    layout->addLayout(heading);

    for (const DropKind kind : {DropKind::video, DropKind::audio, DropKind::image})
        layout->addWidget(group(kind, backgroundRemoval));
    layout->addStretch(1);
    setWidget(content);
    viewport()->setAutoFillBackground(false);
}

QList<ChipButton*> FeaturesView::chips(DropKind kind) const
{
    QList<ChipButton*> result;
    for (ChipButton* chip : m_chips) {
        if (m_kinds.value(chip) == kind)
            result << chip;
    }
    return result;
}

QWidget* FeaturesView::group(DropKind kind, bool backgroundRemoval)
{
    auto* box = new GroupBox(widget());
    box->setAccessibleName(groupTitle(kind));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);

    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    auto* symbol = new QLabel(box);
    const int glyph = QFontMetrics(Typography::font(13)).height();
    symbol->setPixmap(
        SymbolIcons::pixmap(ActionChips::kindSymbol(kind), glyph, Typography::accent(palette()), devicePixelRatioF()));
    header->addWidget(symbol);
    auto* title = new QLabel(groupTitle(kind), box);
    title->setFont(Typography::font(13, QFont::DemiBold));
    header->addWidget(title);
    auto* hint = new QLabel(formatHint(kind), box);
    hint->setFont(Typography::font(10));
    QPalette pal = hint->palette();
    pal.setColor(QPalette::WindowText, Typography::secondaryText(pal));
    hint->setPalette(pal);
    header->addWidget(hint);
    header->addStretch(1);
    layout->addLayout(header);

    const QList<RadialAction> formats = actionsOf(ActionChips::formats(kind));
    if (!formats.isEmpty()) {
        layout->addWidget(sectionLabel(L("Convert"), box));
        layout->addWidget(chipGrid(formats, kind, box));
    }
    const QList<RadialAction> tools = actionsOf(ActionChips::tools(kind, backgroundRemoval));
    if (!tools.isEmpty()) {
        layout->addWidget(sectionLabel(L("Tools"), box));
        layout->addWidget(chipGrid(tools, kind, box));
    }
    return box;
}

QWidget* FeaturesView::chipGrid(const QList<RadialAction>& actions, DropKind kind, QWidget* parent)
{
    auto* grid = new QWidget(parent);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    constexpr int columns = 3;
    // Three equal columns even when a group has fewer chips, so chips line up across groups.
    for (int column = 0; column < columns; ++column) {
        layout->setColumnStretch(column, 1);
        layout->setColumnMinimumWidth(column, 10);
    }
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const ActionChip chip = ActionChips::chip(actions[i]);
        auto* button = new ChipButton(chip.symbol, chip.title, ChipButton::Width::cell, grid);
        button->setAccessibleDescription(L("Choose a media file to %@", chip.title));
        button->setToolTip(button->accessibleDescription());
        const RadialAction action = chip.action;
        connect(button, &QAbstractButton::clicked, this, [this, action] {
            if (m_onPick)
                m_onPick(action);
        });
        layout->addWidget(button, int(i / columns), int(i % columns));
        m_chips << button;
        m_kinds.insert(button, kind);
    }
    return grid;
}

} // namespace karvo
