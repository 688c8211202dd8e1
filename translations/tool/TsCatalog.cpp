// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsCatalog.h"

#include "Localization.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <algorithm>

namespace karvo {

namespace {

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        case u'\'':
            out += QLatin1String("&apos;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Reads one <message>; the reader stands on its start element. Obsolete entries come back empty.
std::optional<TsMessage> readMessage(QXmlStreamReader& xml)
{
    TsMessage message;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    bool live = true;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            live = type != QLatin1String("obsolete") && type != QLatin1String("vanished");
            message.finished = type.isEmpty();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        message.forms.append(xml.readElementText());
                    else
                        xml.skipCurrentElement();
                }
            } else {
                message.forms = {xml.readElementText(QXmlStreamReader::IncludeChildElements)};
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!live || message.source.isEmpty())
        return std::nullopt;
    return message;
}

// The keys of the L, Ln and KV_TRANSLATE_NOOP calls that start on a line (1-based) of a source file; a
// call's string literals may continue on the next lines.
QList<TsMessage> keysAtLine(const QString& path, int line)
{
    QFile file(path);
    if (line < 1 || !file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (line > lines.size())
        return {};
    const QString first = lines.at(line - 1);
    const QString text = lines.mid(line - 1, 6).join(u'\n');
    static const QRegularExpression call(
        QStringLiteral(R"re(\b(L|Ln|KV_TRANSLATE_NOOP)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QList<TsMessage> keys;
    for (auto it = call.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedStart() >= first.size())
            break;
        TsMessage message;
        message.numerus = match.captured(1) == u"Ln";
        for (auto piece = literal.globalMatch(match.captured(2)); piece.hasNext();) {
            const QString raw = piece.next().captured(1);
            for (qsizetype i = 0; i < raw.size(); ++i) {
                QChar c = raw.at(i);
                if (c == u'\\' && i + 1 < raw.size()) {
                    c = raw.at(++i);
                    if (c == u'n')
                        c = u'\n';
                    else if (c == u't')
                        c = u'\t';
                }
                message.source += c;
            }
        }
        if (!message.source.isEmpty())
            keys.append(message);
    }
    return keys;
}

// The keys written as Ln("…"): lupdate takes any L call with two or more arguments for a counted tr(),
// so which texts take plural forms is read from the sources instead.
QSet<QString> countedKeys(const QString& sourceDir)
{
    static const QRegularExpression call(QStringLiteral(R"re(\bLn\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QSet<QString> keys;
    QDirIterator files(sourceDir, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto it = call.globalMatch(text); it.hasNext();) {
            QString key;
            for (auto piece = literal.globalMatch(it.next().captured(1)); piece.hasNext();)
                key += piece.next().captured(1).replace(QLatin1String("\\\""), QLatin1String("\""));
            keys.insert(key);
        }
    }
    return keys;
}

bool hasText(const TsMessage& message)
{
    return std::any_of(message.forms.begin(), message.forms.end(), [](const QString& f) { return !f.isEmpty(); });
}

} // namespace

TsExtraction TsCatalog::extract(const QString& lupdate, const QString& sourceDir, const QString& scratchTs)
{
    TsExtraction result;
    QFile::remove(scratchTs); // a fresh extraction, not a merge into an older one
    QProcess process;
    process.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                            QStringLiteral("none"), QStringLiteral("-tr-function-alias"),
                            QStringLiteral("tr=L,QT_TR_N_NOOP=Ln,QT_TR_NOOP=KV_TRANSLATE_NOOP"), sourceDir,
                            QStringLiteral("-ts"), scratchTs});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        result.error = QStringLiteral("lupdate failed: %1%2")
                           .arg(process.errorString(), QString::fromLocal8Bit(process.readAllStandardError()));
        return result;
    }
    // lupdate drops a tr() call it finds outside every class and namespace (main(), say), with this
    // warning; such keys are read from the source line itself.
    static const QRegularExpression dropped(QStringLiteral("^(.*):(\\d+): tr\\(\\) cannot be called without context"),
                                            QRegularExpression::MultilineOption);
    const QString log = QString::fromLocal8Bit(process.readAllStandardError() + process.readAllStandardOutput());
    QList<TsMessage> recovered;
    for (auto it = dropped.globalMatch(log); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QList<TsMessage> found = keysAtLine(match.captured(1), match.captured(2).toInt());
        if (found.isEmpty())
            result.unplaced.append(match.captured(1) + u':' + match.captured(2));
        recovered += found;
    }
    result.catalog = read(scratchTs, &result.error);
    if (result.catalog) {
        for (const TsMessage& message : recovered) {
            if (!result.catalog->find(message.source))
                result.catalog->messages.append(message);
        }
        const QSet<QString> counted = countedKeys(sourceDir);
        for (TsMessage& message : result.catalog->messages)
            message.numerus = counted.contains(message.source);
        std::sort(result.catalog->messages.begin(), result.catalog->messages.end(),
                  [](const TsMessage& a, const TsMessage& b) { return a.source < b.source; });
    }
    return result;
}

