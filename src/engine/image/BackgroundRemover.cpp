// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackgroundRemover.h"

#include "ImagingModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <mutex>

namespace karvo {

namespace {
std::mutex foldersMutex;
QStringList& testFolders()
{
    static QStringList folders;
    return folders;
}
} // namespace

QStringList BackgroundRemover::modelFolders()
{
    {
        const std::lock_guard lock(foldersMutex);
        if (!testFolders().isEmpty())
            return testFolders();
    }
    return {QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tessvane/models"),
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/karvo/models"))};
}

bool BackgroundRemover::isAvailable()
{
    const ImagingFunctions* imaging = ImagingModule::functions();
    return imaging && imaging->hasUsableModel(modelFolders());
}

bool BackgroundRemover::seemsInstalled()
{
    for (const QString& folder : modelFolders()) {
        if (!QDir(folder).entryList({QStringLiteral("*.onnx")}, QDir::Files | QDir::Readable).isEmpty())
            return true;
    }
    return false;
}

void BackgroundRemover::setModelFoldersForTesting(const QStringList& folders)
{
    const std::lock_guard lock(foldersMutex);
    testFolders() = folders;
}

std::optional<ImageIOError> BackgroundRemover::removeBackground(const QString& input, const QString& outputPng,
                                                                const CancelCheck& isCancelled)
{
    if (isCancelled && isCancelled())
        return ImageIOError{ImageIOFailure::cancelled, ImageFormat::png, {}};
    const ImagingFunctions* imaging = ImagingModule::functions();
    if (!imaging)
        return ImageIOError{ImageIOFailure::writeFailed, ImageFormat::png, ImagingModule::loadError()};
    return imaging->removeBackground(input, outputPng, modelFolders(), isCancelled);
}

} // namespace karvo
