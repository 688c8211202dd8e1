// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputPublisher.h"

#include "Localization.h"
#include "OutputLocation.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace karvo {

OutputPublisher::OutputPublisher(FileSystem& files, Relocate relocate) : m_files(files), m_relocate(std::move(relocate))
{
}

QString OutputPublisher::describeWriteError(int error, const QString& folder)
{
    const QString where = QDir::toNativeSeparators(folder);
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return L("Not enough space in %@.", where);
    case EFBIG:
        return L("The output is too large for the file system of %@.", where);
    case ENAMETOOLONG:
        return L("The output file name is too long for %@. Rename the source file to something shorter.", where);
    case EACCES:
    case EPERM:
        return L("Karvo may not write to %@. Choose another output folder.", where);
    case EROFS:
        return L("%@ is read-only. Choose another output folder.", where);
    case EIO:
        return L("The disk reported a read or write error.");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

OutputPublisher::Published OutputPublisher::publish(const TaskPtr& task, const QString& staged,
                                                    const QString& destination, bool final,
                                                    const NextFreeName& nextFreeName)
{
    const QString name = QFileInfo(destination).fileName();
    const QFileInfo stagedInfo(staged);
    if (!stagedInfo.exists() || stagedInfo.size() == 0) {
        // The tool reported success without writing anything: that is not a finished conversion.
        return {false, L("Cannot save %@: %@", name, L("no output was produced"))};
    }
    auto result = task->publish(m_files, staged, destination, final, nextFreeName);
    QString folder = QFileInfo(destination).absolutePath();
    if (!result.published && result.error != 0 && OutputLocation::isPermissionDenied(result.error) && m_relocate) {
        if (const auto relocated = m_relocate(destination)) {
            folder = QFileInfo(*relocated).absolutePath();
            result = task->publish(m_files, staged, *relocated, final, nextFreeName);
        }
    }
    if (result.published)
        return {true, std::nullopt};
    if (result.error == 0)
        return {false, std::nullopt};
    return {false, L("Cannot save %@: %@", name, describeWriteError(result.error, folder))};
}

} // namespace karvo
