// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Every test binary gets a QCoreApplication so that Qt's event dispatch, application paths and
// translations behave as in the program. CTest runs each test case as its own process, in parallel:
// each process gets config and data folders of its own (below the ones CTest names, when it names
// them), so settings and the output-folder bookmark of one case never leak into another.
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
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
