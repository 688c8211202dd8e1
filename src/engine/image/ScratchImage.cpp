// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScratchImage.h"

#include "VipsCancellation.h"
#include "VipsRuntime.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/statvfs.h>

namespace karvo {

namespace {
// Header and metadata (EXIF, profile) on top of the pixels.
constexpr double kOverhead = 4.0 * 1024 * 1024;

ImageIOError writeFailure(const QString& detail, int systemError = 0)
{
    return ImageIOError{ImageIOFailure::writeFailed, ImageFormat::png, detail, systemError};
}
} // namespace

ScratchImage::ScratchImage(const QString& besideOutput)
    : m_file(QFileInfo(besideOutput).absolutePath() + QStringLiteral("/scratch"), QStringLiteral(".v"))
{
}

std::optional<ImageIOError> ScratchImage::write(const vips::VImage& image, const CancelCheck& isCancelled)
{
    if (m_file.fd() < 0)
        return writeFailure(m_file.error(), m_file.errorCode());
    const double bytes = static_cast<double>(image.width()) * image.height() *
                             static_cast<double>(VIPS_IMAGE_SIZEOF_PEL(image.get_image())) +
                         kOverhead;
    struct statvfs fs {};
    const QByteArray folder = QFile::encodeName(QFileInfo(m_file.path()).absolutePath());
    if (::statvfs(folder.constData(), &fs) == 0 && static_cast<double>(fs.f_bavail) * fs.f_frsize < bytes)
        return writeFailure(QStringLiteral("not enough space for a scratch copy of the picture"), ENOSPC);

    VipsCancellation watch(image, isCancelled);
    try {
        image.vipssave(VipsRuntime::fileName(m_file.path()).data());
    } catch (const vips::VError& e) {
        const QString message = QString::fromUtf8(e.what()).trimmed();
        vips_error_clear();
        if (watch.stopped())
            return ImageIOError{ImageIOFailure::cancelled, ImageFormat::png, {}};
        // The file or the decoding: the caller tells them apart.
        return ImageIOError{ImageIOFailure::unreadable, ImageFormat::png, message};
    }
    if (isCancelled && isCancelled())
        return ImageIOError{ImageIOFailure::cancelled, ImageFormat::png, {}};
    return std::nullopt;
}

vips::VImage ScratchImage::open() const
{
    return vips::VImage::vipsload(VipsRuntime::fileName(m_file.path()).data());
}

} // namespace karvo
