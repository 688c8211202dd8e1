// SPDX-License-Identifier: GPL-3.0-or-later
#include "Localization.h"

#include "Printers.h"

#include <gtest/gtest.h>

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
    Localization::setLocale(QLocale(QLocale::English));
    EXPECT_EQ(L("%d files", 12), "12 files");
}

} // namespace
