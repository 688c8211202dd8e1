// SPDX-License-Identifier: GPL-3.0-or-later
#include "Printers.h"
#include "TsCatalog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace karvo;

namespace {

QStringList languageCodes()
{
    return QStringLiteral(KARVO_LANGUAGE_CODES).split(u',');
}

QString tablePath(const QString& code)
{
    return QStringLiteral(KARVO_TRANSLATIONS_DIR "/karvo_%1.ts").arg(code);
}

QStringList sorted(const QSet<QString>& set)
{
    QStringList list(set.begin(), set.end());
    std::sort(list.begin(), list.end());
    return list;
}

// The conversions of a format text, without positions: "%2$@ of %1$d" and "%d of %@" both give "@d".
QString placeholders(const QString& text)
{
    static const QRegularExpression spec(QStringLiteral("%(?:\\d+\\$)?(?:\\.\\d+)?[lq]*([@dfius])"));
    QString kinds;
    for (auto it = spec.globalMatch(QString(text).remove(QStringLiteral("%%"))); it.hasNext();)
        kinds += it.next().captured(1);
    std::sort(kinds.begin(), kinds.end());
    return kinds;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Every text src/ shows through L is in every table, and no table keeps a text src/ no longer has.
// A new L("…") fails here until `cmake --build <dir> --target karvo_lupdate` has been run.
TEST(TranslationTables, HoldExactlyTheTextsOfTheSources)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const TsExtraction extraction =
        TsCatalog::extract(QStringLiteral(KARVO_LUPDATE), QStringLiteral(KARVO_SOURCE_DIR), scratch.filePath("src.ts"));
    ASSERT_TRUE(extraction.catalog.has_value()) << extraction.error.toStdString();
    EXPECT_EQ(extraction.unplaced, QStringList());
    const QSet<QString> wanted = extraction.catalog->keys();
    ASSERT_GT(wanted.size(), 50);

    for (const QString& code : languageCodes()) {
        QString error;
        const std::optional<TsCatalog> table = TsCatalog::read(tablePath(code), &error);
        ASSERT_TRUE(table.has_value()) << error.toStdString();
        EXPECT_EQ(sorted(wanted - table->keys()), QStringList())
            << "missing from karvo_" << code.toStdString() << ".ts";
        EXPECT_EQ(sorted(table->keys() - wanted), QStringList()) << "stale in karvo_" << code.toStdString() << ".ts";
        for (const TsMessage& m : extraction.catalog->messages) {
            const TsMessage* entry = table->find(m.source);
            if (entry) {
                EXPECT_EQ(entry->numerus, m.numerus) << code.toStdString() << ": " << m.source.toStdString();
            }
        }
    }
}

// A finished translation takes the same arguments as its key, or L would print the wrong value or none.
TEST(TranslationTables, FinishedTranslationsKeepTheArgumentsOfTheirKey)
{
    for (const QString& code : languageCodes()) {
        QString error;
        const std::optional<TsCatalog> table = TsCatalog::read(tablePath(code), &error);
        ASSERT_TRUE(table.has_value()) << error.toStdString();
        EXPECT_EQ(table->language, QString(code).replace(u'-', u'_'));
        for (const TsMessage& m : table->messages) {
            if (!m.finished)
                continue;
            for (const QString& form : m.forms) {
                // The singular form of a counted text may spell its count out ("one file").
                if (m.numerus && &form == &m.forms.front())
                    continue;
                EXPECT_EQ(placeholders(form), placeholders(m.source))
                    << code.toStdString() << ": " << m.source.toStdString() << " → " << form.toStdString();
            }
        }
    }
}

TEST(TranslationTables, ExtractionSeesOnlyLTextsAndMergesClassesIntoOneContext)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.filePath("src/Loc.h"), "#pragma once\nnamespace karvo { QString L(const char*); }\n");
    writeFile(dir.filePath("src/a/Card.cpp"), R"(#include "../Loc.h"
namespace karvo {
class Card : public QObject { Q_OBJECT public: void show(); };
void Card::show() { L("Retry"); tr("Not ours"); L("%@ of %@", a, b); Ln("%d files couldn't be processed", n); }
namespace { const char* const kTitles[] = {KV_TRANSLATE_NOOP("Trim"), KV_TRANSLATE_NOOP("Crop")}; }
void free() { L("Retry"); }
} // namespace karvo
int main() { print(karvo::L("Karvo is already running, " "try again.")); return L("Second on the line") ? 0 : 1; }
)");
    const TsExtraction extraction =
        TsCatalog::extract(QStringLiteral(KARVO_LUPDATE), dir.filePath("src"), dir.filePath("out.ts"));
    ASSERT_TRUE(extraction.catalog.has_value()) << extraction.error.toStdString();
    EXPECT_EQ(extraction.unplaced, QStringList());
    EXPECT_EQ(sorted(extraction.catalog->keys()),
              QStringList({"%@ of %@", "%d files couldn't be processed", "Crop", "Karvo is already running, try again.",
                           "Retry", "Second on the line", "Trim"}));
    ASSERT_NE(extraction.catalog->find("%d files couldn't be processed"), nullptr);
    EXPECT_TRUE(extraction.catalog->find("%d files couldn't be processed")->numerus);
    EXPECT_FALSE(extraction.catalog->find("Retry")->numerus);
    // Two arguments look like tr(text, comment, n) to lupdate; only Ln makes a counted text.
    EXPECT_FALSE(extraction.catalog->find("%@ of %@")->numerus);

    // Written back, the catalog is one context named as L looks texts up.
    ASSERT_TRUE(extraction.catalog->write(dir.filePath("flat.ts"), nullptr));
    QFile flat(dir.filePath("flat.ts"));
    ASSERT_TRUE(flat.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(flat.readAll());
    EXPECT_EQ(text.count(QStringLiteral("<context>")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("<name>Karvo</name>")));
}

