// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppearanceStore.h"

#include "Preferences.h"
#include "SettingsDefaults.h"
#include "SystemColors.h"

#include <QApplication>
#include <QMetaObject>
#include <QPointer>
#include <QStyle>
#include <QThread>

namespace karvo {

namespace {

// Karvo's orange, deep enough for white selected text (4.5:1) and still clear on a dark window.
constexpr QRgb kAccent = 0xffc94f1d;
constexpr QRgb kWhite = 0xffffffff;
constexpr const char* kFusion = "fusion";

struct Scheme {
    QRgb window;
    QRgb text;
    QRgb base;
    QRgb alternateBase;
    QRgb button;
    QRgb placeholder;
    QRgb light;
    QRgb midlight;
    QRgb mid;
    QRgb dark;
    QRgb shadow;
    QRgb toolTipBase;
    QRgb link;
    QRgb linkVisited;
    QRgb disabledText;
};

constexpr Scheme kLight{0xfff3f2f0, 0xff1d1d1f, 0xffffffff, 0xfff7f6f4, 0xfffafaf9, 0xff86868b, 0xffffffff, 0xffe6e4e1,
                        0xffc4c2bf, 0xff9c9a97, 0xff5c5b59, 0xffffffff, 0xffa8441a, 0xff8a3a6e, 0xffa4a3a1};
constexpr Scheme kDark{0xff2c2c2e, 0xffececee, 0xff1c1c1e, 0xff242426, 0xff3a3a3d, 0xff8d8d92, 0xff505054, 0xff404043,
                       0xff303033, 0xff18181a, 0xff000000, 0xff3a3a3d, 0xfff08a5d, 0xffd08bb5, 0xff707075};

QPalette paletteFrom(const Scheme& s)
{
    QPalette p;
    const auto set = [&p](QPalette::ColorRole role, QRgb rgb) {
        p.setColor(role, QColor::fromRgba(rgb));
    };
    set(QPalette::Window, s.window);
    set(QPalette::WindowText, s.text);
    set(QPalette::Base, s.base);
    set(QPalette::AlternateBase, s.alternateBase);
    set(QPalette::Text, s.text);
    set(QPalette::PlaceholderText, s.placeholder);
    set(QPalette::Button, s.button);
    set(QPalette::ButtonText, s.text);
    set(QPalette::BrightText, kWhite);
    set(QPalette::Light, s.light);
    set(QPalette::Midlight, s.midlight);
    set(QPalette::Mid, s.mid);
    set(QPalette::Dark, s.dark);
    set(QPalette::Shadow, s.shadow);
    set(QPalette::ToolTipBase, s.toolTipBase);
    set(QPalette::ToolTipText, s.text);
    set(QPalette::Link, s.link);
    set(QPalette::LinkVisited, s.linkVisited);
    set(QPalette::Highlight, kAccent);
    set(QPalette::HighlightedText, kWhite);
    const QColor disabled = QColor::fromRgba(s.disabledText);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                           QPalette::PlaceholderText, QPalette::HighlightedText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Base, QColor::fromRgba(s.window));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor::fromRgba(s.mid));
    return p;
}

bool onMainThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

bool haveWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

// The desktop's own look, taken the first time an appearance is applied, before Karvo changed anything.
struct PlatformLook {
    QString styleName;
    QPalette palette;
    // Someone set the palette explicitly before us; otherwise "system" goes back to following the platform.
    bool paletteWasSet;
};

const PlatformLook& platformLook()
{
    static const PlatformLook look{QApplication::style()->name(), QApplication::palette(),
                                   QCoreApplication::testAttribute(Qt::AA_SetPalette)};
    return look;
}

void useStyle(const QString& name)
{
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(name);
}

// Main thread only. Every store acts on the one application, so what is installed is tracked once.
void install(AppAppearance appearance)
{
    static AppAppearance installed = AppAppearance::system;
    const PlatformLook& look = platformLook();
    if (appearance == installed)
        return;
    switch (appearance) {
    case AppAppearance::system:
        useStyle(look.styleName);
        QApplication::setPalette(look.paletteWasSet ? look.palette : QPalette());
        break;
    case AppAppearance::light:
        useStyle(QLatin1String(kFusion));
        QApplication::setPalette(AppearanceStore::lightPalette());
        break;
    case AppAppearance::dark:
        useStyle(QLatin1String(kFusion));
        QApplication::setPalette(AppearanceStore::darkPalette());
        break;
    }
    installed = appearance;
}

} // namespace

AppearanceStore& AppearanceStore::shared()
{
    static AppearanceStore* const store = [] {
        auto* created = new AppearanceStore;
        // Change notifications are delivered on the main thread, whoever asked first.
        if (QCoreApplication* app = QCoreApplication::instance(); app && created->thread() != app->thread())
            created->moveToThread(app->thread());
        return created;
    }();
    return *store;
}

AppearanceStore::AppearanceStore(QObject* parent) : QObject(parent), m_stored(readStored())
{
    applyCurrent();
}

QString AppearanceStore::rawValue(AppAppearance appearance)
{
    switch (appearance) {
    case AppAppearance::system:
        break;
    case AppAppearance::light:
        return QStringLiteral("light");
    case AppAppearance::dark:
        return QStringLiteral("dark");
    }
    return QStringLiteral("system");
}

std::optional<AppAppearance> AppearanceStore::fromRawValue(const QString& raw)
{
    for (const AppAppearance appearance : {AppAppearance::system, AppAppearance::light, AppAppearance::dark}) {
        if (raw == rawValue(appearance))
            return appearance;
    }
    return std::nullopt;
}

QPalette AppearanceStore::lightPalette()
{
    return paletteFrom(kLight);
}

QPalette AppearanceStore::darkPalette()
{
    return paletteFrom(kDark);
}

bool AppearanceStore::isDark()
{
    return SystemColors::isDark(QGuiApplication::palette());
}

AppAppearance AppearanceStore::stored() const
{
    QMutexLocker lock(&m_lock);
    return m_stored;
}

void AppearanceStore::applyCurrent()
{
    if (!haveWidgets())
        return;
    if (onMainThread()) {
        install(stored());
        return;
    }
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self = QPointer<AppearanceStore>(this)] {
            if (self)
                install(self->stored());
        },
        Qt::QueuedConnection);
}

void AppearanceStore::set(AppAppearance appearance)
{
    {
        // Held while writing, so the file always ends with the value that was stored last.
        QMutexLocker lock(&m_lock);
        if (m_stored == appearance)
            return;
        m_stored = appearance;
        Preferences::setValue(QLatin1String(SettingsDefaults::appearanceKey), rawValue(appearance));
    }
    if (onMainThread()) {
        applyOnMainThread();
        return;
    }
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            app,
            [self = QPointer<AppearanceStore>(this)] {
                if (self)
                    self->applyOnMainThread();
            },
            Qt::QueuedConnection);
    }
}

AppAppearance AppearanceStore::readStored()
{
    const QVariant value = Preferences::value(QLatin1String(SettingsDefaults::appearanceKey));
    if (value.typeId() != QMetaType::QString)
        return AppAppearance::system;
    return fromRawValue(value.toString()).value_or(AppAppearance::system);
}

void AppearanceStore::applyOnMainThread()
{
    // Whatever was set last is applied, so a late call for an older choice cannot win.
    if (haveWidgets())
        install(stored());
    emit appearanceChanged();
}

} // namespace karvo
