// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OutputModeRules.h"
#include "SettingsContext.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace karvo {

// Where converted files go: beside the source or into a custom folder, with the folder row for the
// latter. The mode is stored under "kv.outputLocation"; the folder is the output-folder bookmark.
class OutputSettingsTab : public QWidget {
public:
    explicit OutputSettingsTab(SettingsContext::FolderChooser chooser, QWidget* parent = nullptr);

    const OutputPageState& state() const { return m_state; }
    QRadioButton* besideSourceButton() const { return m_besideSource; }
    QRadioButton* customFolderButton() const { return m_customFolder; }
    QWidget* folderRow() const { return m_folderRow; }
    // The whole path or the placeholder, however much of it fits on screen.
    QString folderText() const;
    QPushButton* chooseButton() const { return m_choose; }
    QPushButton* clearButton() const { return m_clear; }

    void chooseFolder();
    void clearFolder();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Writes what the change asks of the stored mode and bookmark.
    static void store(const OutputPageChange& change);
    void apply(const OutputPageChange& change);
    void refresh();

    SettingsContext::FolderChooser m_chooseFolder;
    OutputPageState m_state;
    QRadioButton* m_besideSource = nullptr;
    QRadioButton* m_customFolder = nullptr;
    QWidget* m_folderRow = nullptr;
    QLabel* m_path = nullptr;
    QPushButton* m_choose = nullptr;
    QPushButton* m_clear = nullptr;
};

} // namespace karvo
