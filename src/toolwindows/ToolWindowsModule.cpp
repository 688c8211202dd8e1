// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowsModule.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>

namespace karvo {

namespace {

QStringList testingPaths;

QString lastDlError()
{
    const char* text = dlerror();
    return text ? QString::fromLocal8Bit(text) : QString();
}

} // namespace

QStringList ToolWindowsModule::candidatePaths()
{
    if (!testingPaths.isEmpty())
        return testingPaths;
    QStringList paths{
        QFileInfo(programFolder() + QStringLiteral("/" KARVO_TOOLWINDOWS_FROM_PROGRAM)).absoluteFilePath()};
#ifdef KARVO_TOOLWINDOWS_BUILD_PATH
    paths << QStringLiteral(KARVO_TOOLWINDOWS_BUILD_PATH);
#endif
    paths.removeDuplicates();
    return paths;
}

void ToolWindowsModule::setCandidatePathsForTesting(const QStringList& paths)
{
    testingPaths = paths;
}

ToolWindowsModule::Loaded ToolWindowsModule::load()
{
    const QStringList candidates = candidatePaths();
    QString path = candidates.value(0, QStringLiteral("libkarvo-toolwindows.so"));
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            path = candidate;
            break;
        }
    }
    // Local: the module's own symbols stay out of the lookups of libraries loaded after it.
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return {nullptr, lastDlError()};
    using Entry = const ToolWindowsFunctions* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(handle, "karvo_toolwindows_functions"));
    if (!entry) {
        const QString error = lastDlError();
        dlclose(handle);
        return {nullptr, error};
    }
    return {entry(), QString()};
}

} // namespace karvo
