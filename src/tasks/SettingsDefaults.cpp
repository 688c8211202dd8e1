// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDefaults.h"

#include "Preferences.h"

#include <QMetaType>
#include <algorithm>
#include <cmath>
#include <optional>

namespace karvo {

namespace {
std::optional<int> storedInt(const char* key)
{
    const QVariant v = Preferences::value(QString::fromLatin1(key));
    const int type = v.typeId();
    if (type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::UInt ||
        type == QMetaType::ULongLong) {
        const qlonglong n = v.toLongLong();
        return static_cast<int>(std::clamp<qlonglong>(n, INT_MIN, INT_MAX));
    }
    return std::nullopt;
}

std::optional<double> storedDouble(const char* key)
{
    const QVariant v = Preferences::value(QString::fromLatin1(key));
    const int type = v.typeId();
    if (type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::UInt ||
        type == QMetaType::ULongLong || type == QMetaType::Double || type == QMetaType::Float) {
        const double x = v.toDouble();
        if (std::isfinite(x))
            return x;
    }
    return std::nullopt;
}
} // namespace

QString SettingsDefaults::rawValue(OutputLocationMode mode)
{
    return mode == OutputLocationMode::custom ? QStringLiteral("custom") : QStringLiteral("besideSource");
}

SettingsDefaults::OutputLocationMode SettingsDefaults::outputLocationMode()
{
    const QVariant v = Preferences::value(QString::fromLatin1(outputLocationKey));
    if (v.typeId() == QMetaType::QString && v.toString() == u"custom")
        return OutputLocationMode::custom;
    return OutputLocationMode::besideSource;
}

int SettingsDefaults::videoCompressPreset()
{
    return std::clamp(storedInt(videoCompressPresetKey).value_or(1), 0, 2);
}

double SettingsDefaults::imageCompressQuality()
{
    return std::clamp(storedDouble(imageCompressQualityKey).value_or(0.75), 0.4, 0.95);
}

int SettingsDefaults::normalizedResizeEdge(int edge)
{
    return (edge == 3840 || edge == 1920 || edge == 1280 || edge == 800) ? edge : 1920;
}

int SettingsDefaults::imageResizeMaxEdge()
{
    return normalizedResizeEdge(storedInt(imageResizeMaxEdgeKey).value_or(1920));
}

void SettingsDefaults::setImageResizeMaxEdge(int edge)
{
    Preferences::setValue(QString::fromLatin1(imageResizeMaxEdgeKey), normalizedResizeEdge(edge));
}

int SettingsDefaults::normalizedRotateAngle(int angle)
{
    return (angle == 90 || angle == 180 || angle == 270) ? angle : 90;
}

int SettingsDefaults::imageRotateAngle()
{
    return normalizedRotateAngle(storedInt(imageRotateAngleKey).value_or(90));
}

void SettingsDefaults::setImageRotateAngle(int angle)
{
    Preferences::setValue(QString::fromLatin1(imageRotateAngleKey), normalizedRotateAngle(angle));
}

double SettingsDefaults::speedMultiplier()
{
    return std::clamp(storedDouble(speedMultiplierKey).value_or(2.0), 0.25, 4.0);
}

int SettingsDefaults::splitDuration()
{
    return std::clamp(storedInt(splitDurationKey).value_or(10), 1, 3600);
}

} // namespace karvo
