// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageStore.h"

#include "Localization.h"
#include "Preferences.h"
#include "Printers.h"
#include "SettingsDefaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

const QString kLanguageKey = QLatin1String(SettingsDefaults::languageKey);

struct ResolveCase {
    QStringList preferred;
    QStringList available;
    QString expected;
};

TEST(LanguageResolution, FollowsThePreferredLanguagesToAnAvailableTable)
{
    const QStringList shipped = LanguageStore::availableCodes();
    const QStringList withHant = shipped + QStringList{"zh-Hant"};
    const ResolveCase cases[] = {
        {{"zh-Hant-TW"}, shipped, "zh-Hans"},
        {{"zh_TW"}, shipped, "zh-Hans"},
        {{"zh-HK", "en"}, shipped, "zh-Hans"},
        {{"zh-MO"}, shipped, "zh-Hans"},
        {{"zh-Hant-TW"}, withHant, "zh-Hant"},
        {{"zh_TW"}, withHant, "zh-Hant"},
        {{"zh-Hans-CN"}, withHant, "zh-Hans"},
        {{"zh"}, shipped, "zh-Hans"},
        {{"zh-Hant", "de"}, {"de", "en"}, "de"}, // neither Chinese table: go on
        {{"zh-CN", "fr"}, {"fr"}, "fr"},
        {{"pt-BR", "en"}, shipped, "pt"},
        {{"pt_BR"}, shipped, "pt"},
        {{"de-AT"}, shipped, "de"},
        {{"en-GB", "de"}, shipped, "en"},
        {{"gd", "tlh", "fr-CA"}, shipped, "fr"},
        {{"gd", "tlh"}, shipped, "en"},
        {{}, shipped, "en"},
        {{"C"}, shipped, "en"},
        {{"ar-EG"}, shipped, "ar"},
        {{"fa_IR"}, shipped, "fa"},
        {{"DE"}, shipped, "en"}, // codes are compared as written
    };
    for (const ResolveCase& c : cases)
        EXPECT_EQ(LanguageStore::resolve(c.preferred, c.available), c.expected) << c.preferred.join(u',').toStdString();
}

TEST(LanguageResolution, PreferredLanguagesComeFromLanguageThenTheLocaleVariablesThenTheSystem)
{
    const auto environment = [](std::initializer_list<std::pair<const char*, const char*>> vars) {
        QProcessEnvironment env;
        for (const auto& [name, value] : vars)
            env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        return env;
    };
    EXPECT_EQ(LanguageStore::preferredLanguages(environment({{"LANGUAGE", "de:fr_FR"}, {"LANG", "it_IT.UTF-8"}}),
                                                {"ja-JP", "de"}),
              QStringList({"de", "fr_FR", "it_IT", "ja-JP"}));
    EXPECT_EQ(LanguageStore::preferredLanguages(
                  environment({{"LC_ALL", "sv_SE.UTF-8"}, {"LC_MESSAGES", "pl_PL"}, {"LANG", "cs_CZ"}}), {}),
              QStringList({"sv_SE"}));
    EXPECT_EQ(
        LanguageStore::preferredLanguages(environment({{"LC_MESSAGES", "ru_RU.KOI8-R@latin"}, {"LANG", "cs_CZ"}}), {}),
        QStringList({"ru_RU"}));
    // The C locale names no language: the system's list decides.
    EXPECT_EQ(LanguageStore::preferredLanguages(environment({{"LC_ALL", "C.UTF-8"}, {"LANGUAGE", ""}}), {"C", "uk-UA"}),
              QStringList({"uk-UA"}));
    EXPECT_EQ(
        LanguageStore::resolve(LanguageStore::preferredLanguages(environment({{"LANG", "pt_BR.UTF-8"}}), {"en-US"}),
                               LanguageStore::availableCodes()),
        "pt");
}

TEST(LanguageTable, CodesNamesAndOrder)
{
    const QList<AppLanguage> bundled = LanguageStore::bundled();
    ASSERT_EQ(bundled.size(), 22);
    EXPECT_EQ(bundled.front(), AppLanguage::zhHans);
    EXPECT_EQ(bundled.back(), AppLanguage::af);
    EXPECT_EQ(LanguageStore::availableCodes().mid(0, 4), QStringList({"zh-Hans", "en", "ja", "ko"}));
    for (AppLanguage language : bundled + QList<AppLanguage>{AppLanguage::system})
        EXPECT_EQ(LanguageStore::fromRawValue(LanguageStore::rawValue(language)), language);
    EXPECT_EQ(LanguageStore::fromRawValue("zh-Hant"), std::nullopt);
    EXPECT_EQ(LanguageStore::fromRawValue("DE"), std::nullopt);
    EXPECT_EQ(LanguageStore::nativeName(AppLanguage::system), "");
    EXPECT_EQ(LanguageStore::nativeName(AppLanguage::zhHans), QString::fromUtf8("简体中文"));
    EXPECT_EQ(LanguageStore::nativeName(AppLanguage::cs), QString::fromUtf8("Čeština"));
    EXPECT_EQ(LanguageStore::nativeName(AppLanguage::fa), QString::fromUtf8("فارسی"));
}

