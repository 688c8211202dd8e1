// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppearanceStore.h"
#include "EventLoop.h"
#include "Preferences.h"
#include "SettingsDefaults.h"
#include "SystemColors.h"

#include <QApplication>
#include <QStyle>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>

using namespace karvo;

namespace {

const QString kAppearanceKey = QLatin1String(SettingsDefaults::appearanceKey);

double luminance(const QColor& colour)
{
    const auto channel = [](float c) {
        return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void expectReadable(const QPalette& p, const char* name)
{
    SCOPED_TRACE(name);
    EXPECT_GE(contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)), 7.0);
    EXPECT_GE(contrast(p.color(QPalette::Text), p.color(QPalette::Base)), 7.0);
    EXPECT_GE(contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button)), 7.0);
    EXPECT_GE(contrast(p.color(QPalette::ToolTipText), p.color(QPalette::ToolTipBase)), 7.0);
    EXPECT_GE(contrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)), 4.5);
    // The accent also marks things on the window itself (focus, progress, tinted symbols).
    EXPECT_GE(contrast(p.color(QPalette::Highlight), p.color(QPalette::Window)), 3.0);
    EXPECT_GE(contrast(p.color(QPalette::Link), p.color(QPalette::Base)), 4.5);
    EXPECT_GE(contrast(p.color(QPalette::PlaceholderText), p.color(QPalette::Base)), 3.0);
    // Disabled text is visibly weaker than enabled text, yet still there.
    const double disabled =
        contrast(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Disabled, QPalette::Window));
    EXPECT_LT(disabled, contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)));
    EXPECT_GE(disabled, 1.8);
}

class AppearanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Preferences::setFilePath(m_dir.filePath("settings.json"));
    }
    void TearDown() override
    {
        // Cases may share one application: leave it as the desktop had it.
        Preferences::setValue(kAppearanceKey, QStringLiteral("system"));
        AppearanceStore().applyCurrent();
        Preferences::setFilePath({});
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(AppearanceTest, LoadsTheStoredChoiceAndTreatsAnythingElseAsSystem)
{
    EXPECT_EQ(AppearanceStore().stored(), AppAppearance::system) << "absent";
    for (const QVariant& odd : {QVariant(QString()), QVariant(QStringLiteral("Dark")),
                                QVariant(QStringLiteral("sepia")), QVariant(2), QVariant(true)}) {
        Preferences::setValue(kAppearanceKey, odd);
        EXPECT_EQ(AppearanceStore().stored(), AppAppearance::system) << odd.toString().toStdString();
    }
    Preferences::setValue(kAppearanceKey, QStringLiteral("light"));
    EXPECT_EQ(AppearanceStore().stored(), AppAppearance::light);
    EXPECT_FALSE(AppearanceStore::isDark());

    // Loading applies the choice, before any window exists.
    Preferences::setValue(kAppearanceKey, QStringLiteral("dark"));
    const AppearanceStore dark;
    EXPECT_EQ(dark.stored(), AppAppearance::dark);
    EXPECT_TRUE(AppearanceStore::isDark());

    for (const AppAppearance a : {AppAppearance::system, AppAppearance::light, AppAppearance::dark})
        EXPECT_EQ(AppearanceStore::fromRawValue(AppearanceStore::rawValue(a)), a);
    EXPECT_EQ(AppearanceStore::rawValue(AppAppearance::system), "system");
}

TEST_F(AppearanceTest, ChoosingTheSameAppearanceAgainAnnouncesNothing)
{
    AppearanceStore store;
    int announced = 0;
    QObject::connect(&store, &AppearanceStore::appearanceChanged, [&announced] { ++announced; });
    store.set(AppAppearance::dark);
    store.set(AppAppearance::dark);
    test::spin(20);
    EXPECT_EQ(announced, 1);
    store.set(AppAppearance::system);
    store.set(AppAppearance::system);
    test::spin(20);
    EXPECT_EQ(announced, 2);
}

TEST_F(AppearanceTest, DarkAndLightAreReadableAndSystemRestoresTheDesktopsLookExactly)
{
    const QPalette original = QApplication::palette();
    const QString originalStyle = QApplication::style()->name();
    const bool originalSet = QCoreApplication::testAttribute(Qt::AA_SetPalette);
    AppearanceStore store;
    QWidget window; // made before the change: it must follow

    store.set(AppAppearance::dark);
    test::spin(20);
    EXPECT_TRUE(AppearanceStore::isDark());
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightness(), 128);
    EXPECT_EQ(QApplication::style()->name(), "fusion");
    EXPECT_EQ(window.palette().color(QPalette::Window), AppearanceStore::darkPalette().color(QPalette::Window));
    expectReadable(QApplication::palette(), "dark");

    store.set(AppAppearance::light);
    EXPECT_FALSE(AppearanceStore::isDark());
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), AppearanceStore::lightPalette().color(QPalette::Base));
    expectReadable(QApplication::palette(), "light");

    store.set(AppAppearance::system);
    test::spin(20);
    EXPECT_EQ(QApplication::palette(), original);
    EXPECT_EQ(window.palette(), original);
    EXPECT_EQ(QApplication::style()->name(), originalStyle);
    // Back to following the platform, not pinned to a copy of its palette.
    EXPECT_EQ(QCoreApplication::testAttribute(Qt::AA_SetPalette), originalSet);
}

