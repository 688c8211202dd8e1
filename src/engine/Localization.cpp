// SPDX-License-Identifier: GPL-3.0-or-later
#include "Localization.h"

#include <QReadWriteLock>
#include <QTranslator>

namespace karvo {

namespace {
QReadWriteLock g_localeLock;
QLocale g_locale(QLocale::English);
QReadWriteLock g_translatorLock;
std::shared_ptr<const QTranslator> g_translator;

// Unfinished entries are left out of the compiled tables, so an empty answer means "not translated".
QString translated(const char* key, int n)
{
    const std::shared_ptr<const QTranslator> table = Localization::translator();
    if (!table || !key)
        return QString::fromUtf8(key);
    QString text = table->translate(Localization::context, key, nullptr, n);
    // A table entry without plural forms has no form for n: take its single text.
    if (text.isEmpty() && n >= 0)
        text = table->translate(Localization::context, key);
    return text.isEmpty() ? QString::fromUtf8(key) : text;
}

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
    return translated(key, -1);
}

QString Localization::lookUp(const char* key, qint64 n)
{
    const auto count = static_cast<int>(std::clamp<qint64>(n, 0, std::numeric_limits<int>::max()));
    return translated(key, count);
}

void Localization::setTranslator(std::shared_ptr<const QTranslator> translator)
{
    QWriteLocker lock(&g_translatorLock);
    g_translator = std::move(translator);
}

std::shared_ptr<const QTranslator> Localization::translator()
{
    QReadLocker lock(&g_translatorLock);
    return g_translator;
}

QString Localization::localDigits(const QString& text)
{
    const QLocale loc = locale();
    const QString zero = loc.zeroDigit();
    const QString point = loc.decimalPoint();
    if ((zero == u"0" || zero.size() != 1) && point == u".")
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9' && zero.size() == 1)
            out += QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
        else if (c == u'.')
            out += point;
        else
            out += c;
    }
    return out;
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
            // The percent sign belongs to the number format: Arabic and Persian write "٪".
            out += locale.percent();
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
