// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QMutex>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace karvo {

// The interface languages, in the order the settings offer them. Raw values are language codes.
enum class AppLanguage {
    system,
    zhHans,
    en,
    ja,
    ko,
    de,
    fr,
    es,
    pt,
    it,
    nl,
    sv,
    pl,
    cs,
    sk,
    ru,
    uk,
    be,
    ar,
    fa,
    hi,
    bn,
    af
};

// The user's interface language: stored under "kv.language", resolved to one of the languages Karvo has a
// string table for, and applied to L (string table and number locale) at once. Texts already on screen
// are re-read by whoever observes languageChanged().
class LanguageStore : public QObject {
    Q_OBJECT
public:
    // The program's store, created on first use; applies the stored language then.
    static LanguageStore& shared();

    // A store of its own that reads the preference and applies it (tests; the program uses shared()).
    explicit LanguageStore(QObject* parent = nullptr);

    static QString rawValue(AppLanguage language);
    static std::optional<AppLanguage> fromRawValue(const QString& raw);
    // The language's name in itself ("Deutsch"); empty for system, whose label the settings supply.
    static QString nativeName(AppLanguage language);
    // Every language but system, in table order.
    static QList<AppLanguage> bundled();
    static QStringList availableCodes();

    // The first preferred language Karvo has a table for: Traditional Chinese falls back to Simplified,
    // a regional variant to its language ("pt-BR" → "pt"), and nothing usable to "en".
    static QString resolve(const QStringList& preferredLanguages, const QStringList& available);
    // The user's preferred languages, most wanted first: LANGUAGE, then LC_ALL / LC_MESSAGES / LANG,
    // then the system locale's interface languages.
    static QStringList preferredLanguages(const QProcessEnvironment& environment, const QStringList& uiLanguages);
    static QStringList systemPreferredLanguages();

    static bool isRightToLeft(const QString& code);
    static QLocale localeFor(const QString& code);
    // Where the compiled string table of a language is embedded.
    static QString tablePath(const QString& code);

    AppLanguage stored() const;
    // Stores and applies a new choice; languageChanged() follows on the store's thread when it changed.
    void set(AppLanguage language);
    // The language code actually used.
    QString resolvedCode() const;
    Qt::LayoutDirection layoutDirection() const;

signals:
    void languageChanged();

private:
    static AppLanguage readStored();
    static QString resolvedCodeFor(AppLanguage language);
    static void apply(const QString& code);

    mutable QMutex m_lock;
    AppLanguage m_stored = AppLanguage::system;
};

} // namespace karvo
