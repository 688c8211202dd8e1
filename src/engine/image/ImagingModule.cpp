// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImagingModule.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <dlfcn.h>
#include <mutex>

namespace karvo {

namespace {
std::atomic<const ImagingFunctions*> installed{nullptr};
std::once_flag loadOnce;
const ImagingFunctions* loaded = nullptr;
QString failure;

void load()
{
    QStringList reasons;
    for (const QString& path : ImagingModule::candidatePaths()) {
        if (!QFileInfo::exists(path))
            continue;
        // Local: the module's libraries stay out of the program's own symbol lookups.
        void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            reasons << QString::fromLocal8Bit(dlerror());
            continue;
        }
        using Entry = const ImagingFunctions* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(handle, "karvo_imaging_functions"));
        if (entry && entry()) {
            loaded = entry();
            return;
        }
        reasons << QStringLiteral("%1 has no image functions").arg(path);
    }
    failure = reasons.isEmpty() ? QStringLiteral("the image module is not installed (looked in %1)")
                                      .arg(ImagingModule::candidatePaths().join(QStringLiteral(", ")))
                                : reasons.join(QStringLiteral("; "));
}
} // namespace

const ImagingFunctions* ImagingModule::functions()
{
    if (const ImagingFunctions* linked = installed.load())
        return linked;
    std::call_once(loadOnce, load);
    return loaded;
}

QString ImagingModule::loadError()
{
    functions();
    return failure;
}

void ImagingModule::install(const ImagingFunctions* linked)
{
    installed.store(linked);
}

QStringList ImagingModule::candidatePaths()
{
    QStringList paths{QFileInfo(programFolder() + QStringLiteral("/" KARVO_IMAGING_FROM_PROGRAM)).absoluteFilePath()};
#ifdef KARVO_IMAGING_BUILD_PATH
    paths << QStringLiteral(KARVO_IMAGING_BUILD_PATH);
#endif
    paths.removeDuplicates();
    return paths;
}

} // namespace karvo