std::optional<TsCatalog> TsCatalog::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    TsCatalog catalog;
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("TS")) {
        catalog.language = xml.attributes().value(QLatin1String("language")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("context")) {
                xml.skipCurrentElement();
                continue;
            }
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("message")) {
                    xml.skipCurrentElement();
                    continue;
                }
                std::optional<TsMessage> message = readMessage(xml);
                if (!message)
                    continue;
                // The same key in several classes is one entry of the table.
                auto known = std::find_if(catalog.messages.begin(), catalog.messages.end(),
                                          [&](const TsMessage& m) { return m.source == message->source; });
                if (known == catalog.messages.end()) {
                    catalog.messages.append(*message);
                } else {
                    const bool numerus = known->numerus || message->numerus;
                    if (!hasText(*known) && hasText(*message))
                        *known = *message;
                    known->numerus = numerus;
                }
            }
        }
    } else if (!xml.hasError()) {
        xml.raiseError(QStringLiteral("not a Qt Linguist file"));
    }
    if (xml.hasError()) {
        if (error)
            *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return std::nullopt;
    }
    std::sort(catalog.messages.begin(), catalog.messages.end(),
              [](const TsMessage& a, const TsMessage& b) { return a.source < b.source; });
    return catalog;
}

bool TsCatalog::write(const QString& path, QString* error) const
{
    QString out;
    out += QLatin1String("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n");
    out += QStringLiteral("<TS version=\"2.1\" language=\"%1\" sourcelanguage=\"en\">\n").arg(escaped(language));
    out += QStringLiteral("<context>\n    <name>%1</name>\n").arg(QLatin1String(Localization::context));
    for (const TsMessage& m : messages) {
        out += m.numerus ? QLatin1String("    <message numerus=\"yes\">\n") : QLatin1String("    <message>\n");
        out += QStringLiteral("        <source>%1</source>\n").arg(escaped(m.source));
        const QString type = m.finished ? QString() : QStringLiteral(" type=\"unfinished\"");
        if (m.numerus) {
            out += QStringLiteral("        <translation%1>\n").arg(type);
            const QStringList forms = m.forms.isEmpty() ? QStringList{QString()} : m.forms;
            for (const QString& form : forms)
                out += QStringLiteral("            <numerusform>%1</numerusform>\n").arg(escaped(form));
            out += QLatin1String("        </translation>\n");
        } else {
            out += QStringLiteral("        <translation%1>%2</translation>\n").arg(type, escaped(m.forms.value(0)));
        }
        out += QLatin1String("    </message>\n");
    }
    out += QLatin1String("</context>\n</TS>\n");

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out.toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

TsCatalog TsCatalog::updatedWith(const TsCatalog& extracted) const
{
    TsCatalog updated;
    updated.language = language;
    for (const TsMessage& wanted : extracted.messages) {
        TsMessage message{wanted.source, wanted.numerus, {}, false};
        if (const TsMessage* old = find(wanted.source)) {
            message.forms = old->forms;
            message.finished = old->finished;
            // A text that became counted (or stopped being counted) needs a translator's look.
            if (old->numerus != wanted.numerus) {
                message.forms = message.forms.mid(0, 1);
                message.finished = false;
            }
        }
        updated.messages.append(message);
    }
    return updated;
}

QSet<QString> TsCatalog::keys() const
{
    QSet<QString> keys;
    for (const TsMessage& m : messages)
        keys.insert(m.source);
    return keys;
}

const TsMessage* TsCatalog::find(const QString& source) const
{
    for (const TsMessage& m : messages) {
        if (m.source == source)
            return &m;
    }
    return nullptr;
}

} // namespace karvo
