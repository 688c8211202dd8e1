// SPDX-License-Identifier: GPL-3.0-or-later
// The windows laid out in real languages on the offscreen platform, at their default sizes: Arabic mirrors
// them, and every language, German with its long words among them, fits each text into the room it has.
#include "BadgeView.h"
#include "CardCloseButton.h"
#include "ChipButton.h"
#include "Clock.h"
#include "ConversionOp.h"
#include "ElidedLabel.h"
#include "EventLoop.h"
#include "HomeView.h"
#include "HoverRowButton.h"
#include "ImagePreview.h"
#include "LanguageStore.h"
#include "MainWindow.h"
#include "MediaBackend.h"
#include "MediaProbe.h"
#include "OnboardingView.h"
#include "OutputSettingsTab.h"
#include "ParameterRow.h"
#include "PlayerView.h"
#include "Preferences.h"
#include "SettingsDefaults.h"
#include "SettingsDetail.h"
#include "SettingsPages.h"
#include "SettingsView.h"
#include "SnapshotView.h"
#include "TaskCardView.h"
#include "TaskManager.h"
#include "TestMedia.h"
#include "ToolKindTable.h"
#include "ToolScaffold.h"
#include "ToolWindow.h"
#include "ToolWindowPresenter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

// Failure messages with the texts themselves.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace karvo {
inline void PrintTo(AppLanguage language, std::ostream* os)
{
    *os << LanguageStore::rawValue(language).toStdString();
}
} // namespace karvo

using namespace karvo;
namespace TestMedia = karvo::test::TestMedia;

namespace {

std::string s(const QString& text)
{
    return text.toStdString();
}

// The interface language as the program applies it at start: table and number locale, the direction of
// every window, and the locale of Qt's own widgets.
void applyLanguage(AppLanguage language)
{
    LanguageStore::shared().set(language);
    QGuiApplication::setLayoutDirection(LanguageStore::shared().layoutDirection());
    QLocale::setDefault(LanguageStore::localeFor(LanguageStore::shared().resolvedCode()));
}

// Every widget at its real size: pending layouts done, replaced widgets gone.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The width a text takes in a widget's font; "&" only marks a shortcut where the widget reads it so.
int advance(const QWidget* widget, const QString& text, bool mnemonic = true)
{
    QString shown = text;
    if (mnemonic)
        shown.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    int widest = 0;
    for (const QString& line : shown.split(u'\n'))
        widest = std::max(widest, widget->fontMetrics().horizontalAdvance(line));
    return widest;
}

QString describe(const QWidget* widget, const QString& text, int need, int room)
{
    return QStringLiteral("%1 \"%2\": needs %3 px, has %4 px")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text)
        .arg(need)
        .arg(room);
}

QStyleOptionButton buttonOption(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    return option;
}

// The text a button's label shows and the width its style leaves for it; none for a button that draws
// its text itself.
std::optional<int> styleTextRoom(const QAbstractButton* button)
{
    QStyle::SubElement contents;
    if (qobject_cast<const QPushButton*>(button))
        contents = QStyle::SE_PushButtonContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else
        return std::nullopt;
    const QStyleOptionButton option = buttonOption(button);
    int room = button->style()->subElementRect(contents, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

// Every text below `root` that is not shown whole: a button's, a one-line label's or a pop-up button's
// item wider than the room it is given, or such a widget sticking out sideways of a widget holding it
// (nothing here scrolls sideways). File names, elided in the middle on purpose, are left alone.
QStringList cutOffTexts(const QWidget* root)
{
    QStringList cut;
    const auto sticksOut = [&](const QWidget* widget, const QString& text) {
        QRect span = widget->rect();
        for (const QWidget* w = widget; w != root && w->parentWidget(); w = w->parentWidget()) {
            span.translate(w->pos());
            const QWidget* holder = w->parentWidget();
            if (span.left() < 0 || span.right() >= holder->width()) {
                cut << QStringLiteral("%1 \"%2\" sticks out of %3")
                           .arg(QString::fromLatin1(widget->metaObject()->className()), text,
                                QString::fromLatin1(holder->metaObject()->className()));
                return;
            }
        }
    };

    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty())
            continue;
        if (const auto* chip = qobject_cast<const ChipButton*>(button)) {
            if (chip->shownTitle() != chip->text())
                cut << describe(chip, chip->text(), advance(chip, chip->text()), advance(chip, chip->shownTitle()));
        } else if (const std::optional<int> room = styleTextRoom(button)) {
            const int need = advance(button, button->text());
            if (need > *room)
                cut << describe(button, button->text(), need, *room);
        } else if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
            if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly && tool->width() < tool->sizeHint().width())
                cut << describe(tool, tool->text(), tool->sizeHint().width(), tool->width());
        } else if (button->width() < button->sizeHint().width()) {
            cut << describe(button, button->text(), button->sizeHint().width(), button->width());
        }
        sticksOut(button, button->text());
    }

    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() ||
            dynamic_cast<const ElidedLabel*>(label) || Qt::mightBeRichText(label->text()))
            continue;
        const int need = advance(label, label->text(), label->buddy() != nullptr);
        const int room = label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
        if (need > room)
            cut << describe(label, label->text(), need, room);
        sticksOut(label, label->text());
    }

    // A pop-up button shows one of its items at a time, any of them.
    for (const QComboBox* combo : root->findChildren<QComboBox*>()) {
        if (!combo->isVisible() || combo->isEditable())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        option.iconSize = combo->iconSize();
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            const int room = field.width() - (combo->itemIcon(i).isNull() ? 0 : combo->iconSize().width() + 4);
            const int need = advance(combo, combo->itemText(i), false);
            if (need > room)
                cut << describe(combo, combo->itemText(i), need, room);
        }
        sticksOut(combo, combo->currentText());
    }
    cut.removeDuplicates();
    return cut;
}

