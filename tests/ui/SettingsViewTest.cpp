// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsView.h"

#include "AboutSettingsTab.h"
#include "AppearanceStore.h"
#include "DefaultsSettingsTab.h"
#include "GeneralSettingsTab.h"
#include "LanguageStore.h"
#include "Localization.h"
#include "OutputLocation.h"
#include "OutputModeRules.h"
#include "OutputSettingsTab.h"
#include "Preferences.h"
#include "PrivacySettingsTab.h"
#include "QuickDragController.h"
#include "QuickDragControls.h"
#include "SettingsDefaults.h"
#include "SettingsDetail.h"
#include "SettingsPages.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace karvo;
using Mode = SettingsDefaults::OutputLocationMode;
using Bookmark = OutputPageChange::Bookmark;

namespace {

using Pages = QList<SettingsPage>;

QVariant stored(const char* key)
{
    return Preferences::value(QString::fromLatin1(key));
}

// A German table holding the page titles, as a translation would.
class GermanTitles final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        static const QHash<QString, QString> titles{{"General", "Allgemein"},
                                                    {"Defaults", "Standardwerte"},
                                                    {"Output", "Ausgabe"},
                                                    {"Privacy", "Datenschutz"},
                                                    {"About", QString::fromUtf8("Über")}};
        return titles.value(QString::fromUtf8(source));
    }
};

class SettingsViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    SettingsContext context()
    {
        return {languages,
                appearance,
                quickDrag,
                [this] { ++backs; },
                [this] { ++replays; },
                [this](const QString& title, const QString& message) {
                    askedTitles << title << message;
                    return chooserAnswer;
                },
                QStringLiteral("1.2.3"),
                QStringLiteral("abc1234")};
    }

    QTemporaryDir dir;
    LanguageStore languages;
    AppearanceStore appearance;
    QuickDragController quickDrag{[] { return false; },
                                  [](bool) {
                                  }};
    int backs = 0;
    int replays = 0;
    QStringList askedTitles;
    std::optional<QString> chooserAnswer;
};

} // namespace

TEST(SettingsPages, SearchMatchesTrimmedTitlesIgnoringCase)
{
    EXPECT_EQ(filteredPages(""), SettingsPages::all());
    EXPECT_EQ(filteredPages("   \t "), SettingsPages::all());
    EXPECT_EQ(filteredPages("out"), (Pages{SettingsPage::output, SettingsPage::about}));
    EXPECT_EQ(filteredPages("  OUT "), (Pages{SettingsPage::output, SettingsPage::about}));
    EXPECT_EQ(filteredPages("A"),
              (Pages{SettingsPage::general, SettingsPage::defaults, SettingsPage::privacy, SettingsPage::about}));
    // Subtitles are not searched: General's mentions appearance.
    EXPECT_EQ(filteredPages("appearance"), Pages{});
    EXPECT_EQ(filteredPages("zzz"), Pages{});
}

TEST(SettingsPages, SearchMatchesTheTitlesOfTheInterfaceLanguage)
{
    LanguageStore languages;
    languages.set(AppLanguage::de);
    ASSERT_EQ(languages.resolvedCode(), "de");
    // The shipped German table has no settings titles yet; this one stands in for it.
    Localization::setTranslator(std::make_shared<GermanTitles>());
    EXPECT_EQ(SettingsPages::title(SettingsPage::output), "Ausgabe");
    EXPECT_EQ(filteredPages("aus"), Pages{SettingsPage::output});
    EXPECT_EQ(filteredPages(QString::fromUtf8("ÜBER")), Pages{SettingsPage::about});
    EXPECT_EQ(filteredPages("out"), Pages{}); // the English titles are not what is shown
    EXPECT_EQ(filteredPages("standard"), Pages{SettingsPage::defaults});
    Localization::setTranslator(nullptr);
    Localization::setLocale(QLocale(QLocale::English));
}

TEST(SettingsPages, RawValuesAndHeaders)
{
    for (SettingsPage page : SettingsPages::all())
        EXPECT_EQ(SettingsPages::fromRawValue(SettingsPages::rawValue(page)), page);
    EXPECT_EQ(SettingsPages::fromRawValue("General"), std::nullopt);
    EXPECT_EQ(SettingsPages::subtitle(SettingsPage::output), "Where converted files are saved.");
    EXPECT_EQ(SettingsPages::subtitle(SettingsPage::about), "");
}

