// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <memory>

namespace karvo {

// Shows files selected in the desktop's file manager ("Show in Folder").
class FileRevealer {
public:
    virtual ~FileRevealer() = default;
    // `paths` are absolute; nothing happens for an empty list.
    virtual void reveal(const QStringList& paths) = 0;

    // The desktop's way: the file manager's D-Bus interface, else the folder opened with the default
    // application.
    static std::shared_ptr<FileRevealer> system();
};

} // namespace karvo
