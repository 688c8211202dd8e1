// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsDefaults.h"

#include "Preferences.h"
#include "Printers.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace karvo;

namespace {

using Mode = SettingsDefaults::OutputLocationMode;

class SettingsTest : public ::testing::Test {
protected:
    void TearDown() override { Preferences::setFilePath({}); }

    // A fresh preferences file for every content, as a user or an older version would leave it.
    void useFile(const QByteArray& content)
    {
        const QString path = dir.filePath(QStringLiteral("settings-%1.json").arg(++m_files));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        Preferences::setFilePath(path);
    }
    void useValue(const char* key, const char* json)
    {
        useFile(json ? QByteArray("{\n  \"") + key + "\": " + json + "\n}\n" : QByteArray("{}"));
    }
    QJsonObject fileContent() const
    {
        QFile f(Preferences::filePath());
        return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
    }

    QTemporaryDir dir;

private:
    int m_files = 0;
};

struct StoredCase {
    const char* key;
    const char* json; // nullptr: absent
    std::function<double()> read;
    double expected;
};

TEST_F(SettingsTest, StoredValuesAreTypeCheckedAndClampedOnReading)
{
    const auto preset = [] {
        return double(SettingsDefaults::videoCompressPreset());
    };
    const auto quality = [] {
        return SettingsDefaults::imageCompressQuality();
    };
    const auto edge = [] {
        return double(SettingsDefaults::imageResizeMaxEdge());
    };
    const auto angle = [] {
        return double(SettingsDefaults::imageRotateAngle());
    };
    const auto speed = [] {
        return SettingsDefaults::speedMultiplier();
    };
    const auto split = [] {
        return double(SettingsDefaults::splitDuration());
    };
    const char* presetKey = SettingsDefaults::videoCompressPresetKey;
    const char* qualityKey = SettingsDefaults::imageCompressQualityKey;
    const char* edgeKey = SettingsDefaults::imageResizeMaxEdgeKey;
    const char* angleKey = SettingsDefaults::imageRotateAngleKey;
    const char* speedKey = SettingsDefaults::speedMultiplierKey;
    const char* splitKey = SettingsDefaults::splitDurationKey;
    const StoredCase cases[] = {
        {presetKey, "7", preset, 2},
        {presetKey, "-3", preset, 0},
        {presetKey, "0", preset, 0},
        {presetKey, "2", preset, 2},
        {presetKey, "\"2\"", preset, 1},
        {presetKey, "2.5", preset, 1},
        {presetKey, "true", preset, 1},
        {presetKey, "null", preset, 1},
        {presetKey, "[2]", preset, 1},
        {presetKey, "10000000000", preset, 2},
        {presetKey, "-10000000000", preset, 0},
        {presetKey, nullptr, preset, 1},
        {qualityKey, "0.2", quality, 0.4},
        {qualityKey, "1.5", quality, 0.95},
        {qualityKey, "0.5", quality, 0.5},
        {qualityKey, "1", quality, 0.95},
        {qualityKey, "0", quality, 0.4},
        {qualityKey, "\"0.5\"", quality, 0.75},
        {qualityKey, nullptr, quality, 0.75},
        {edgeKey, "1000", edge, 1920},
        {edgeKey, "3840", edge, 3840},
        {edgeKey, "1280", edge, 1280},
        {edgeKey, "800", edge, 800},
        {edgeKey, "\"800\"", edge, 1920},
        {edgeKey, "800.5", edge, 1920},
        {edgeKey, nullptr, edge, 1920},
        {angleKey, "180", angle, 180},
        {angleKey, "270", angle, 270},
        {angleKey, "45", angle, 90},
        {angleKey, "-90", angle, 90},
        {angleKey, "360", angle, 90},
        {angleKey, nullptr, angle, 90},
        {speedKey, "10", speed, 4.0},
        {speedKey, "0.1", speed, 0.25},
        {speedKey, "1.5", speed, 1.5},
        {speedKey, "3", speed, 3.0},
        {speedKey, "-2", speed, 0.25},
        {speedKey, "\"3\"", speed, 2.0},
        {speedKey, nullptr, speed, 2.0},
        {splitKey, "0", split, 1},
        {splitKey, "7200", split, 3600},
        {splitKey, "30", split, 30},
        {splitKey, "-5", split, 1},
        {splitKey, "\"30\"", split, 10},
        {splitKey, "2.5", split, 10},
        {splitKey, nullptr, split, 10},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + (c.json ? c.json : "(absent)"));
        useValue(c.key, c.json);
        EXPECT_DOUBLE_EQ(c.read(), c.expected);
    }
}

