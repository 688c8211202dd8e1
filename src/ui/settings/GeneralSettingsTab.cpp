// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeneralSettingsTab.h"

#include "AppearanceStore.h"
#include "LanguageStore.h"
#include "Localization.h"
#include "QuickDragControls.h"
#include "SettingsSection.h"
#include "SymbolIcons.h"
#include "Typography.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace karvo {

namespace {

// Choices and the replay take effect once the picker or button has finished handling its click: the
// owner answers them by rebuilding its windows, which deletes this page.
void afterThisEvent(QObject* context, std::function<void()> action)
{
    QMetaObject::invokeMethod(
        context,
        [action = std::move(action)] {
            if (action)
                action();
        },
        Qt::QueuedConnection);
}

QHBoxLayout* labelledRow(const QString& label, QWidget* control, QWidget* parent)
{
    auto* row = new QHBoxLayout;
    auto* text = new QLabel(label, parent);
    text->setFont(Typography::font(13));
    text->setBuddy(control);
    row->addWidget(text);
    row->addStretch(1);
    row->addWidget(control);
    return row;
}

} // namespace

GeneralSettingsTab::GeneralSettingsTab(LanguageStore& languages, AppearanceStore& appearance,
                                       QuickDragController& quickDrag, std::function<void()> onReplayDemo,
                                       QWidget* parent)
    : QWidget(parent)
{
    QVBoxLayout* column = SettingsSection::formColumn(this);

    auto* looks = new SettingsSection({}, this);
    m_language = new QComboBox(this);
    m_language->setAccessibleName(L("Language"));
    m_language->addItem(L("System"), LanguageStore::rawValue(AppLanguage::system));
    m_language->insertSeparator(1);
    // Each language under its own name, so that anyone can find theirs whatever is shown now.
    for (AppLanguage language : LanguageStore::bundled())
        m_language->addItem(LanguageStore::nativeName(language), LanguageStore::rawValue(language));
    m_language->setCurrentIndex(m_language->findData(LanguageStore::rawValue(languages.stored())));
    m_language->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_language->setMaxVisibleItems(24);
    connect(m_language, &QComboBox::activated, this, [this, &languages](int index) {
        if (const auto chosen = LanguageStore::fromRawValue(m_language->itemData(index).toString()))
            afterThisEvent(&languages, [&languages, language = *chosen] { languages.set(language); });
    });
    looks->addRow(labelledRow(L("Language"), m_language, this));

    m_appearance = new QComboBox(this);
    m_appearance->setAccessibleName(L("Appearance"));
    const QColor symbolColor = palette().color(QPalette::WindowText);
    m_appearance->addItem(SymbolIcons::icon(QStringLiteral("circle.lefthalf.filled"), symbolColor), L("System"),
                          AppearanceStore::rawValue(AppAppearance::system));
    m_appearance->addItem(SymbolIcons::icon(QStringLiteral("sun.max"), symbolColor), L("Light"),
                          AppearanceStore::rawValue(AppAppearance::light));
    m_appearance->addItem(SymbolIcons::icon(QStringLiteral("moon"), symbolColor), L("Dark"),
                          AppearanceStore::rawValue(AppAppearance::dark));
    m_appearance->setCurrentIndex(m_appearance->findData(AppearanceStore::rawValue(appearance.stored())));
    m_appearance->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_appearance, &QComboBox::activated, this, [this, &appearance](int index) {
        if (const auto chosen = AppearanceStore::fromRawValue(m_appearance->itemData(index).toString()))
            afterThisEvent(&appearance, [&appearance, look = *chosen] { appearance.set(look); });
    });
    looks->addRow(labelledRow(L("Appearance"), m_appearance, this));
    column->addWidget(looks);

    auto* quickDragSection = new SettingsSection({}, this);
    m_quickDrag = new QuickDragControls(quickDrag, this);
    quickDragSection->addRow(m_quickDrag);
    column->addWidget(quickDragSection);

    auto* onboarding = new SettingsSection({}, this);
    m_replay = new QPushButton(L("Replay demo"), this);
    m_replay->setAccessibleName(L("Replay demo"));
    connect(m_replay, &QPushButton::clicked, this,
            [this, onReplayDemo = std::move(onReplayDemo)] { afterThisEvent(this, onReplayDemo); });
    onboarding->addRow(labelledRow(L("Onboarding"), m_replay, this));
    column->addWidget(onboarding);
    column->addStretch(1);
}

} // namespace karvo
