// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's tests need a QApplication. Each case runs as a process of its own, with config,
// data and runtime folders of its own: settings, the output-folder bookmark and the single-instance
// socket of one case never meet another's.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv)
{
    const QString base = qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty()
                             ? QDir::tempPath()
                             : QDir::cleanPath(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/.."));
    QDir().mkpath(base);
    auto home = std::make_unique<QTemporaryDir>(base + QStringLiteral("/case-XXXXXX"));
    if (home->isValid()) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home->filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home->filePath("data")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home->filePath("cache")));
        QDir().mkpath(home->filePath("runtime"));
        QFile::setPermissions(home->filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home->filePath("runtime")));
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