TEST_F(AppearanceTest, TheChoiceIsKeptUnderItsKey)
{
    {
        AppearanceStore store;
        store.set(AppAppearance::light);
        EXPECT_EQ(Preferences::value(kAppearanceKey), QVariant(QStringLiteral("light")));
        store.set(AppAppearance::dark);
    }
    EXPECT_EQ(Preferences::value(kAppearanceKey), QVariant(QStringLiteral("dark")));
    AppearanceStore reopened;
    EXPECT_EQ(reopened.stored(), AppAppearance::dark);
    reopened.set(AppAppearance::system);
    EXPECT_EQ(Preferences::value(kAppearanceKey), QVariant(QStringLiteral("system")));
}

TEST_F(AppearanceTest, AChoiceMadeOnAnotherThreadIsAppliedAndAnnouncedOnTheMainThread)
{
    AppearanceStore store;
    QThread* announcedOn = nullptr;
    bool darkWhenAnnounced = false;
    QObject::connect(
        &store, &AppearanceStore::appearanceChanged, &store,
        [&] {
            announcedOn = QThread::currentThread();
            darkWhenAnnounced = AppearanceStore::isDark();
        },
        Qt::DirectConnection);
    std::thread worker([&store] { store.set(AppAppearance::dark); });
    worker.join();
    EXPECT_EQ(store.stored(), AppAppearance::dark);
    EXPECT_EQ(Preferences::value(kAppearanceKey), QVariant(QStringLiteral("dark")));
    ASSERT_TRUE(test::waitFor([&] { return announcedOn != nullptr; }, 5000));
    EXPECT_EQ(announcedOn, QCoreApplication::instance()->thread());
    EXPECT_TRUE(darkWhenAnnounced);
}

TEST(SystemColors, EachNameHasALightAndADarkValueChosenByThePalette)
{
    const QList<SystemColor> colours = SystemColors::all();
    EXPECT_EQ(colours.size(), 8);
    QList<QRgb> seen;
    for (const SystemColor c : colours) {
        const QColor light = SystemColors::color(c, AppearanceStore::lightPalette());
        const QColor dark = SystemColors::color(c, AppearanceStore::darkPalette());
        EXPECT_EQ(light, SystemColors::color(c, false));
        EXPECT_EQ(dark, SystemColors::color(c, true));
        EXPECT_NE(light, dark);
        EXPECT_EQ(light.alpha(), 255);
        EXPECT_FALSE(seen.contains(light.rgba()));
        seen << light.rgba();
    }
    EXPECT_EQ(SystemColors::color(SystemColor::green, false), QColor(0x34, 0xc7, 0x59));
    EXPECT_EQ(SystemColors::color(SystemColor::red, true), QColor(0xff, 0x45, 0x3a));
    EXPECT_TRUE(SystemColors::isDark(AppearanceStore::darkPalette()));
    EXPECT_FALSE(SystemColors::isDark(AppearanceStore::lightPalette()));
}
