// SPDX-License-Identifier: GPL-3.0-or-later
// GLib's headers name struct members "signals", a keyword to Qt: its macro is set aside while they are read.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include "ReducedMotion.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace karvo {

namespace {
std::optional<bool>& overrideValue()
{
    static std::optional<bool> value;
    return value;
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
    // Asking GSettings for a schema that is not installed aborts the program: look it up first.
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return std::nullopt;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, schemaId, TRUE);
    if (!schema)
        return std::nullopt;
    std::optional<bool> enabled;
    if (g_settings_schema_has_key(schema, key)) {
        GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
        enabled = g_settings_get_boolean(settings, key) != FALSE;
        g_object_unref(settings);
    }
    g_settings_schema_unref(schema);
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
