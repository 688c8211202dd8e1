// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <concepts>
#include <cstdint>
#include <limits>
#include <memory>
#include <type_traits>
#include <variant>

class QTranslator;

// Marks an English key written where it is not passed to L directly (a table of titles shown later
// through L), so that the extraction of texts for the translation tables finds it. Yields the key.
#define KV_TRANSLATE_NOOP(text) text

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

    // All texts of the string tables live in this one context.
    static constexpr const char* context = "Karvo";

    // The text for an English key in the loaded string table; the key itself when the table has no
    // finished translation for it (or no table is loaded).
    static QString lookUp(const char* key);
    // The same for a counted text: the table's plural form for n.
    static QString lookUp(const char* key, qint64 n);

    // The string table of the interface language; none shows the English keys. May be replaced while
    // other threads call L: a lookup keeps the table it started with alive.
    static void setTranslator(std::shared_ptr<const QTranslator> translator);
    static std::shared_ptr<const QTranslator> translator();

    // A number already written out in ASCII ("1:05.25", "42") in the interface language's digits and
    // decimal point, for numbers shown outside a text of the tables (clocks, times).
    static QString localDigits(const QString& text);

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

namespace detail {
template <typename T>
qint64 countOf(const T& n)
{
    if constexpr (std::is_unsigned_v<T>)
        return static_cast<qint64>(std::min<std::uintmax_t>(n, std::numeric_limits<qint64>::max()));
    else
        return static_cast<qint64>(n);
}
} // namespace detail

// A counted text ("%d files couldn't be processed", "%@ and %d more"): the translation takes the plural
// form for the first integer among the arguments.
template <typename... Args>
QString Ln(const char* key, const Args&... args)
{
    static_assert((std::is_integral_v<Args> || ...), "a counted text needs an integer argument");
    qint64 count = -1;
    bool found = false;
    (
        [&](const auto& arg) {
            if constexpr (std::is_integral_v<std::decay_t<decltype(arg)>>) {
                if (!found)
                    count = detail::countOf(arg);
                found = true;
            }
        }(args),
        ...);
    return Localization::format(Localization::lookUp(key, count), QList<LocalizedArg>{LocalizedArg(args)...},
                                Localization::locale());
}

} // namespace karvo
