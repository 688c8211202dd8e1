// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <concepts>
#include <variant>

namespace karvo {

// One argument of a localized text: a string or a number, formatted with the interface language's locale.
struct LocalizedArg {
    std::variant<QString, qint64, double> value;

    LocalizedArg(const QString& s) : value(s) {}
    LocalizedArg(const char* s) : value(QString::fromUtf8(s)) {}
    template <std::integral T>
    LocalizedArg(T n) : value(static_cast<qint64>(n))
    {
    }
    template <std::floating_point T>
    LocalizedArg(T x) : value(static_cast<double>(x))
    {
    }
};

class Localization {
public:
    // The locale numbers are formatted with; follows the interface language, "en" until one is chosen.
    static QLocale locale();
    static void setLocale(const QLocale& locale);

    // The text for an English key in the loaded string tables; the key itself when none is loaded.
    static QString lookUp(const char* key);

    // printf-style formatting of a looked-up text: %@, %d, %i, %u, %ld, %lld, %f with an optional
    // precision, %% and positional forms such as %2$@ (translations may reorder arguments).
    static QString format(const QString& text, const QList<LocalizedArg>& args, const QLocale& locale);
};

// Every user-visible text passes through here. The key is the English text. Without arguments the
// text is returned as it is (a "%" is not interpreted).
inline QString L(const char* key)
{
    return Localization::lookUp(key);
}

template <typename... Args>
QString L(const char* key, const Args&... args) requires(sizeof...(Args) > 0)
{
    return Localization::format(Localization::lookUp(key), QList<LocalizedArg>{LocalizedArg(args)...},
                                Localization::locale());
}

} // namespace karvo
