// SPDX-License-Identifier: GPL-3.0-or-later
// Every language as the programs carry it: the compiled table embedded in karvo_tasks, installed through the
// language store and read back through L. Every text of src/ is translated, keeps the arguments of its key,
// and counted texts have the plural forms Qt's rules give the language.
#include "LanguageStore.h"
#include "Localization.h"
#include "Preferences.h"
#include "Printers.h"
#include "TsCatalog.h"

#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

using namespace karvo;

namespace {

QStringList languageCodes()
{
    return QStringLiteral(KARVO_LANGUAGE_CODES).split(u',');
}

// Qt's plural rule of a language, as lrelease compiles it into the table: how many forms a counted text
// has, which form a few telling counts take, and which forms only one count ever takes (those may spell
// the count out, "one file", instead of printing it).
struct Plurals {
    int forms;
    QList<QPair<int, int>> samples; // count, the form it takes
    QList<int> singleCountForms;
};

Plurals pluralsOf(const QString& code)
{
    static const Plurals one{1, {{0, 0}, {1, 0}, {5, 0}}, {}};
    static const Plurals oneOther{2, {{1, 0}, {0, 1}, {2, 1}, {21, 1}}, {0}};
    static const Plurals zeroOneOther{2, {{0, 0}, {1, 0}, {2, 1}, {21, 1}}, {}};
    static const Plurals czech{3, {{1, 0}, {3, 1}, {5, 2}, {22, 2}}, {0}};
    static const Plurals polish{3, {{1, 0}, {3, 1}, {5, 2}, {12, 2}, {21, 2}, {22, 1}}, {0}};
    static const Plurals russian{3, {{1, 0}, {3, 1}, {5, 2}, {11, 2}, {21, 0}, {22, 1}}, {}};
    static const Plurals arabic{6, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {11, 4}, {100, 5}, {102, 5}}, {0, 1, 2}};
    static const QHash<QString, const Plurals*> byCode{
        {"zh-Hans", &one}, {"ja", &one},          {"ko", &one},      {"fa", &one},          {"de", &oneOther},
        {"es", &oneOther}, {"pt", &zeroOneOther}, {"it", &oneOther}, {"nl", &oneOther},     {"sv", &oneOther},
        {"hi", &oneOther}, {"bn", &oneOther},     {"af", &oneOther}, {"fr", &zeroOneOther}, {"cs", &czech},
        {"sk", &czech},    {"pl", &polish},       {"ru", &russian},  {"uk", &russian},      {"be", &russian},
        {"ar", &arabic},
    };
    const Plurals* plurals = byCode.value(code);
    return plurals ? *plurals : Plurals{0, {}, {}};
}

// Texts a language may show as they are in English. Besides these, a text without letters of its own
// ("%@ / %@", "%d%%") is the same everywhere.
const QStringList kSameEverywhere{"Karvo"};
const QStringList kLatinUnits{"%d px", "%d × %d px", "%lld px"};
const QStringList kSeconds{"%lld s"};
QStringList sameIn(const QString& code)
{
    static const QHash<QString, QStringList> lists{
        {"zh-Hans", kLatinUnits + QStringList{"Shift"}},
        {"ja", kLatinUnits + QStringList{"OK", "Shift"}},
        {"ko", kLatinUnits + QStringList{"Shift"}},
        {"de", kLatinUnits + kSeconds +
                   QStringList{"Audio", "OK", "Quick Drag", "Segment %d/%d: %@", "Shift", "Start", "System",
                               "Version %@", "Version %@ (%@)", "Videos"}},
        {"fr", kLatinUnits + kSeconds +
                   QStringList{"Audio", "Compression", "Conversions", "Formats", "⇧ Formats", "Images", "OK",
                               "Quick Drag", "Version %@", "Version %@ (%@)"}},
        {"es", kLatinUnits + kSeconds + QStringList{"Audio", "General", "Quick Drag"}},
        {"pt", kLatinUnits + kSeconds + QStringList{"OK", "Quick Drag", "Shift"}},
        {"it", kLatinUnits + kSeconds + QStringList{"Audio", "File", "Home", "OK", "Privacy"}},
        {"nl",
         kLatinUnits + kSeconds + QStringList{"Audio", "OK", "Privacy", "Quick Drag", "Segment %d/%d: %@", "Shift"}},
        {"sv", kLatinUnits + kSeconds +
                   QStringList{"Demonstration", "OK", "Segment %d/%d: %@", "Start", "System", "Version %@",
                               "Version %@ (%@)"}},
        {"pl", kLatinUnits + kSeconds + QStringList{"OK", "Shift"}},
        {"cs", kLatinUnits + kSeconds + QStringList{"OK", "Shift"}},
        {"sk", kLatinUnits + kSeconds + QStringList{"OK", "Shift"}},
        {"ru", kLatinUnits + QStringList{"OK", "Shift"}},
        {"uk", {"Shift"}},
        {"be", {"Shift"}},
        {"ar", {"Shift"}},
        {"fa", {"Shift"}},
        {"hi", kLatinUnits + QStringList{"Shift"}},
        {"bn", {"Shift"}},
        {"af", kLatinUnits + kSeconds + QStringList{"OK", "Quick Drag", "Segment %d/%d: %@", "Shift"}},
    };
    return kSameEverywhere + lists.value(code);
}