TEST_F(SettingsTest, OutputLocationModeNeedsExactlyCustom)
{
    const std::pair<const char*, Mode> rows[] = {
        {"\"custom\"", Mode::custom},
        {"\"Custom\"", Mode::besideSource},
        {"\"besideSource\"", Mode::besideSource},
        {"\"custom \"", Mode::besideSource},
        {"1", Mode::besideSource},
        {"true", Mode::besideSource},
        {nullptr, Mode::besideSource},
    };
    for (const auto& [json, mode] : rows) {
        useValue(SettingsDefaults::outputLocationKey, json);
        EXPECT_EQ(SettingsDefaults::outputLocationMode(), mode) << (json ? json : "(absent)");
    }
    EXPECT_EQ(SettingsDefaults::rawValue(Mode::custom), "custom");
    EXPECT_EQ(SettingsDefaults::rawValue(Mode::besideSource), "besideSource");
}

TEST_F(SettingsTest, IntegerDecimalAndStringAreToldApart)
{
    useFile(R"({"kv.videoCompressPreset": 2, "kv.splitDuration": 2.5, "kv.imageRotateAngle": "180"})");
    EXPECT_EQ(SettingsDefaults::videoCompressPreset(), 2);
    EXPECT_EQ(SettingsDefaults::splitDuration(), 10);
    EXPECT_EQ(SettingsDefaults::imageRotateAngle(), 90);
    EXPECT_EQ(Preferences::value("kv.videoCompressPreset").typeId(), QMetaType::Int);
    EXPECT_EQ(Preferences::value("kv.splitDuration").typeId(), QMetaType::Double);
    EXPECT_EQ(Preferences::value("kv.imageRotateAngle").typeId(), QMetaType::QString);
}

TEST_F(SettingsTest, WrittenValuesKeepTheirType)
{
    useFile("{}");
    Preferences::setValue(SettingsDefaults::videoCompressPresetKey, 7);
    EXPECT_EQ(SettingsDefaults::videoCompressPreset(), 2);
    Preferences::setValue(SettingsDefaults::videoCompressPresetKey, QStringLiteral("0"));
    EXPECT_EQ(SettingsDefaults::videoCompressPreset(), 1);
    Preferences::setValue(SettingsDefaults::speedMultiplierKey, 0.5);
    EXPECT_DOUBLE_EQ(SettingsDefaults::speedMultiplier(), 0.5);
    Preferences::setValue(SettingsDefaults::dragHotkeyEnabledKey, true);
    EXPECT_EQ(Preferences::value(SettingsDefaults::dragHotkeyEnabledKey), QVariant(true));

    const QJsonObject stored = fileContent();
    EXPECT_EQ(stored.value("kv.videoCompressPreset"), QJsonValue("0"));
    EXPECT_EQ(stored.value("kv.speedMultiplier"), QJsonValue(0.5));
    EXPECT_EQ(stored.value("kv.dragHotkeyEnabled"), QJsonValue(true));

    Preferences::remove(SettingsDefaults::speedMultiplierKey);
    EXPECT_DOUBLE_EQ(SettingsDefaults::speedMultiplier(), 2.0);
    EXPECT_FALSE(fileContent().contains("kv.speedMultiplier"));
}