TEST(OutputModeRules, SwitchingModesKeepsTheFolder)
{
    const OutputPageState custom = OutputModeRules::opened(Mode::custom, QStringLiteral("/out"));
    const OutputPageChange beside = OutputModeRules::modeSelected(custom, Mode::besideSource);
    EXPECT_EQ(beside, (OutputPageChange{{Mode::besideSource, QStringLiteral("/out")}, true, Bookmark::keep}));
    EXPECT_FALSE(OutputModeRules::showsFolderRow(beside.state));
    const OutputPageChange back = OutputModeRules::modeSelected(beside.state, Mode::custom);
    EXPECT_EQ(back.state, custom);
    EXPECT_TRUE(OutputModeRules::showsClear(back.state));
    EXPECT_FALSE(OutputModeRules::showsClear(OutputModeRules::opened(Mode::custom, std::nullopt)));
}

TEST(OutputModeRules, ChoosingClearingAndCancelling)
{
    const OutputPageState beside = OutputModeRules::opened(Mode::besideSource, std::nullopt);
    EXPECT_EQ(OutputModeRules::folderChosen(beside, std::nullopt), (OutputPageChange{beside, false, Bookmark::keep}));
    EXPECT_EQ(OutputModeRules::folderChosen(beside, QStringLiteral("/new")),
              (OutputPageChange{{Mode::custom, QStringLiteral("/new")}, true, Bookmark::save}));
    EXPECT_EQ(OutputModeRules::cleared({Mode::custom, QStringLiteral("/new")}),
              (OutputPageChange{{Mode::besideSource, std::nullopt}, true, Bookmark::clear}));
}

TEST_F(SettingsViewTest, OpensOnGeneralAndSearchLeavesTheShownPageAlone)
{
    SettingsView view(context());
    EXPECT_EQ(view.page(), SettingsPage::general);
    EXPECT_EQ(view.query(), "");
    EXPECT_EQ(view.pageList()->count(), 5);
    EXPECT_EQ(view.pageList()->currentRow(), 0);
    ASSERT_NE(dynamic_cast<GeneralSettingsTab*>(view.detail()->content()), nullptr);

    view.searchField()->setText("out");
    EXPECT_EQ(view.listedPages(), (Pages{SettingsPage::output, SettingsPage::about}));
    EXPECT_EQ(view.pageList()->item(1)->text(), "About");
    EXPECT_EQ(view.page(), SettingsPage::general);
    EXPECT_EQ(view.detail()->page(), SettingsPage::general);
    EXPECT_TRUE(view.noResultsLabel()->isHidden());

    view.pageList()->setCurrentRow(0); // a click on Output
    EXPECT_EQ(view.page(), SettingsPage::output);
    ASSERT_NE(dynamic_cast<OutputSettingsTab*>(view.detail()->content()), nullptr);

    view.setQuery("zzz");
    EXPECT_EQ(view.pageList()->count(), 0);
    EXPECT_FALSE(view.noResultsLabel()->isHidden());
    EXPECT_EQ(view.detail()->page(), SettingsPage::output);
    view.setQuery(" ");
    EXPECT_EQ(view.pageList()->currentRow(), 2);

    view.backButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(backs, 1);
    EXPECT_EQ(SettingsView(context()).page(), SettingsPage::general);
}

TEST_F(SettingsViewTest, EveryControlOnEveryPageHasAnAccessibleName)
{
    SettingsView view(context());
    for (SettingsPage page : SettingsPages::all()) {
        view.selectPage(page);
        for (QWidget* w : view.findChildren<QWidget*>()) {
            // Scroll bars belong to the scroll areas, which the accessibility layer describes itself.
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 (qobject_cast<QAbstractSlider*>(w) && !qobject_cast<QScrollBar*>(w)) ||
                                 qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QListWidget*>(w) ||
                                 (qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractSpinBox*>(w->parent()) &&
                                  !qobject_cast<QComboBox*>(w->parent()));
            if (control && !w->isHidden()) {
                EXPECT_FALSE(w->accessibleName().isEmpty())
                    << SettingsPages::rawValue(page).toStdString() << ": " << w->metaObject()->className();
            }
        }
    }
}

