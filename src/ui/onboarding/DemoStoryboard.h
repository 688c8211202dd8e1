// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoFrame.h"

#include <QColor>
#include <QList>
#include <QWidget>

class QHBoxLayout;

namespace karvo {

// The still counterpart of the moving demonstration, for desktops that ask for reduced motion: three
// steps in a row, each a symbol in a rounded outline with its label below, joined by arrows.
class DemoStoryboard : public QWidget {
    Q_OBJECT

public:
    struct Step {
        QString symbol;
        QColor tint;
        QString label;
    };

    explicit DemoStoryboard(DemoScene scene, QWidget* parent = nullptr);

    DemoScene scene() const { return m_scene; }
    void setScene(DemoScene scene);

    // The scene's steps in the current language and palette.
    static QList<Step> steps(DemoScene scene, const QPalette& palette);
    QStringList labels() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();

    DemoScene m_scene;
    QHBoxLayout* m_row;
};

} // namespace karvo
