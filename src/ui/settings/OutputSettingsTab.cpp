// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputSettingsTab.h"

#include "Localization.h"
#include "OutputLocation.h"
#include "Preferences.h"
#include "SettingsSection.h"
#include "SymbolIcons.h"
#include "SystemColors.h"
#include "Typography.h"

#include <QButtonGroup>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace karvo {

namespace {

using Mode = SettingsDefaults::OutputLocationMode;

// One line, shortened in the middle so both ends of a long path stay readable.
class MiddleElidedLabel : public QLabel {
public:
    explicit MiddleElidedLabel(QWidget* parent) : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        // A path reads left to right, but it starts beside the folder symbol in either direction.
        setAlignment((layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
                     Qt::AlignVCenter);
    }
    void setFullText(const QString& text)
    {
        m_full = text;
        setToolTip(text);
        setAccessibleName(text);
        elide();
    }
    QString fullText() const { return m_full; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        elide();
    }

private:
    void elide() { setText(fontMetrics().elidedText(m_full, Qt::ElideMiddle, std::max(0, contentsRect().width()))); }

    QString m_full;
};

} // namespace

OutputSettingsTab::OutputSettingsTab(SettingsContext::FolderChooser chooser, QWidget* parent)
    : QWidget(parent), m_chooseFolder(std::move(chooser)),
      m_state(OutputModeRules::opened(SettingsDefaults::outputLocationMode(), OutputLocation::bookmarkedDirectory()))
{
    QVBoxLayout* column = SettingsSection::formColumn(this);
    auto* section = new SettingsSection({}, this);

    auto* modeRow = new QHBoxLayout;
    auto* modeLabel = new QLabel(L("Save converted files"), this);
    modeLabel->setFont(Typography::font(13));
    modeRow->addWidget(modeLabel, 0, Qt::AlignTop);
    modeRow->addStretch(1);
    auto* choices = new QVBoxLayout;
    choices->setSpacing(6);
    m_besideSource = new QRadioButton(L("Next to the original file"), this);
    m_besideSource->setAccessibleName(L("Next to the original file"));
    m_customFolder = new QRadioButton(L("Custom folder"), this);
    m_customFolder->setAccessibleName(L("Custom folder"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_besideSource);
    group->addButton(m_customFolder);
    choices->addWidget(m_besideSource);
    choices->addWidget(m_customFolder);
    modeRow->addLayout(choices);
    modeLabel->setBuddy(m_besideSource);
    section->addRow(modeRow);
    connect(m_besideSource, &QRadioButton::clicked, this,
            [this] { apply(OutputModeRules::modeSelected(m_state, Mode::besideSource)); });
    connect(m_customFolder, &QRadioButton::clicked, this,
            [this] { apply(OutputModeRules::modeSelected(m_state, Mode::custom)); });

    auto* folder = new QHBoxLayout;
    folder->setSpacing(8);
    auto* icon = new QLabel(this);
    icon->setPixmap(
        SymbolIcons::pixmap(QStringLiteral("folder"), 14, Typography::secondaryText(palette()), devicePixelRatioF()));
    folder->addWidget(icon);
    auto* path = new MiddleElidedLabel(this);
    path->setFont(Typography::font(10));
    m_path = path;
    folder->addWidget(m_path, 1);
    m_choose = new QPushButton(L("Choose…"), this);
    m_choose->setAccessibleName(L("Choose a folder for converted files"));
    m_choose->setFont(Typography::font(11));
    connect(m_choose, &QPushButton::clicked, this, [this] { chooseFolder(); });
    folder->addWidget(m_choose);
    m_clear = new QPushButton(L("Clear"), this);
    m_clear->setAccessibleName(L("Clear"));
    m_clear->setFont(Typography::font(11));
    connect(m_clear, &QPushButton::clicked, this, [this] { clearFolder(); });
    folder->addWidget(m_clear);
    m_folderRow = section->addRow(folder);

    column->addWidget(section);
    column->addWidget(
        SettingsSection::caption(L("If the original folder isn't writable, Karvo asks for a folder instead."), this));
    column->addStretch(1);
    refresh();
}

QString OutputSettingsTab::folderText() const
{
    return static_cast<MiddleElidedLabel*>(m_path)->fullText();
}

void OutputSettingsTab::showEvent(QShowEvent* event)
{
    // The folder may have been chosen elsewhere meanwhile (a save that was refused asks for one).
    m_state.folderPath = OutputLocation::bookmarkedDirectory();
    refresh();
    QWidget::showEvent(event);
}

void OutputSettingsTab::chooseFolder()
{
    // The chooser runs its own event loop, in which the screen may be rebuilt and this page deleted; the
    // user's choice is stored all the same.
    const SettingsContext::FolderChooser chooser = m_chooseFolder;
    if (!chooser)
        return;
    const QPointer<OutputSettingsTab> alive(this);
    const OutputPageState before = m_state;
    std::optional<QString> chosen =
        chooser(L("Choose a folder for converted files"), L("Converted files will be saved to this folder."));
    if (chosen)
        chosen = QDir::cleanPath(*chosen);
    const OutputPageChange change = OutputModeRules::folderChosen(before, chosen);
    if (alive)
        apply(change);
    else
        store(change);
}

void OutputSettingsTab::clearFolder()
{
    apply(OutputModeRules::cleared(m_state));
}

void OutputSettingsTab::store(const OutputPageChange& change)
{
    if (change.storeMode)
        Preferences::setValue(QString::fromLatin1(SettingsDefaults::outputLocationKey),
                              SettingsDefaults::rawValue(change.state.mode));
    if (change.bookmark == OutputPageChange::Bookmark::save && change.state.folderPath)
        OutputLocation::saveBookmark(*change.state.folderPath);
    else if (change.bookmark == OutputPageChange::Bookmark::clear)
        OutputLocation::clearBookmark();
}

void OutputSettingsTab::apply(const OutputPageChange& change)
{
    store(change);
    m_state = change.state;
    refresh();
}

void OutputSettingsTab::refresh()
{
    m_besideSource->setChecked(m_state.mode == Mode::besideSource);
    m_customFolder->setChecked(m_state.mode == Mode::custom);
    m_folderRow->setVisible(OutputModeRules::showsFolderRow(m_state));
    m_clear->setVisible(OutputModeRules::showsClear(m_state));
    auto* path = static_cast<MiddleElidedLabel*>(m_path);
    if (m_state.folderPath) {
        path->setFullText(QDir::toNativeSeparators(*m_state.folderPath));
        SettingsSection::setTextColor(path, Typography::secondaryText(palette()));
    } else {
        path->setFullText(L("No folder selected"));
        SettingsSection::setTextColor(path, SystemColors::color(SystemColor::orange, palette()));
    }
}

} // namespace karvo