TEST(LanguageTable, OnlyArabicAndPersianAreWrittenRightToLeft)
{
    for (const QString& code : LanguageStore::availableCodes())
        EXPECT_EQ(LanguageStore::isRightToLeft(code), code == "ar" || code == "fa") << code.toStdString();
}

TEST(LanguageTable, NumbersFollowTheLanguagesLocale)
{
    EXPECT_EQ(Localization::format("%d min ago", {5}, LanguageStore::localeFor("ar")), QString::fromUtf8("٥ min ago"));
    EXPECT_EQ(Localization::format("%d", {12}, LanguageStore::localeFor("fa")), QString::fromUtf8("۱۲"));
    EXPECT_EQ(Localization::format("%.1f", {2.5}, LanguageStore::localeFor("de")), "2,5");
    EXPECT_EQ(Localization::format("%.1f", {2.5}, LanguageStore::localeFor("en")), "2.5");
}

// Every language but English (the keys themselves) has a compiled table in the program, for its language.
TEST(LanguageTable, EveryTranslatedLanguageHasAnEmbeddedTable)
{
    for (const QString& code : LanguageStore::availableCodes()) {
        if (code == "en")
            continue;
        QTranslator table;
        EXPECT_TRUE(table.load(LanguageStore::tablePath(code))) << code.toStdString();
        EXPECT_EQ(table.language(), QString(code).replace(u'-', u'_'));
    }
}

class LanguageStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Preferences::setFilePath(m_dir.filePath("settings.json"));
    }
    void TearDown() override
    {
        if (m_language.isNull())
            qunsetenv("LANGUAGE");
        else
            qputenv("LANGUAGE", m_language);
        Preferences::setFilePath({});
        Localization::setTranslator(nullptr);
        Localization::setLocale(QLocale(QLocale::English));
    }

    QTemporaryDir m_dir;
    const QByteArray m_language = qgetenv("LANGUAGE");
};

TEST_F(LanguageStoreTest, LoadsTheStoredLanguageAndItsTable)
{
    Preferences::setValue(kLanguageKey, "de");
    LanguageStore store;
    EXPECT_EQ(store.stored(), AppLanguage::de);
    EXPECT_EQ(store.resolvedCode(), "de");
    EXPECT_EQ(store.layoutDirection(), Qt::LeftToRight);
    ASSERT_NE(Localization::translator(), nullptr);
    EXPECT_EQ(Localization::translator()->language(), "de");
    EXPECT_EQ(L("Cancel"), "Abbrechen");
    EXPECT_EQ(L("%.1f", 2.5), "2,5");
}

TEST_F(LanguageStoreTest, AnUnrecognisedOrMistypedValueMeansSystem)
{
    // LANGUAGE leads the system's preferred languages.
    qputenv("LANGUAGE", "pt_BR:de");
    for (const QVariant& value : {QVariant("klingon"), QVariant(""), QVariant(5), QVariant("De"), QVariant()}) {
        if (value.isValid())
            Preferences::setValue(kLanguageKey, value);
        else
            Preferences::remove(kLanguageKey);
        LanguageStore store;
        EXPECT_EQ(store.stored(), AppLanguage::system) << value.toString().toStdString();
        EXPECT_EQ(store.resolvedCode(), "pt");
        ASSERT_NE(Localization::translator(), nullptr);
        EXPECT_EQ(Localization::translator()->language(), "pt");
    }
}

TEST_F(LanguageStoreTest, SettingStoresAppliesAndAnnouncesOnceAChange)
{
    LanguageStore store;
    int announced = 0;
    QObject::connect(&store, &LanguageStore::languageChanged, [&announced] { ++announced; });

    store.set(AppLanguage::ar);
    // Applied at once, for every thread's L; announced through the event loop.
    EXPECT_EQ(Preferences::value(kLanguageKey), QVariant("ar"));
    EXPECT_EQ(store.layoutDirection(), Qt::RightToLeft);
    // The Arabic table's text, with the count in Arabic-Indic digits.
    EXPECT_EQ(Ln("%d min ago", 5), QString::fromUtf8("منذ ٥ دقائق"));
    EXPECT_EQ(announced, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(announced, 1);

    store.set(AppLanguage::ar);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(announced, 1);

    store.set(AppLanguage::fa);
    store.set(AppLanguage::en);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(announced, 3);
    EXPECT_EQ(Preferences::value(kLanguageKey), QVariant("en"));
    EXPECT_EQ(store.layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(Localization::translator(), nullptr);
    EXPECT_EQ(L("%d min ago", 5), "5 min ago");

    qputenv("LANGUAGE", "fa_IR");
    store.set(AppLanguage::system);
    EXPECT_EQ(Preferences::value(kLanguageKey), QVariant("system"));
    EXPECT_EQ(store.resolvedCode(), "fa");
    EXPECT_EQ(store.layoutDirection(), Qt::RightToLeft);
}

} // namespace