TEST(TranslationTables, UpdatingKeepsTranslationsDropsVanishedTextsAndAddsNewOnesUnfinished)
{
    TsCatalog old;
    old.language = "de";
    old.messages = {{"Cancel", false, {"Abbrechen"}, true},
                    {"Gone", false, {"Weg"}, true},
                    {"Retry", false, {"Nochmal"}, false},
                    {"%d min ago", false, {"vor %d Min."}, true}};
    TsCatalog extracted;
    extracted.messages = {{"%d min ago", true, {}, false},
                          {"Cancel", false, {}, false},
                          {"New text", false, {}, false},
                          {"Retry", false, {}, false}};
    const TsCatalog updated = old.updatedWith(extracted);
    EXPECT_EQ(updated.language, "de");
    EXPECT_EQ(sorted(updated.keys()), QStringList({"%d min ago", "Cancel", "New text", "Retry"}));
    EXPECT_EQ(updated.find("Cancel")->forms, QStringList{"Abbrechen"});
    EXPECT_TRUE(updated.find("Cancel")->finished);
    EXPECT_EQ(updated.find("Retry")->forms, QStringList{"Nochmal"});
    EXPECT_FALSE(updated.find("Retry")->finished);
    EXPECT_FALSE(updated.find("New text")->finished);
    // A text that became counted goes back to the translator with its old text as the first form.
    EXPECT_TRUE(updated.find("%d min ago")->numerus);
    EXPECT_FALSE(updated.find("%d min ago")->finished);
    EXPECT_EQ(updated.find("%d min ago")->forms, QStringList{"vor %d Min."});

    // Round trip through the file, with text that needs escaping.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TsCatalog tricky = updated;
    tricky.messages.append({"Drag & drop <files> \"here\" isn't it", false, {"Ziehen & <Ablegen>"}, true});
    ASSERT_TRUE(tricky.write(dir.filePath("t.ts"), nullptr));
    const std::optional<TsCatalog> back = TsCatalog::read(dir.filePath("t.ts"), nullptr);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->language, "de");
    ASSERT_NE(back->find("Drag & drop <files> \"here\" isn't it"), nullptr);
    EXPECT_EQ(back->find("Drag & drop <files> \"here\" isn't it")->forms, QStringList{"Ziehen & <Ablegen>"});
    EXPECT_EQ(back->find("%d min ago")->forms, QStringList{"vor %d Min."});
    EXPECT_TRUE(back->find("%d min ago")->numerus);
}

} // namespace