TEST_F(SettingsViewTest, DefaultsControlsStoreAtOnce)
{
    DefaultsSettingsTab tab;
    EXPECT_FALSE(stored(SettingsDefaults::videoCompressPresetKey).isValid()); // opening writes nothing

    tab.videoPresetPicker()->setCurrentIndex(2);
    EXPECT_EQ(stored(SettingsDefaults::videoCompressPresetKey), QVariant(2));

    QSlider* quality = tab.qualitySlider();
    quality->setValue(quality->minimum());
    EXPECT_EQ(tab.qualityValue()->text(), "40%");
    EXPECT_DOUBLE_EQ(stored(SettingsDefaults::imageCompressQualityKey).toDouble(), 0.4);
    quality->setValue(quality->maximum());
    EXPECT_EQ(tab.qualityValue()->text(), "95%");
    EXPECT_DOUBLE_EQ(SettingsDefaults::imageCompressQuality(), 0.95);

    tab.resizeEdgePicker()->setCurrentIndex(tab.resizeEdgePicker()->findText("800 px"));
    EXPECT_EQ(stored(SettingsDefaults::imageResizeMaxEdgeKey), QVariant(800));
    tab.rotateAnglePicker()->setCurrentIndex(tab.rotateAnglePicker()->findText(QString::fromUtf8("270°")));
    EXPECT_EQ(stored(SettingsDefaults::imageRotateAngleKey), QVariant(270));

    QSlider* speed = tab.speedSlider();
    speed->setValue(speed->minimum());
    EXPECT_EQ(tab.speedValue()->text(), QString::fromUtf8("0.25×"));
    EXPECT_DOUBLE_EQ(stored(SettingsDefaults::speedMultiplierKey).toDouble(), 0.25);
    speed->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_DOUBLE_EQ(SettingsDefaults::speedMultiplier(), 0.5);
    speed->setValue(speed->maximum());
    EXPECT_EQ(tab.speedValue()->text(), QString::fromUtf8("4.00×"));
    EXPECT_DOUBLE_EQ(stored(SettingsDefaults::speedMultiplierKey).toDouble(), 4.0);

    QSpinBox* split = tab.splitStepper();
    EXPECT_EQ(split->text(), "10 s");
    split->setValue(0);
    EXPECT_EQ(stored(SettingsDefaults::splitDurationKey), QVariant(1));
    split->stepDown();
    EXPECT_EQ(split->value(), 1);
    split->setValue(99999);
    EXPECT_EQ(stored(SettingsDefaults::splitDurationKey), QVariant(3600));
    split->stepUp();
    EXPECT_EQ(split->value(), 3600);
}

TEST_F(SettingsViewTest, DefaultsPageShowsStoredValuesClamped)
{
    Preferences::setValue(SettingsDefaults::videoCompressPresetKey, 7);
    Preferences::setValue(SettingsDefaults::imageCompressQualityKey, 2.0);
    Preferences::setValue(SettingsDefaults::imageResizeMaxEdgeKey, 1000);
    Preferences::setValue(SettingsDefaults::imageRotateAngleKey, 45);
    Preferences::setValue(SettingsDefaults::speedMultiplierKey, 10.0);
    Preferences::setValue(SettingsDefaults::splitDurationKey, 0);
    DefaultsSettingsTab tab;
    EXPECT_EQ(tab.videoPresetPicker()->currentText(), "Smallest size");
    EXPECT_EQ(tab.qualitySlider()->value(), tab.qualitySlider()->maximum());
    EXPECT_EQ(tab.qualityValue()->text(), "95%");
    EXPECT_EQ(tab.resizeEdgePicker()->currentText(), "1920 px");
    EXPECT_EQ(tab.rotateAnglePicker()->currentText(), QString::fromUtf8("90°"));
    EXPECT_EQ(tab.speedValue()->text(), QString::fromUtf8("4.00×"));
    EXPECT_EQ(tab.splitStepper()->value(), 1);
    // Showing a corrected value is not storing it.
    EXPECT_EQ(stored(SettingsDefaults::videoCompressPresetKey), QVariant(7));
    EXPECT_EQ(stored(SettingsDefaults::splitDurationKey), QVariant(0));
}