// The argument references of a format text, as Localization::format reads them: "%2$@" names the second
// argument, a plain "%d" the next one. A kind is the precision and conversion (length modifiers change
// nothing in what is printed).
struct Reference {
    int index;
    QString kind;
};
struct References {
    QList<Reference> list;
    bool positional = false;
    bool sequential = false;
};

References referencesOf(const QString& text)
{
    static const QRegularExpression spec(QStringLiteral("%%|%(?:(\\d+)\\$)?(\\.\\d+)?[lq]*([@dfius])"));
    References refs;
    int next = 0;
    for (auto it = spec.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == u"%%")
            continue;
        QString conversion = m.captured(3);
        if (conversion == u"i")
            conversion = QStringLiteral("d");
        if (m.captured(1).isEmpty()) {
            refs.sequential = true;
            refs.list.append({next++, m.captured(2) + conversion});
        } else {
            refs.positional = true;
            refs.list.append({m.captured(1).toInt() - 1, m.captured(2) + conversion});
        }
    }
    return refs;
}

// The argument Ln counts by: the first integer one.
std::optional<int> countIndex(const References& source)
{
    for (const Reference& r : source.list) {
        if (r.kind == u"d" || r.kind == u"u")
            return r.index;
    }
    return std::nullopt;
}

// Why `translation` would print other arguments than `source` does; empty when it prints the same ones.
// `mayDropCount`: a form only one count takes may leave the count out.
QString argumentFault(const QString& source, const QString& translation, bool mayDropCount)
{
    const References want = referencesOf(source);
    const References have = referencesOf(translation);
    if (have.positional && have.sequential)
        return QStringLiteral("mixes numbered and plain arguments");
    QList<int> used;
    for (const Reference& r : have.list) {
        if (r.index < 0 || r.index >= want.list.size())
            return QStringLiteral("refers to argument %1, the key has %2").arg(r.index + 1).arg(want.list.size());
        if (r.kind != want.list[r.index].kind)
            return QStringLiteral("argument %1 as %%%2, the key has %%%3")
                .arg(r.index + 1)
                .arg(r.kind, want.list[r.index].kind);
        used.append(r.index);
    }
    const std::optional<int> count = countIndex(want);
    for (const Reference& r : want.list) {
        if (used.contains(r.index) || (mayDropCount && count == r.index))
            continue;
        return QStringLiteral("leaves out argument %1 (%%%2)").arg(r.index + 1).arg(r.kind);
    }
    // A plain count left out shifts every later argument onto the wrong value.
    if (!have.positional && mayDropCount && count && !used.contains(*count)) {
        for (const Reference& r : want.list) {
            if (r.index > *count)
                return QStringLiteral("leaves out the count before later plain arguments");
        }
    }
    return {};
}

bool hasOwnLetters(const QString& text)
{
    static const QRegularExpression spec(QStringLiteral("%%|%(?:\\d+\\$)?(?:\\.\\d+)?[lq]*[@dfius]"));
    const QString rest = QString(text).remove(spec);
    return std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); });
}

std::string s(const QString& text)
{
    return text.toStdString();
}

