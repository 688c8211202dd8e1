// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-ts-sync LUPDATE SOURCE_DIR SCRATCH.ts TABLE.ts...: extracts L's keys from SOURCE_DIR and brings
// every table to them, keeping the translations it already has. A table that does not exist yet is
// created, its language taken from its name (karvo_<code>.ts).
#include "TsCatalog.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 4) {
        err << "usage: karvo-ts-sync LUPDATE SOURCE_DIR SCRATCH.ts TABLE.ts...\n";
        return 2;
    }
    const karvo::TsExtraction extraction = karvo::TsCatalog::extract(args.at(0), args.at(1), args.at(2));
    if (!extraction.catalog) {
        err << extraction.error << '\n';
        return 1;
    }
    QString error;
    for (const QString& path : args.mid(3)) {
        karvo::TsCatalog table;
        if (QFile::exists(path)) {
            std::optional<karvo::TsCatalog> existing = karvo::TsCatalog::read(path, &error);
            if (!existing) {
                err << error << '\n';
                return 1;
            }
            table = *existing;
        }
        if (table.language.isEmpty())
            table.language = QFileInfo(path).completeBaseName().section(u'_', 1).replace(u'-', u'_');
        if (!table.updatedWith(*extraction.catalog).write(path, &error)) {
            err << path << ": " << error << '\n';
            return 1;
        }
    }
    err << extraction.catalog->messages.size() << " texts in " << args.size() - 3 << " tables\n";
    for (const QString& where : extraction.unplaced)
        err << where
            << ": an L() call outside namespace karvo whose key could not be read; write the key as a string literal "
               "in the call\n";
    return extraction.unplaced.isEmpty() ? 0 : 1;
}