TEST_F(SettingsViewTest, OutputModeSwitchKeepsTheStoredFolder)
{
    const QString folder = QDir::cleanPath(dir.path());
    OutputLocation::saveBookmark(folder);
    Preferences::setValue(SettingsDefaults::outputLocationKey, "custom");
    OutputSettingsTab tab(context().chooseFolder);
    EXPECT_TRUE(tab.customFolderButton()->isChecked());
    EXPECT_FALSE(tab.folderRow()->isHidden());
    EXPECT_EQ(tab.folderText(), folder);
    EXPECT_FALSE(tab.clearButton()->isHidden());

    tab.besideSourceButton()->click();
    EXPECT_EQ(stored(SettingsDefaults::outputLocationKey), QVariant("besideSource"));
    EXPECT_TRUE(tab.folderRow()->isHidden());
    EXPECT_EQ(OutputLocation::bookmarkedDirectory(), folder);

    tab.customFolderButton()->click();
    EXPECT_EQ(stored(SettingsDefaults::outputLocationKey), QVariant("custom"));
    EXPECT_FALSE(tab.folderRow()->isHidden());
    EXPECT_EQ(tab.folderText(), folder);
    EXPECT_EQ(OutputSettingsTab(context().chooseFolder).folderText(), folder); // reopened
}

TEST_F(SettingsViewTest, OutputClearForgetsTheFolderAndGoesBesideTheSource)
{
    OutputLocation::saveBookmark(dir.path());
    Preferences::setValue(SettingsDefaults::outputLocationKey, "custom");
    OutputSettingsTab tab(context().chooseFolder);
    tab.clearButton()->click();
    EXPECT_EQ(OutputLocation::bookmarkedDirectory(), std::nullopt);
    EXPECT_EQ(SettingsDefaults::outputLocationMode(), Mode::besideSource);
    EXPECT_TRUE(tab.besideSourceButton()->isChecked());
    EXPECT_TRUE(tab.folderRow()->isHidden());

    tab.customFolderButton()->click();
    EXPECT_EQ(tab.folderText(), "No folder selected");
    EXPECT_TRUE(tab.clearButton()->isHidden());
}

TEST_F(SettingsViewTest, OutputChooserCancelledChangesNothingChosenIsRemembered)
{
    const QString old = dir.filePath("old");
    ASSERT_TRUE(QDir().mkpath(old));
    OutputLocation::saveBookmark(old);
    OutputSettingsTab tab(context().chooseFolder);
    const OutputPageState before = tab.state();
    ASSERT_EQ(before.mode, Mode::besideSource);

    tab.chooseFolder();
    EXPECT_EQ(askedTitles,
              (QStringList{"Choose a folder for converted files", "Converted files will be saved to this folder."}));
    EXPECT_EQ(tab.state(), before);
    EXPECT_FALSE(stored(SettingsDefaults::outputLocationKey).isValid());
    EXPECT_EQ(OutputLocation::bookmarkedDirectory(), QDir::cleanPath(old));

    const QString chosen = dir.filePath("new");
    ASSERT_TRUE(QDir().mkpath(chosen));
    chooserAnswer = chosen;
    tab.chooseFolder();
    EXPECT_EQ(tab.state(), (OutputPageState{Mode::custom, QDir::cleanPath(chosen)}));
    EXPECT_EQ(stored(SettingsDefaults::outputLocationKey), QVariant("custom"));
    EXPECT_EQ(OutputLocation::bookmarkedDirectory(), QDir::cleanPath(chosen));
    EXPECT_EQ(tab.folderText(), QDir::cleanPath(chosen));
}

