// SPDX-License-Identifier: GPL-3.0-or-later
#include "Preferences.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>
#include <limits>

namespace karvo {

namespace {
QMutex g_mutex;
QString g_path;

// JSON has one number type; whole numbers read back as integers so that typed readers can tell
// 2 (an integer) from 2.5.
QVariant fromJson(const QJsonValue& value)
{
    if (value.isDouble()) {
        const double x = value.toDouble();
        if (std::isfinite(x) && std::trunc(x) == x &&
            std::abs(x) < static_cast<double>(std::numeric_limits<int>::max()))
            return QVariant(static_cast<int>(x));
        // Larger whole numbers stay integers too (up to 2^53, the last one a double holds exactly).
        if (std::isfinite(x) && std::trunc(x) == x && std::abs(x) <= 9007199254740992.0)
            return QVariant(static_cast<qlonglong>(x));
        return QVariant(x);
    }
    return value.toVariant();
}

bool readJson(QIODevice& device, QSettings::SettingsMap& map)
{
    const QByteArray data = device.readAll();
    if (data.trimmed().isEmpty())
        return true;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false; // an unreadable file reads as empty preferences; it is replaced on the next write
    const QJsonObject object = doc.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        map.insert(it.key(), fromJson(it.value()));
    return true;
}

bool writeJson(QIODevice& device, const QSettings::SettingsMap& map)
{
    QJsonObject object;
    for (auto it = map.begin(); it != map.end(); ++it)
        object.insert(it.key(), QJsonValue::fromVariant(it.value()));
    return device.write(QJsonDocument(object).toJson(QJsonDocument::Indented)) >= 0;
}

QSettings::Format jsonFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("json"), readJson, writeJson);
    return format;
}

QString currentPath()
{
    QMutexLocker lock(&g_mutex);
    if (!g_path.isEmpty())
        return g_path;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Karvo/settings.json");
}
} // namespace

QString Preferences::filePath()
{
    return currentPath();
}

void Preferences::setFilePath(const QString& path)
{
    QMutexLocker lock(&g_mutex);
    g_path = path;
}

QVariant Preferences::value(const QString& key)
{
    QSettings settings(currentPath(), jsonFormat());
    return settings.value(key);
}

void Preferences::setValue(const QString& key, const QVariant& value)
{
    QSettings settings(currentPath(), jsonFormat());
    settings.setValue(key, value);
    settings.sync();
}

void Preferences::remove(const QString& key)
{
    QSettings settings(currentPath(), jsonFormat());
    settings.remove(key);
    settings.sync();
}

} // namespace karvo