// Where a widget sits across its window: 0 at the left edge, 1 at the right.
double horizontalCentre(const QWidget* widget)
{
    const QWidget* window = widget->window();
    const QPoint origin = widget->mapTo(window, QPoint(0, 0));
    return (origin.x() + widget->width() / 2.0) / window->width();
}

// A main window that opens on the main screen, as after onboarding.
std::unique_ptr<MainWindow> openMainWindow()
{
    Preferences::setValue(QString::fromLatin1(SettingsDefaults::onboardingDoneKey), true);
    auto window = std::make_unique<MainWindow>();
    window->setFileChooser([](const QStringList&) { return QStringList(); });
    window->show();
    settle();
    return window;
}

// A picture to open the image tools with, made by the real ffmpeg.
QString photo()
{
    return TestMedia::cached(QStringLiteral("layout-photo.png"), [](const QString& path) {
        return TestMedia::ffmpeg({"-f", "lavfi", "-i", "testsrc=size=800x600", "-frames:v", "1", path});
    });
}

// Waits until a tool window shows what it loads: pictures, the first frame, the snapshot's analysis.
void waitUntilLoaded(ToolWindow* window)
{
    for (ImagePreview* preview : window->findChildren<ImagePreview*>())
        test::waitFor([&] { return preview->state() != ImagePreview::State::loading; }, 30000);
    for (PlayerView* player : window->findChildren<PlayerView*>())
        test::waitFor([&] { return player->state() != PlayerView::State::loading; }, 30000);
    for (SnapshotView* snapshot : window->findChildren<SnapshotView*>())
        test::waitFor([&] { return snapshot->analysis() != SnapshotView::Analysis::analysing; }, 30000);
    settle();
}

// Applying hands nothing on: the tool windows here are only looked at.
ToolServices quietServices()
{
    ToolServices services;
    services.enqueue = [](const DropEnqueue&) {
    };
    services.alert = [](const DropError&) {
    };
    services.reload = [] {
    };
    return services;
}

// The script a language is written in, for finding a font that draws it.
QFontDatabase::WritingSystem writingSystemOf(const QString& code)
{
    static const QHash<QString, QFontDatabase::WritingSystem> scripts{
        {"zh-Hans", QFontDatabase::SimplifiedChinese},
        {"ja", QFontDatabase::Japanese},
        {"ko", QFontDatabase::Korean},
        {"ru", QFontDatabase::Cyrillic},
        {"uk", QFontDatabase::Cyrillic},
        {"be", QFontDatabase::Cyrillic},
        {"ar", QFontDatabase::Arabic},
        {"fa", QFontDatabase::Arabic},
        {"hi", QFontDatabase::Devanagari},
        {"bn", QFontDatabase::Bengali},
    };
    return scripts.value(code, QFontDatabase::Latin);
}

// Before the first window: previews through FFmpeg, and text at the size Debian's desktops set (GNOME's
// 11 pt) rather than the offscreen platform's smaller 9 pt, so that texts must fit as people see them.
void prepareApplication()
{
    MediaBackend::selectDefault();
    QFont font = QApplication::font();
    font.setPointSizeF(11);
    QApplication::setFont(font);
}

class LanguageLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() { prepareApplication(); }
    void TearDown() override { applyLanguage(AppLanguage::en); }
};