TEST_F(SettingsViewTest, GeneralPickersCallTheStores)
{
    int languageChanges = 0;
    int appearanceChanges = 0;
    QObject::connect(&languages, &LanguageStore::languageChanged, [&] { ++languageChanges; });
    QObject::connect(&appearance, &AppearanceStore::appearanceChanged, [&] { ++appearanceChanges; });
    GeneralSettingsTab tab(languages, appearance, quickDrag, [this] { ++replays; });

    QComboBox* language = tab.languagePicker();
    QStringList names;
    for (int i = 2; i < language->count(); ++i)
        names << language->itemText(i);
    QStringList expected;
    for (AppLanguage l : LanguageStore::bundled())
        expected << LanguageStore::nativeName(l);
    EXPECT_EQ(language->itemText(0), "System");
    EXPECT_TRUE(language->itemText(1).isEmpty()); // the separator
    EXPECT_EQ(names, expected);
    EXPECT_EQ(names.size(), 22);
    EXPECT_EQ(names.first(), QString::fromUtf8("简体中文"));
    EXPECT_EQ(language->currentIndex(), 0);

    const int german = language->findText("Deutsch");
    language->setCurrentIndex(german);
    emit language->activated(german);
    QCoreApplication::processEvents();
    EXPECT_EQ(languages.stored(), AppLanguage::de);
    QCoreApplication::processEvents();
    EXPECT_EQ(languageChanges, 1);
    EXPECT_EQ(stored(SettingsDefaults::languageKey), QVariant("de"));

    QComboBox* looks = tab.appearancePicker();
    EXPECT_EQ(looks->count(), 3);
    const int dark = looks->findData("dark");
    looks->setCurrentIndex(dark);
    emit looks->activated(dark);
    QCoreApplication::processEvents();
    EXPECT_EQ(appearance.stored(), AppAppearance::dark);
    EXPECT_EQ(appearanceChanges, 1);

    tab.replayButton()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(replays, 1);
    EXPECT_EQ(tab.quickDragControls()->switchButton()->accessibleName(), "Quick Drag");

    Localization::setTranslator(nullptr);
    Localization::setLocale(QLocale(QLocale::English));
}

TEST_F(SettingsViewTest, PrivacyAndAboutTexts)
{
    SettingsView view(context());
    view.selectPage(SettingsPage::about);
    auto* about = dynamic_cast<AboutSettingsTab*>(view.detail()->content());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->versionLabel()->text(), "Version 1.2.3 (abc1234)");
    EXPECT_TRUE(about->creditsLabel()->text().startsWith("FFmpeg (LGPL 2.1+)\nLAME (LGPL)\ndav1d (BSD 2-Clause)\n"));
    EXPECT_EQ(AboutSettingsTab(QString(), QString()).versionLabel()->text(), "Version 0 (-)");

    view.selectPage(SettingsPage::privacy);
    QStringList texts;
    for (QLabel* label : view.detail()->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(
        texts.contains(QString::fromUtf8("Karvo processes files entirely on your computer — nothing is uploaded.")));
    EXPECT_TRUE(texts.contains("How Karvo handles your data."));
}

TEST_F(SettingsViewTest, RightToLeftPutsTheSidebarOnTheRight)
{
    const Qt::LayoutDirection before = QGuiApplication::layoutDirection();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    {
        SettingsView view(context());
        view.resize(800, 600);
        view.show();
        QCoreApplication::processEvents();
        const int sidebarX = view.pageList()->mapTo(&view, QPoint(0, 0)).x();
        const int detailX = view.detail()->mapTo(&view, QPoint(0, 0)).x();
        EXPECT_GT(sidebarX, detailX);
    }
    QGuiApplication::setLayoutDirection(before);
}

// The owner answers Back, a language or an appearance by replacing the screen; the view must survive
// being deleted in answer, and a folder chosen while the page went away is still remembered.
TEST_F(SettingsViewTest, OwnerMayDeleteTheScreenInAnswer)
{
    QPointer<SettingsView> view;
    SettingsContext ctx = context();
    ctx.onBack = [&] {
        delete view.data();
    };
    view = new SettingsView(ctx);
    view->backButton()->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.isNull());

    QObject::connect(&appearance, &AppearanceStore::appearanceChanged, [&] { delete view.data(); });
    view = new SettingsView(context());
    auto* general = dynamic_cast<GeneralSettingsTab*>(view->detail()->content());
    ASSERT_NE(general, nullptr);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier); // System → Light, as from the keyboard
    QCoreApplication::sendEvent(general->appearancePicker(), &down);
    QCoreApplication::processEvents();
    EXPECT_TRUE(view.isNull());
    EXPECT_EQ(appearance.stored(), AppAppearance::light);

    const QString chosen = dir.filePath("picked");
    ASSERT_TRUE(QDir().mkpath(chosen));
    QPointer<OutputSettingsTab> tab;
    tab = new OutputSettingsTab([&](const QString&, const QString&) {
        delete tab.data();
        return std::optional<QString>(chosen);
    });
    tab->chooseFolder();
    EXPECT_TRUE(tab.isNull());
    EXPECT_EQ(SettingsDefaults::outputLocationMode(), Mode::custom);
    EXPECT_EQ(OutputLocation::bookmarkedDirectory(), QDir::cleanPath(chosen));
}
