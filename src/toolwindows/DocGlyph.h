// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace karvo {

// The outlined page with a folded corner that stands before a file's name, sized to the caption text and
// drawn in the secondary text colour.
class DocGlyph : public QWidget {
public:
    explicit DocGlyph(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace karvo