TEST_F(LanguageLayout, ArabicPutsTheMainWindowsSidebarOnTheRight)
{
    applyLanguage(AppLanguage::ar);
    const auto window = openMainWindow();
    ASSERT_EQ(window->layoutDirection(), Qt::RightToLeft);
    EXPECT_GT(horizontalCentre(window->sidebar()), 0.5);
    EXPECT_LT(horizontalCentre(window->home()), 0.5);
    EXPECT_GT(horizontalCentre(window->settingsRow()), 0.5);

    // The settings screen mirrors the same way: its page list on the right, the page on the left.
    window->showSettings();
    settle();
    ASSERT_NE(window->settings(), nullptr);
    EXPECT_GT(horizontalCentre(window->settings()->pageList()), 0.5);
    EXPECT_LT(horizontalCentre(window->settings()->detail()), 0.5);
}

TEST_F(LanguageLayout, ArabicPutsATaskCardsButtonsOnTheLeft)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString input = dir.filePath(QStringLiteral("clip.mp4"));
    ASSERT_TRUE(QFile::copy(TestMedia::clip(1), input));
    TaskManager manager;
    const TaskPtr done = manager.enqueue(input, ConversionOp::mute());
    const TaskPtr failed = manager.enqueue(dir.filePath(QStringLiteral("gone.mp4")), ConversionOp::mute());
    ASSERT_TRUE(test::waitFor([&] { return !done->isActive() && !failed->isActive(); }, 60000));
    ASSERT_EQ(done->status(), ConversionTask::Status::done) << s(done->error().value_or(QString()));
    ASSERT_EQ(failed->status(), ConversionTask::Status::failed);

    auto services = std::make_shared<CardServices>();
    services->manager = &manager;
    services->clock = Clock::system();
    for (const AppLanguage language : {AppLanguage::en, AppLanguage::ar}) {
        applyLanguage(language);
        const bool rightToLeft = language == AppLanguage::ar;
        for (const TaskPtr& task : {done, failed}) {
            TaskCardView card(task, services);
            card.resize(396, card.sizeHint().height()); // the panel's width less its margins
            card.show();
            settle();
            QList<QPushButton*> shown;
            for (QPushButton* button : {card.openButton(), card.revealButton(), card.retryButton()}) {
                if (button->isVisible())
                    shown << button;
            }
            ASSERT_FALSE(shown.isEmpty());
            for (const QPushButton* button : shown)
                EXPECT_EQ(horizontalCentre(button) < 0.5, rightToLeft) << s(button->text());
            EXPECT_EQ(horizontalCentre(card.closeButton()) < 0.5, rightToLeft);
            EXPECT_EQ(horizontalCentre(card.badge()) > 0.5, rightToLeft);
            EXPECT_EQ(cutOffTexts(&card), QStringList()) << s(card.titleLabel()->text());
        }
    }
}

// A tool window takes the direction when it opens: its footer ends in the apply button, on the right in
// English and on the left in Arabic.
TEST_F(LanguageLayout, ArabicPutsAToolWindowsApplyButtonOnTheLeft)
{
    const QString video = TestMedia::clip(1);
    ToolWindowPresenter presenter(quietServices());
    for (const AppLanguage language : {AppLanguage::en, AppLanguage::ar}) {
        applyLanguage(language);
        presenter.present({ToolKind::split, {{video, MediaProbe::probe(video)}}});
        ToolWindow* window = nullptr;
        for (const QUuid& id : presenter.registry().ids()) {
            if (presenter.registry().window(id)->layoutDirection() == LanguageStore::shared().layoutDirection())
                window = presenter.registry().window(id);
        }
        ASSERT_NE(window, nullptr);
        settle();
        const auto* scaffold = window->findChild<ToolScaffold*>();
        ASSERT_NE(scaffold, nullptr);
        EXPECT_EQ(horizontalCentre(scaffold->applyButton()) < 0.5, language == AppLanguage::ar);
    }
}

// Every language at the default window sizes, German's long words and Russian's among them. A language is
// measured only where some font can draw its script: without one every glyph is a box of no telling width.
class TextsFit : public ::testing::TestWithParam<AppLanguage> {
protected:
    static void SetUpTestSuite() { prepareApplication(); }
    void SetUp() override
    {
        const QString code = LanguageStore::rawValue(GetParam());
        if (!QFontDatabase::writingSystems().contains(writingSystemOf(code)))
            GTEST_SKIP() << "no font on this system draws " << s(code);
        applyLanguage(GetParam());
        ASSERT_EQ(LanguageStore::shared().resolvedCode(), code);
    }
    void TearDown() override { applyLanguage(AppLanguage::en); }
};

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextsFit, ::testing::ValuesIn(LanguageStore::bundled()),
                         [](const ::testing::TestParamInfo<AppLanguage>& language) {
                             return LanguageStore::rawValue(language.param).replace(u'-', u'_').toStdString();
                         });

