// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// One entry of a Qt Linguist table. Keys are the English texts; a plain entry has one form.
struct TsMessage {
    QString source;
    bool numerus = false;
    QStringList forms;
    bool finished = false;
};

// A Qt Linguist .ts file reduced to what Karvo's tables hold: every text in the single "Karvo" context,
// sorted by key. Reading merges the contexts the extraction tool records (one per class) into that one.
class TsCatalog {
public:
    // Runs lupdate over sourceDir, seeing only L's keys: L("…") as tr(), Ln("…", n) as a counted text,
    // KV_TRANSLATE_NOOP("…") as a marked key. The raw extraction is written to scratchTs.
    static struct TsExtraction extract(const QString& lupdate, const QString& sourceDir, const QString& scratchTs);

    static std::optional<TsCatalog> read(const QString& path, QString* error);
    bool write(const QString& path, QString* error) const;

    // The keys of `extracted`, with the translations this catalog holds for them; keys it no longer
    // has are dropped, new ones come in unfinished.
    TsCatalog updatedWith(const TsCatalog& extracted) const;

    QSet<QString> keys() const;
    const TsMessage* find(const QString& source) const;

    QString language;
    QList<TsMessage> messages;
};

struct TsExtraction {
    std::optional<TsCatalog> catalog;
    // "file:line" of L calls the extraction saw but could not record (outside namespace karvo).
    QStringList unplaced;
    QString error;
};

} // namespace karvo
