// SPDX-License-Identifier: GPL-3.0-or-later
#include "Localization.h"

#include "Printers.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

using namespace karvo;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kArabic(QLocale::Arabic, QLocale::Egypt);
const QLocale kGerman(QLocale::German, QLocale::Germany);

struct FormatCase {
    const char* text;
    QList<LocalizedArg> args;
    QLocale locale;
    QString expected;
};

TEST(LocalizationFormat, Specifiers)
{
    const FormatCase cases[] = {
        {"Converting to %@", {"MP4"}, kEnglish, "Converting to MP4"},
        {"%@ has no audio to mute.", {"clip 100%.mov"}, kEnglish, "clip 100%.mov has no audio to mute."},
        {"%d files", {3}, kEnglish, "3 files"},
        {"%i, %u", {-4, 7u}, kEnglish, "-4, 7"},
        {"%ld and %lld", {5L, 6LL}, kEnglish, "5 and 6"},
        {"%d", {1234567}, kEnglish, "1234567"},
        {"%d", {2.7}, kEnglish, "2"},
        {"%2$@ then %1$@", {"first", "second"}, kEnglish, "second then first"},
        {"%1$@, %1$@ and %2$d", {"a", 2}, kEnglish, "a, a and 2"},
        {"100%% of %@", {"x"}, kEnglish, "100% of x"},
        {"%d%%", {50}, kEnglish, "50%"},
        {"%.3f s", {1.23456}, kEnglish, "1.235 s"},
        {"%.1f", {2}, kEnglish, "2.0"},
        {"%f", {1.5}, kEnglish, "1.500000"},
        {"%.2f", {1234.5}, kEnglish, "1234.50"},
        {"%@", {2.5}, kEnglish, "2.5"},
        {"%@", {42}, kEnglish, "42"},
        {"50% off %@", {"today"}, kEnglish, "50% off today"},
        {"ends with %", {"unused"}, kEnglish, "ends with %"},
        {"%d", {12}, kArabic, QString::fromUtf8("١٢")},
        {"%d ملفات", {3}, kArabic, QString::fromUtf8("٣ ملفات")},
        {"%.1f", {2.5}, kGerman, "2,5"},
        {"%d", {12345}, kGerman, "12345"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(Localization::format(QString::fromUtf8(c.text), c.args, c.locale), c.expected) << c.text;
}

TEST(LocalizationFormat, TextWithoutArgumentsIsLeftAsWritten)
{
    EXPECT_EQ(L("100% done"), "100% done");
    EXPECT_EQ(L("%d%% and %@"), "%d%% and %@");
    EXPECT_EQ(L("%d%%", 5), "5%");
}

TEST(LocalizationFormat, LFollowsTheInterfaceLocale)
{
    EXPECT_EQ(L("%d files", 12), "12 files");
    Localization::setLocale(kArabic);
    EXPECT_EQ(L("%d files", 12), QString::fromUtf8("١٢ files"));
    // Clocks and times written outside the tables follow the same digits and decimal point.
    EXPECT_EQ(Localization::localDigits(QStringLiteral("1:05.25")), QString::fromUtf8("١:٠٥٫٢٥"));
    Localization::setLocale(QLocale(QLocale::German));
    EXPECT_EQ(Localization::localDigits(QStringLiteral("1:05.25")), QStringLiteral("1:05,25"));
    Localization::setLocale(QLocale(QLocale::English));
    EXPECT_EQ(L("%d files", 12), "12 files");
    EXPECT_EQ(Localization::localDigits(QStringLiteral("1:05.25")), QStringLiteral("1:05.25"));
}

// A German table compiled by lrelease, as the build compiles the shipped ones (unfinished left out).
class LoadedTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString ts = m_dir.filePath("karvo_de.ts");
        const QString qm = m_dir.filePath("karvo_de.qm");
        QFile file(ts);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Karvo</name>
    <message>
        <source>Cannot save %@: %@</source>
        <translation>%2$@ &#8211; %1$@ kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished">Nochmal</translation>
    </message>
    <message>
        <source>100% done</source>
        <translation>100 % fertig</translation>
    </message>
    <message numerus="yes">
        <source>%d files couldn't be processed</source>
        <translation>
            <numerusform>Eine Datei konnte nicht verarbeitet werden</numerusform>
            <numerusform>%d Dateien konnten nicht verarbeitet werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%@ and %d more</source>
        <translation>
            <numerusform>%@ und eine weitere</numerusform>
            <numerusform>%@ und %d weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%d min ago</source>
        <translation>vor %d Min.</translation>
    </message>
</context>
</TS>
)");
        file.close();
        QProcess lrelease;
        lrelease.start(QStringLiteral(KARVO_LRELEASE), {"-silent", "-nounfinished", ts, "-qm", qm});
        ASSERT_TRUE(lrelease.waitForFinished(-1));
        ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAllStandardError().toStdString();
        auto table = std::make_shared<QTranslator>();
        ASSERT_TRUE(table->load(qm));
        Localization::setTranslator(table);
    }

    void TearDown() override
    {
        Localization::setTranslator(nullptr);
        Localization::setLocale(QLocale(QLocale::English));
    }

    QTemporaryDir m_dir;
};

TEST_F(LoadedTable, TranslatedTextsReorderTheirArguments)
{
    EXPECT_EQ(L("Cancel"), "Abbrechen");
    EXPECT_EQ(L("Cannot save %@: %@", "a.mp4", "disk full"),
              QString::fromUtf8("disk full – a.mp4 kann nicht gespeichert werden"));
    EXPECT_EQ(L("100% done"), "100 % fertig");
}

TEST_F(LoadedTable, UnknownAndUnfinishedTextsShowTheEnglishKey)
{
    EXPECT_EQ(L("Retry"), "Retry");
    EXPECT_EQ(L("Not in the table: %@", "x"), "Not in the table: x");
    EXPECT_EQ(Ln("%d parts", 3), "3 parts");
    Localization::setTranslator(nullptr);
    EXPECT_EQ(L("Cancel"), "Cancel");
}

TEST_F(LoadedTable, CountedTextsTakeThePluralFormOfTheirCount)
{
    EXPECT_EQ(Ln("%d files couldn't be processed", 1), "Eine Datei konnte nicht verarbeitet werden");
    EXPECT_EQ(Ln("%d files couldn't be processed", 7), "7 Dateien konnten nicht verarbeitet werden");
    EXPECT_EQ(Ln("%d files couldn't be processed", 7u), "7 Dateien konnten nicht verarbeitet werden");
    // The count is the first integer, wherever it stands.
    EXPECT_EQ(Ln("%@ and %d more", "a.mp4", 1), "a.mp4 und eine weitere");
    EXPECT_EQ(Ln("%@ and %d more", "a.mp4", qsizetype(4)), "a.mp4 und 4 weitere");
    // An entry written without plural forms still answers a counted lookup.
    EXPECT_EQ(Ln("%d min ago", 5), "vor 5 Min.");
    EXPECT_EQ(L("%d min ago", 5), "vor 5 Min.");
    Localization::setLocale(kArabic);
    EXPECT_EQ(Ln("%d min ago", 5), QString::fromUtf8("vor ٥ Min."));
}

} // namespace
