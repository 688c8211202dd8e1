// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace karvo {

// A one-line label that shortens its text in the middle when narrow, so a long file name keeps both
// its beginning and its extension. Screen readers still get the whole text.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    // The text as painted at the current width.
    QString displayedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace karvo
