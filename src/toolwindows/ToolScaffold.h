// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ConversionOp.h"
#include "DropPlan.h"
#include "Localization.h"
#include "ToolServices.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace karvo {

class ElidedLabel;

// The frame every tool is drawn in: a header naming the file(s), the tool's content, a divider, the tool's
// controls, and a footer with what will be written and the apply button. Applying turns the tool's
// parameters into one operation per file, enqueues them, reports the files they do not fit, and closes
// the window.
class ToolScaffold : public QWidget {
    Q_OBJECT

public:
    // The operation for one file; none when the chosen parameters do not fit that file.
    using OnApply = std::function<std::optional<ConversionOp>(const ToolFile& file)>;

    struct Parts {
        QWidget* content = nullptr;  // the preview area; none leaves it empty
        QWidget* controls = nullptr; // the parameter rows; none leaves them empty
        // The button's title for a single file, an English key looked up with L.
        const char* applyTitle = KV_TRANSLATE_NOOP("Apply");
        OnApply onApply;
    };

    // `files` is never empty. The scaffold takes ownership of the parts' widgets.
    ToolScaffold(const QList<ToolFile>& files, Parts parts, const ToolServices& services, QWidget* parent = nullptr);

    // "name" for one file, "name + 2 more" for three.
    static QString fileCaption(const QList<ToolFile>& files);
    // The tool's own title for one file, "Apply to 3 files" for three.
    static QString applyLabel(const char* applyTitle, qsizetype count);
    // What the first file would become, e.g. "JPG · Saved beside the original"; the extension is left
    // empty when the first file does not fit the parameters.
    static QString outputDescription(const std::optional<ConversionOp>& firstOperation, const QString& firstPath);

    QString fileCaption() const { return fileCaption(m_files); }
    QString applyLabel() const { return applyLabel(m_applyTitle, m_files.size()); }
    QString outputDescription() const;

    bool canApply() const { return m_canApply; }
    void setCanApply(bool canApply);
    // Re-reads the texts that follow the parameters; a tool calls it whenever a parameter changes.
    void refresh();

    // Enqueues every file that gets an operation, alerts about each one that does not, reloads the
    // progress panel once and closes the window, whatever the outcome.
    void apply();

    const QList<ToolFile>& files() const { return m_files; }
    QPushButton* applyButton() const { return m_applyButton; }
    QLabel* descriptionLabel() const { return m_description; }
    ElidedLabel* captionLabel() const { return m_caption; }

private:
    QList<ToolFile> m_files;
    const char* m_applyTitle;
    OnApply m_onApply;
    ToolServices m_services;
    bool m_canApply = true;
    ElidedLabel* m_caption;
    QLabel* m_description;
    QPushButton* m_applyButton;
};

} // namespace karvo
