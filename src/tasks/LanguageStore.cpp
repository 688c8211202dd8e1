// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageStore.h"

#include "Localization.h"
#include "Preferences.h"
#include "SettingsDefaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaObject>
#include <QThread>
#include <QTranslator>
#include <array>
#include <memory>

namespace karvo {

namespace {

struct LanguageRow {
    AppLanguage language;
    const char* raw;
    const char* nativeName;
};

constexpr std::array<LanguageRow, 23> kLanguages{{
    {AppLanguage::system, "system", ""},   {AppLanguage::zhHans, "zh-Hans", "简体中文"},
    {AppLanguage::en, "en", "English"},    {AppLanguage::ja, "ja", "日本語"},
    {AppLanguage::ko, "ko", "한국어"},     {AppLanguage::de, "de", "Deutsch"},
    {AppLanguage::fr, "fr", "Français"},   {AppLanguage::es, "es", "Español"},
    {AppLanguage::pt, "pt", "Português"},  {AppLanguage::it, "it", "Italiano"},
    {AppLanguage::nl, "nl", "Nederlands"}, {AppLanguage::sv, "sv", "Svenska"},
    {AppLanguage::pl, "pl", "Polski"},     {AppLanguage::cs, "cs", "Čeština"},
    {AppLanguage::sk, "sk", "Slovenčina"}, {AppLanguage::ru, "ru", "Русский"},
    {AppLanguage::uk, "uk", "Українська"}, {AppLanguage::be, "be", "Беларуская"},
    {AppLanguage::ar, "ar", "العربية"},    {AppLanguage::fa, "fa", "فارسی"},
    {AppLanguage::hi, "hi", "हिन्दी"},      {AppLanguage::bn, "bn", "বাংলা"},
    {AppLanguage::af, "af", "Afrikaans"},
}};

const LanguageRow& rowOf(AppLanguage language)
{
    for (const LanguageRow& row : kLanguages) {
        if (row.language == language)
            return row;
    }
    return kLanguages.front();
}

// "de_DE.UTF-8@euro" → "de_DE"; the C and POSIX locales name no language.
QString languageOfLocaleName(const QString& name)
{
    QString language = name.section(u'.', 0, 0).section(u'@', 0, 0).trimmed();
    if (language.isEmpty() || language == u"C" || language == u"POSIX")
        return {};
    return language;
}

} // namespace

LanguageStore& LanguageStore::shared()
{
    static LanguageStore* const store = [] {
        auto* created = new LanguageStore;
        // Change notifications are delivered on the main thread, whoever asked first.
        if (QCoreApplication* app = QCoreApplication::instance(); app && created->thread() != app->thread())
            created->moveToThread(app->thread());
        return created;
    }();
    return *store;
}

LanguageStore::LanguageStore(QObject* parent) : QObject(parent), m_stored(readStored())
{
    apply(resolvedCodeFor(m_stored));
}

QString LanguageStore::rawValue(AppLanguage language)
{
    return QString::fromUtf8(rowOf(language).raw);
}

std::optional<AppLanguage> LanguageStore::fromRawValue(const QString& raw)
{
    for (const LanguageRow& row : kLanguages) {
        if (raw == QLatin1String(row.raw))
            return row.language;
    }
    return std::nullopt;
}

QString LanguageStore::nativeName(AppLanguage language)
{
    return QString::fromUtf8(rowOf(language).nativeName);
}

QList<AppLanguage> LanguageStore::bundled()
{
    QList<AppLanguage> languages;
    for (const LanguageRow& row : kLanguages) {
        if (row.language != AppLanguage::system)
            languages.append(row.language);
    }
    return languages;
}

QStringList LanguageStore::availableCodes()
{
    QStringList codes;
    for (AppLanguage language : bundled())
        codes.append(rawValue(language));
    return codes;
}

QString LanguageStore::resolve(const QStringList& preferredLanguages, const QStringList& available)
{
    for (const QString& preferred : preferredLanguages) {
        QString s = preferred;
        s.replace(u'_', u'-');
        const QString l = s.toLower();
        if (l.startsWith(u"zh-hant") || l.startsWith(u"zh-tw") || l.startsWith(u"zh-hk") || l.startsWith(u"zh-mo")) {
            if (available.contains(u"zh-Hant"))
                return QStringLiteral("zh-Hant");
            if (available.contains(u"zh-Hans"))
                return QStringLiteral("zh-Hans");
            continue;
        }
        if (l.startsWith(u"zh")) {
            if (available.contains(u"zh-Hans"))
                return QStringLiteral("zh-Hans");
            continue;
        }
        const QString language = s.section(u'-', 0, 0);
        if (available.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

QStringList LanguageStore::preferredLanguages(const QProcessEnvironment& environment, const QStringList& uiLanguages)
{
    QStringList languages;
    const auto add = [&languages](const QString& language) {
        if (!language.isEmpty() && !languages.contains(language))
            languages.append(language);
    };
    // LANGUAGE is a priority list ("de:fr"); the locale variables name one locale, LC_ALL overriding
    // LC_MESSAGES overriding LANG.
    for (const QString& entry : environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts))
        add(languageOfLocaleName(entry));
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(variable));
        if (!value.isEmpty()) {
            add(languageOfLocaleName(value));
            break;
        }
    }
    for (const QString& language : uiLanguages)
        add(languageOfLocaleName(language));
    return languages;
}

QStringList LanguageStore::systemPreferredLanguages()
{
    return preferredLanguages(QProcessEnvironment::systemEnvironment(), QLocale::system().uiLanguages());
}

bool LanguageStore::isRightToLeft(const QString& code)
{
    return code == u"ar" || code == u"fa";
}

QLocale LanguageStore::localeFor(const QString& code)
{
    return QLocale(code);
}

QString LanguageStore::tablePath(const QString& code)
{
    return QStringLiteral(":/i18n/karvo_%1.qm").arg(code);
}

AppLanguage LanguageStore::stored() const
{
    QMutexLocker lock(&m_lock);
    return m_stored;
}

void LanguageStore::set(AppLanguage language)
{
    {
        // Held while applying, so that two quick changes cannot leave the older one applied.
        QMutexLocker lock(&m_lock);
        if (m_stored == language)
            return;
        m_stored = language;
        Preferences::setValue(QLatin1String(SettingsDefaults::languageKey), rawValue(language));
        apply(resolvedCodeFor(language));
    }
    QMetaObject::invokeMethod(this, &LanguageStore::languageChanged, Qt::QueuedConnection);
}

QString LanguageStore::resolvedCode() const
{
    return resolvedCodeFor(stored());
}

Qt::LayoutDirection LanguageStore::layoutDirection() const
{
    return isRightToLeft(resolvedCode()) ? Qt::RightToLeft : Qt::LeftToRight;
}

AppLanguage LanguageStore::readStored()
{
    const QVariant value = Preferences::value(QLatin1String(SettingsDefaults::languageKey));
    if (value.typeId() != QMetaType::QString)
        return AppLanguage::system;
    return fromRawValue(value.toString()).value_or(AppLanguage::system);
}

QString LanguageStore::resolvedCodeFor(AppLanguage language)
{
    if (language != AppLanguage::system)
        return rawValue(language);
    return resolve(systemPreferredLanguages(), availableCodes());
}

void LanguageStore::apply(const QString& code)
{
    std::shared_ptr<QTranslator> table;
    // English is the language of the keys: it needs no table.
    if (code != u"en" && QFile::exists(tablePath(code))) {
        table = std::make_shared<QTranslator>();
        if (table->load(tablePath(code)))
            table->moveToThread(nullptr); // read from every thread, released by whichever drops it last
        else
            table.reset();
    }
    Localization::setTranslator(std::move(table));
    Localization::setLocale(localeFor(code));
}

} // namespace karvo
