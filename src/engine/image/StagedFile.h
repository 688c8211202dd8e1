// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace karvo {

// A file written under a private name beside its destination and moved into place only when complete,
// with a move that never replaces an existing file. Abandoned (and removed) unless committed.
class StagedFile {
public:
    explicit StagedFile(const QString& destination);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Open for writing; -1 when the private file could not be created.
    int fd() const { return m_fd; }
    QString error() const { return m_error; }

    // Appends all of `size` bytes; false (with error()) on any failure.
    bool write(const void* data, qint64 size);
    // Flushes, closes and moves the file to the destination.
    bool commit();

private:
    void abandon();

    QString m_destination;
    QString m_staged;
    QString m_error;
    int m_fd = -1;
    bool m_committed = false;
};

} // namespace karvo