TEST_F(SettingsTest, ResizeEdgeAndRotateAngleAreNormalisedWhenWritten)
{
    useFile("{}");
    const std::pair<int, int> edges[] = {{2000, 1920}, {1280, 1280}, {3840, 3840}, {0, 1920}, {800, 800}};
    for (const auto& [given, stored] : edges) {
        SettingsDefaults::setImageResizeMaxEdge(given);
        EXPECT_EQ(Preferences::value(SettingsDefaults::imageResizeMaxEdgeKey), QVariant(stored)) << given;
        EXPECT_EQ(fileContent().value(SettingsDefaults::imageResizeMaxEdgeKey), QJsonValue(stored)) << given;
        EXPECT_EQ(SettingsDefaults::imageResizeMaxEdge(), stored) << given;
    }
    const std::pair<int, int> angles[] = {{45, 90}, {180, 180}, {270, 270}, {-90, 90}, {360, 90}, {90, 90}};
    for (const auto& [given, stored] : angles) {
        SettingsDefaults::setImageRotateAngle(given);
        EXPECT_EQ(Preferences::value(SettingsDefaults::imageRotateAngleKey), QVariant(stored)) << given;
        EXPECT_EQ(SettingsDefaults::imageRotateAngle(), stored) << given;
    }
}

TEST_F(SettingsTest, CorruptFileReadsAsDefaultsAndIsReplacedOnTheNextWrite)
{
    for (const QByteArray& corrupt : {QByteArray("{\"kv.videoCompressPreset\": 2,"), QByteArray("[1, 2, 3]"),
                                      QByteArray("\xff\xfe garbage"), QByteArray("  \n")}) {
        SCOPED_TRACE(corrupt.toStdString());
        useFile(corrupt);
        EXPECT_EQ(SettingsDefaults::videoCompressPreset(), 1);
        EXPECT_DOUBLE_EQ(SettingsDefaults::imageCompressQuality(), 0.75);
        EXPECT_EQ(SettingsDefaults::imageResizeMaxEdge(), 1920);
        EXPECT_EQ(SettingsDefaults::imageRotateAngle(), 90);
        EXPECT_DOUBLE_EQ(SettingsDefaults::speedMultiplier(), 2.0);
        EXPECT_EQ(SettingsDefaults::splitDuration(), 10);
        EXPECT_EQ(SettingsDefaults::outputLocationMode(), Mode::besideSource);

        Preferences::setValue(SettingsDefaults::splitDurationKey, 30);
        EXPECT_EQ(SettingsDefaults::splitDuration(), 30);
        EXPECT_EQ(fileContent().value(SettingsDefaults::splitDurationKey), QJsonValue(30));
    }
}

TEST_F(SettingsTest, DefaultFileLivesInTheXdgConfigFolder)
{
    Preferences::setFilePath({});
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Karvo/settings.json";
    ASSERT_FALSE(qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty());
    EXPECT_EQ(Preferences::filePath(), expected);
    QFile::remove(expected);
    Preferences::setValue(SettingsDefaults::splitDurationKey, 42);
    EXPECT_EQ(SettingsDefaults::splitDuration(), 42);
    EXPECT_EQ(fileContent().value(SettingsDefaults::splitDurationKey), QJsonValue(42));

    const QString other = dir.filePath("other.json");
    Preferences::setFilePath(other);
    EXPECT_EQ(Preferences::filePath(), other);
    EXPECT_EQ(SettingsDefaults::splitDuration(), 10);
    Preferences::setFilePath({});
    EXPECT_EQ(SettingsDefaults::splitDuration(), 42);
    QFile::remove(expected);
}

TEST_F(SettingsTest, WritesFromSeveralThreadsAreAllKept)
{
    useFile("{}");
    constexpr int threads = 4;
    constexpr int perThread = 20;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < perThread; ++i)
                Preferences::setValue(QStringLiteral("kv.test.%1.%2").arg(t).arg(i), t * 100 + i);
        });
    }
    for (std::thread& w : workers)
        w.join();
    const QJsonObject stored = fileContent();
    for (int t = 0; t < threads; ++t) {
        for (int i = 0; i < perThread; ++i)
            EXPECT_EQ(stored.value(QStringLiteral("kv.test.%1.%2").arg(t).arg(i)), QJsonValue(t * 100 + i));
    }
}

} // namespace