class TranslationCompleteness : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_scratch = new QTemporaryDir;
        const TsExtraction extraction = TsCatalog::extract(
            QStringLiteral(KARVO_LUPDATE), QStringLiteral(KARVO_SOURCE_DIR), s_scratch->filePath("src.ts"));
        if (extraction.catalog)
            s_keys = new QList<TsMessage>(extraction.catalog->messages);
        else
            s_error = extraction.error;
    }
    static void TearDownTestSuite()
    {
        delete s_keys;
        s_keys = nullptr;
        delete s_scratch;
        s_scratch = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(s_keys, nullptr) << s(s_error);
        ASSERT_GT(s_keys->size(), 50);
        ASSERT_TRUE(m_dir.isValid());
        Preferences::setFilePath(m_dir.filePath("settings.json"));
    }
    void TearDown() override
    {
        Preferences::setFilePath({});
        Localization::setTranslator(nullptr);
        Localization::setLocale(QLocale(QLocale::English));
    }

    // Makes `code` the interface language as the settings do; its compiled table is then what L reads.
    void use(LanguageStore& store, const QString& code)
    {
        const std::optional<AppLanguage> language = LanguageStore::fromRawValue(code);
        ASSERT_TRUE(language.has_value()) << s(code);
        store.set(*language);
        ASSERT_EQ(store.resolvedCode(), code);
        ASSERT_NE(Localization::translator(), nullptr) << "no compiled table for " << s(code);
        ASSERT_EQ(Localization::translator()->language(), QString(code).replace(u'-', u'_'));
    }

    static QList<TsMessage> keys() { return *s_keys; }

    QTemporaryDir m_dir;
    static inline QTemporaryDir* s_scratch = nullptr;
    static inline QList<TsMessage>* s_keys = nullptr;
    static inline QString s_error;
};

// What L shows for every key: a finished translation unless the language keeps the English text on
// purpose. A counted text is read for every form its language has.
TEST_F(TranslationCompleteness, EveryLanguageTranslatesEveryText)
{
    LanguageStore store;
    QSet<QString> sources;
    for (const TsMessage& key : keys())
        sources.insert(key.source);
    for (const QString& code : languageCodes()) {
        use(store, code);
        const QStringList same = sameIn(code);
        QStringList untranslated;
        for (const TsMessage& key : keys()) {
            if (same.contains(key.source) || !hasOwnLetters(key.source))
                continue;
            const QByteArray utf8 = key.source.toUtf8();
            bool english = Localization::lookUp(utf8.constData()) == key.source;
            if (key.numerus) {
                for (const auto& [count, form] : pluralsOf(code).samples)
                    english = english || Localization::lookUp(utf8.constData(), count) == key.source;
            }
            if (english)
                untranslated.append(key.source);
        }
        EXPECT_EQ(untranslated, QStringList()) << "shown in English in " << s(code);
        // The list stays short: a text src/ no longer has is taken off it.
        for (const QString& kept : same)
            EXPECT_TRUE(sources.contains(kept)) << s(code) << " keeps \"" << s(kept) << "\", which src/ no longer has";
    }
}

// Each compiled translation prints the arguments of its key, each with the key's conversion, in the key's
// order unless it numbers them; otherwise L would show a wrong value, or none.
TEST_F(TranslationCompleteness, TranslationsPrintTheArgumentsOfTheirKey)
{
    LanguageStore store;
    for (const QString& code : languageCodes()) {
        use(store, code);
        const Plurals plurals = pluralsOf(code);
        QStringList faults;
        for (const TsMessage& key : keys()) {
            const QByteArray utf8 = key.source.toUtf8();
            QList<QPair<QString, bool>> shown; // text, whether only one count shows it
            if (key.numerus) {
                for (const auto& [count, form] : plurals.samples)
                    shown.append(
                        {Localization::lookUp(utf8.constData(), count), plurals.singleCountForms.contains(form)});
            } else {
                shown.append({Localization::lookUp(utf8.constData()), false});
            }
            for (const auto& [text, single] : shown) {
                const QString fault = argumentFault(key.source, text, single);
                if (!fault.isEmpty())
                    faults.append(key.source + QStringLiteral(" → ") + text + QStringLiteral(": ") + fault);
            }
        }
        faults.removeDuplicates();
        EXPECT_EQ(faults, QStringList()) << s(code);
    }
}

