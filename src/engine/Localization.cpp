// SPDX-License-Identifier: GPL-3.0-or-later
#include "Localization.h"

#include <QCoreApplication>
#include <QReadWriteLock>

namespace karvo {

namespace {
QReadWriteLock g_localeLock;
QLocale g_locale(QLocale::English);

QString formatInteger(qint64 n, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(n);
}

QString formatArg(const LocalizedArg& arg, QChar conversion, int precision, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    if (const auto* s = std::get_if<QString>(&arg.value))
        return *s;
    if (const auto* n = std::get_if<qint64>(&arg.value)) {
        if (conversion == u'f')
            return plain.toString(static_cast<double>(*n), 'f', precision < 0 ? 6 : precision);
        return formatInteger(*n, locale);
    }
    const double x = std::get<double>(arg.value);
    if (conversion == u'd' || conversion == u'i' || conversion == u'u')
        return formatInteger(static_cast<qint64>(x), locale);
    if (conversion == u'f')
        return plain.toString(x, 'f', precision < 0 ? 6 : precision);
    return plain.toString(x, 'g', QLocale::FloatingPointShortest);
}
} // namespace

QLocale Localization::locale()
{
    QReadLocker lock(&g_localeLock);
    return g_locale;
}

void Localization::setLocale(const QLocale& locale)
{
    QWriteLocker lock(&g_localeLock);
    g_locale = locale;
}

QString Localization::lookUp(const char* key)
{
    // Translation files use the English text as their source, in one context for the whole program.
    return QCoreApplication::translate("Karvo", key);
}

QString Localization::format(const QString& text, const QList<LocalizedArg>& args, const QLocale& locale)
{
    QString out;
    out.reserve(text.size() + 16);
    qsizetype nextArg = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'%' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        if (text.at(i + 1) == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        // Optional position "N$".
        qsizetype digitsEnd = j;
        while (digitsEnd < text.size() && text.at(digitsEnd).isDigit())
            ++digitsEnd;
        qsizetype position = -1;
        if (digitsEnd > j && digitsEnd < text.size() && text.at(digitsEnd) == u'$') {
            position = text.mid(j, digitsEnd - j).toLongLong() - 1;
            j = digitsEnd + 1;
        }
        int precision = -1;
        if (j < text.size() && text.at(j) == u'.') {
            qsizetype p = j + 1;
            while (p < text.size() && text.at(p).isDigit())
                ++p;
            precision = text.mid(j + 1, p - j - 1).toInt();
            j = p;
        }
        while (j < text.size() && (text.at(j) == u'l' || text.at(j) == u'q'))
            ++j;
        if (j >= text.size()) {
            out += text.mid(i);
            break;
        }
        const QChar conversion = text.at(j);
        if (conversion != u'@' && conversion != u'd' && conversion != u'i' && conversion != u'u' &&
            conversion != u'f' && conversion != u's') {
            out += c; // not a specifier we know: keep the text as written
            continue;
        }
        const qsizetype index = position >= 0 ? position : nextArg++;
        if (index >= 0 && index < args.size())
            out += formatArg(args.at(index), conversion, precision, locale);
        i = j;
    }
    return out;
}

} // namespace karvo
