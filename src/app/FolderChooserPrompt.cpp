// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderChooserPrompt.h"

#include "Localization.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace karvo {

FolderChooserPrompt::FolderChooserPrompt(Dialog dialog) : m_dialog(std::move(dialog))
{
    if (!m_dialog) {
        m_dialog = [](const QString& windowTitle) {
            QFileDialog chooser(nullptr, windowTitle, QDir::homePath());
            chooser.setFileMode(QFileDialog::Directory);
            chooser.setOption(QFileDialog::ShowDirsOnly, true);
            chooser.setAcceptMode(QFileDialog::AcceptOpen);
            chooser.setLabelText(QFileDialog::Accept, L("Choose Folder"));
            chooser.setWindowModality(Qt::ApplicationModal);
            if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
                return QString();
            return chooser.selectedFiles().first();
        };
    }
}

std::optional<QString> FolderChooserPrompt::chooseFolder(const QString& title, const QString& message)
{
    // The chooser has no room for a message of its own: the message, which says why, is its title.
    const QString defaultMessage =
        L("Karvo couldn't save next to the original. Choose a folder for the converted files.");
    const QString windowTitle = !message.isEmpty() ? message : (!title.isEmpty() ? title : defaultMessage);
    const QString chosen = m_dialog(windowTitle);
    if (chosen.isEmpty() || !QFileInfo(chosen).isDir())
        return std::nullopt;
    const QString folder = QDir(chosen).absolutePath();
    OutputLocation::saveBookmark(folder);
    return folder;
}

} // namespace karvo