// A counted text has as many forms as the language's plural rule, and Ln shows the form each count takes:
// Russian 1 / 3 / 5 three different ones, Arabic 0 / 1 / 2 / 3 / 11 / 100 six.
TEST_F(TranslationCompleteness, CountedTextsHaveTheFormsOfTheirLanguage)
{
    LanguageStore store;
    for (const QString& code : languageCodes()) {
        const Plurals plurals = pluralsOf(code);
        ASSERT_GT(plurals.forms, 0) << "no plural rule written down for " << s(code);
        QString error;
        const std::optional<TsCatalog> table =
            TsCatalog::read(QStringLiteral(KARVO_TRANSLATIONS_DIR "/karvo_%1.ts").arg(code), &error);
        ASSERT_TRUE(table.has_value()) << s(error);
        use(store, code);
        for (const TsMessage& key : keys()) {
            if (!key.numerus)
                continue;
            const TsMessage* entry = table->find(key.source);
            ASSERT_NE(entry, nullptr) << s(code) << ": " << s(key.source);
            EXPECT_TRUE(entry->numerus) << s(code) << ": " << s(key.source) << " is not a counted text in the table";
            if (!entry->numerus)
                continue;
            EXPECT_EQ(entry->forms.size(), plurals.forms) << s(code) << ": " << s(key.source);
            const QByteArray utf8 = key.source.toUtf8();
            for (const auto& [count, form] : plurals.samples) {
                if (form < entry->forms.size()) {
                    EXPECT_EQ(Localization::lookUp(utf8.constData(), count), entry->forms[form])
                        << s(code) << ": " << s(key.source) << " for " << count;
                }
            }
        }
    }
}

// Numbers L prints are written as the interface language writes them: Arabic-Indic digits in Arabic,
// Persian digits in Persian, Bengali digits in Bengali, in every text that takes one. Digits that are
// part of the text itself ("MP4") stay as they are.
TEST_F(TranslationCompleteness, NumbersAreWrittenInTheLanguagesDigits)
{
    LanguageStore store;
    use(store, "ar");
    EXPECT_TRUE(Ln("%d min ago", 5).contains(QString::fromUtf8("٥"))) << s(Ln("%d min ago", 5));
    EXPECT_EQ(L("%.2f×", 1.5), QString::fromUtf8("١٫٥٠×"));
    EXPECT_TRUE(L("%d%%", 50).startsWith(QString::fromUtf8("٥٠٪"))) << s(L("%d%%", 50));
    use(store, "fa");
    EXPECT_TRUE(Ln("%d min ago", 5).contains(QString::fromUtf8("۵"))) << s(Ln("%d min ago", 5));
    EXPECT_TRUE(L("%d%%", 50).startsWith(QString::fromUtf8("۵۰٪"))) << s(L("%d%%", 50));
    use(store, "de");
    EXPECT_EQ(L("%.2f×", 1.5), QString::fromUtf8("1,50×"));

    static const QRegularExpression ascii(QStringLiteral("[0-9]"));
    static const QRegularExpression spec(QStringLiteral("%%|%(?:\\d+\\$)?(?:\\.\\d+)?[lq]*[@dfius]"));
    for (const QString& code : {QStringLiteral("ar"), QStringLiteral("fa"), QStringLiteral("bn")}) {
        use(store, code);
        QStringList faults;
        for (const TsMessage& key : keys()) {
            const References refs = referencesOf(key.source);
            if (std::none_of(refs.list.begin(), refs.list.end(), [](const Reference& r) { return r.kind != u"@"; }))
                continue;
            QList<LocalizedArg> args;
            for (const Reference& r : refs.list)
                args.append(r.kind == u"@"          ? LocalizedArg("x")
                            : r.kind.endsWith(u'f') ? LocalizedArg(12.5)
                                                    : LocalizedArg(1234));
            const QByteArray utf8 = key.source.toUtf8();
            const QString text =
                key.numerus ? Localization::lookUp(utf8.constData(), 1234) : Localization::lookUp(utf8.constData());
            const QString shown = Localization::format(text, args, Localization::locale());
            if (shown.count(ascii) != QString(text).remove(spec).count(ascii))
                faults.append(key.source + QStringLiteral(" → ") + shown);
        }
        EXPECT_EQ(faults, QStringList()) << s(code);
    }
}

} // namespace
