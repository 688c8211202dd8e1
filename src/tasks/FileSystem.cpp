// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSystem.h"

#include "SafeMove.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <sys/stat.h>

namespace karvo {

namespace {
class LocalFileSystem final : public FileSystem {
public:
    int makeFolder(const QString& path) override
    {
        return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 ? 0 : errno;
    }
    int moveNoReplace(const QString& source, const QString& destination) override
    {
        return SafeMove::moveNoReplace(source, destination);
    }
    QString temporaryFolder() const override { return QDir::tempPath(); }
};
} // namespace

std::shared_ptr<FileSystem> FileSystem::local()
{
    static const auto instance = std::make_shared<LocalFileSystem>();
    return instance;
}

} // namespace karvo