TEST_P(TextsFit, MainWindow)
{
    const auto window = openMainWindow();
    EXPECT_EQ(window->size(), QSize(820, 640));
    EXPECT_EQ(cutOffTexts(window.get()), QStringList()) << "home";

    // The action picker for each kind of drop, with every chip it can offer.
    for (const QStringList& drop : {QStringList{"/m/holiday.mp4", "/m/beach.mov"}, QStringList{"/m/song.mp3"},
                                    QStringList{"/m/a.mp4", "/m/b.mp3"}, QStringList{"/m/photo.png"}}) {
        window->presentPending(drop);
        settle();
        ASSERT_TRUE(window->home()->isShowingPicker());
        EXPECT_EQ(cutOffTexts(window.get()), QStringList()) << "picker for " << s(drop.join(u' '));
    }
    window->cancelPending();

    window->setTab(MainTab::features);
    settle();
    EXPECT_EQ(cutOffTexts(window.get()), QStringList()) << "all features";

    window->showOnboarding();
    settle();
    ASSERT_NE(window->onboarding(), nullptr);
    for (int page = 0; page < OnboardingView::pageCount; ++page) {
        window->onboarding()->settleTransition();
        settle();
        EXPECT_EQ(cutOffTexts(window.get()), QStringList()) << "onboarding page " << page;
        if (page + 1 < OnboardingView::pageCount)
            window->onboarding()->advance();
    }
}

TEST_P(TextsFit, EverySettingsPage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto window = openMainWindow();
    window->setFolderChooser([&](const QString&, const QString&) { return std::optional<QString>(folder.path()); });
    window->showSettings();
    settle();
    SettingsView* settings = window->settings();
    ASSERT_NE(settings, nullptr);
    for (const SettingsPage page : SettingsPages::all()) {
        settings->selectPage(page);
        settle();
        EXPECT_EQ(cutOffTexts(window.get()), QStringList()) << s(SettingsPages::rawValue(page));
    }

    // The output page's folder row, before and after a folder was chosen.
    settings->selectPage(SettingsPage::output);
    auto* output = dynamic_cast<OutputSettingsTab*>(settings->detail()->content());
    ASSERT_NE(output, nullptr);
    output->customFolderButton()->click();
    settle();
    ASSERT_TRUE(output->chooseButton()->isVisible());
    EXPECT_EQ(cutOffTexts(window.get()), QStringList()) << "no folder chosen";
    output->chooseButton()->click();
    settle();
    ASSERT_TRUE(output->clearButton()->isVisible());
    EXPECT_EQ(cutOffTexts(window.get()), QStringList()) << "a folder chosen";
}

TEST_P(TextsFit, EveryToolWindow)
{
    const QString video = TestMedia::clip1080();
    const std::optional<MediaInfo> videoInfo = MediaProbe::probe(video);
    ASSERT_TRUE(videoInfo.has_value());
    const QString picture = photo();
    ASSERT_FALSE(picture.isEmpty());

    ToolWindowPresenter presenter(quietServices());
    const struct {
        ToolKind kind;
        QList<ToolFile> files;
    } requests[] = {
        {ToolKind::compressVideo, {{video, videoInfo}}},
        {ToolKind::compressImage, {{picture, std::nullopt}}},
        {ToolKind::resizeImage, {{picture, std::nullopt}, {picture, std::nullopt}}},
        {ToolKind::trim, {{video, videoInfo}}},
        {ToolKind::crop, {{video, videoInfo}}},
        {ToolKind::speed, {{video, videoInfo}}},
        {ToolKind::snapshot, {{video, videoInfo}}},
        {ToolKind::split, {{video, videoInfo}, {video, videoInfo}, {video, videoInfo}}},
    };
    for (const auto& request : requests) {
        presenter.present({request.kind, request.files});
        ASSERT_EQ(presenter.registry().count(), 1);
        ToolWindow* window = presenter.registry().window(presenter.registry().ids().first());
        waitUntilLoaded(window);
        // Still at its default size: the content did not have to push the window wider or taller.
        EXPECT_EQ(window->size(), ToolKindTable::entry(request.kind).contentSize) << s(window->windowTitle());
        EXPECT_EQ(cutOffTexts(window), QStringList()) << s(window->windowTitle());
        // Rows one above the other keep their sliders lined up, however long one row's label runs.
        QList<int> sliderEdges;
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (const auto* row = dynamic_cast<const ParameterRow*>(widget))
                sliderEdges << row->slider()->mapTo(window, QPoint()).x();
        }
        for (const int edge : sliderEdges)
            EXPECT_EQ(edge, sliderEdges.first()) << s(window->windowTitle());
        QPointer<ToolWindow> closing = window;
        window->close();
        test::waitFor([&] { return closing.isNull(); }, 5000);
    }
}

} // namespace
