// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ImageIOFailure.h"

#include <QString>

namespace karvo {

// A file written under a private name beside its destination and moved into place only when complete,
// with a move that never replaces an existing file. Abandoned (and removed) unless committed.
class StagedFile {
public:
    // `suffix` ends the private name, for tools that go by it.
    explicit StagedFile(const QString& destination, const QString& suffix = QStringLiteral(".part"));
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Open for writing; -1 when the private file could not be created.
    int fd() const { return m_fd; }
    // The private file, absolute.
    QString path() const { return m_staged; }
    QString error() const { return m_error; }
    // errno of the failed creation, write, close or move; 0 while nothing failed.
    int errorCode() const { return m_errno; }
    // The failed write of `file` as an image error.
    static ImageIOError failureOf(const StagedFile& file)
    {
        return ImageIOError{ImageIOFailure::writeFailed, ImageFormat::png, file.error(), file.errorCode()};
    }

    // Appends all of `size` bytes; false (with error()) on any failure.
    bool write(const void* data, qint64 size);
    // Flushes, closes and moves the file to the destination.
    bool commit();

    // Seam for tests on machines where no full file system can be mounted: writes go to `device` (such as
    // /dev/full) instead of the private file. An empty path restores real writes.
    static void setWriteDeviceForTesting(const QString& device);

private:
    void abandon();
    bool fail(const char* what);

    QString m_destination;
    QString m_staged;
    QString m_error;
    int m_errno = 0;
    int m_fd = -1;
    bool m_committed = false;
};

} // namespace karvo
