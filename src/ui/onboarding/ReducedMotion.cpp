// SPDX-License-Identifier: GPL-3.0-or-later
// GLib's headers name struct members "signals", a keyword to Qt: its macro is set aside while they are read.
// Only their declarations are used: GIO itself is loaded when first asked (see gio() below).
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include "ReducedMotion.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <dlfcn.h>

namespace karvo {

namespace {
std::optional<bool>& overrideValue()
{
    static std::optional<bool> value;
    return value;
}

// GIO and the GObject library under it are loaded the first time the setting is read, not linked: linked,
// they and the half-dozen libraries they bring would be loaded at every start of the program.
struct Gio {
    decltype(&g_settings_schema_source_get_default) sourceDefault = nullptr;
    decltype(&g_settings_schema_source_lookup) lookup = nullptr;
    decltype(&g_settings_schema_has_key) hasKey = nullptr;
    decltype(&g_settings_schema_unref) unrefSchema = nullptr;
    decltype(&g_settings_new_full) settingsFor = nullptr;
    decltype(&g_settings_get_boolean) boolean = nullptr;
    decltype(&g_object_unref) unref = nullptr;
};

template <typename Function>
bool resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<Gio> loadGio()
{
    // Never closed: GLib's type system does not support unloading.
    void* library = dlopen("libgio-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    Gio gio;
    // The handle reaches GObject's symbols too: GIO depends on it.
    if (!resolve(library, "g_settings_schema_source_get_default", gio.sourceDefault) ||
        !resolve(library, "g_settings_schema_source_lookup", gio.lookup) ||
        !resolve(library, "g_settings_schema_has_key", gio.hasKey) ||
        !resolve(library, "g_settings_schema_unref", gio.unrefSchema) ||
        !resolve(library, "g_settings_new_full", gio.settingsFor) ||
        !resolve(library, "g_settings_get_boolean", gio.boolean) || !resolve(library, "g_object_unref", gio.unref))
        return std::nullopt;
    return gio;
}

// Null where GIO is not installed: GNOME's setting then counts as not set.
const Gio* gio()
{
    static const std::optional<Gio> loaded = loadGio();
    return loaded ? &*loaded : nullptr;
}

// Removes surrounding blanks and KDE's "[$i]"-style markers from a key.
QString plainKey(QString key)
{
    key = key.trimmed();
    const qsizetype marker = key.indexOf(QLatin1Char('['));
    return marker < 0 ? key : key.left(marker).trimmed();
}
} // namespace

bool ReducedMotion::enabled()
{
    if (overrideValue())
        return *overrideValue();
    if (gnomeAnimationsEnabled() == false)
        return true;
    QFile file(kdeGlobalsPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    return kdeAnimationsOff(QString::fromUtf8(file.readAll()));
}

void ReducedMotion::setOverride(std::optional<bool> reduced)
{
    overrideValue() = reduced;
}

std::optional<bool> ReducedMotion::gnomeAnimationsEnabled()
{
    static constexpr char schemaId[] = "org.gnome.desktop.interface";
    static constexpr char key[] = "enable-animations";
    const Gio* const g = gio();
    if (!g)
        return std::nullopt;
    // Asking GSettings for a schema that is not installed aborts the program: look it up first.
    GSettingsSchemaSource* source = g->sourceDefault();
    if (!source)
        return std::nullopt;
    GSettingsSchema* schema = g->lookup(source, schemaId, TRUE);
    if (!schema)
        return std::nullopt;
    std::optional<bool> enabled;
    if (g->hasKey(schema, key)) {
        GSettings* settings = g->settingsFor(schema, nullptr, nullptr);
        enabled = g->boolean(settings, key) != FALSE;
        g->unref(settings);
    }
    g->unrefSchema(schema);
    return enabled;
}

QString ReducedMotion::kdeGlobalsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kdeglobals");
}

bool ReducedMotion::kdeAnimationsOff(const QString& kdeGlobals)
{
    bool inKdeGroup = false;
    bool off = false;
    for (const QString& rawLine : kdeGlobals.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inKdeGroup = line.startsWith(QLatin1String("[KDE]"));
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inKdeGroup || equals < 0 || plainKey(line.left(equals)) != QLatin1String("AnimationDurationFactor"))
            continue;
        bool ok = false;
        const double factor = line.mid(equals + 1).trimmed().toDouble(&ok);
        // The last entry wins, as when KDE reads the file.
        off = ok && factor == 0;
    }
    return off;
}

} // namespace karvo
