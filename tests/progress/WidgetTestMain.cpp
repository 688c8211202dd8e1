// SPDX-License-Identifier: GPL-3.0-or-later
// The widget tests need a QApplication, and screens of known sizes: on the offscreen platform, a
// primary screen with a 900-pixel-high area and a second one with a 650-pixel-high area beside it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
constexpr const char* kScreens = R"({
  "screens": [
    { "name": "Primary", "x": 0, "y": 0, "width": 1440, "height": 900, "logicalDpi": 96, "logicalBase": 96, "dpr": 1 },
    { "name": "Small", "x": 1440, "y": 0, "width": 1024, "height": 650, "logicalDpi": 96, "logicalBase": 96, "dpr": 1 }
  ]
})";
} // namespace

int main(int argc, char** argv)
{
    // Each test case runs as a process of its own: settings and data folders of its own too.
    const QString base = qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty()
                             ? QDir::tempPath()
                             : QDir::cleanPath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/.."));
    QDir().mkpath(base);
    auto home = std::make_unique<QTemporaryDir>(base + QStringLiteral("/case-XXXXXX"));
    if (home->isValid()) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home->filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home->filePath("data")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home->filePath("cache")));
        if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen")) {
            QFile config(home->filePath("screens.json"));
            if (config.open(QIODevice::WriteOnly) && config.write(kScreens) > 0) {
                config.close();
                qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
            }
        }
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
