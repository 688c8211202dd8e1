// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

class QVariantAnimation;

namespace karvo {

// The card's small round close button. Invisible until the pointer is over the card, yet always in
// place, so it keeps its spot in the layout and stays reachable for screen readers.
class CardCloseButton : public QAbstractButton {
public:
    explicit CardCloseButton(QWidget* parent = nullptr);

    double reveal() const { return m_reveal; }
    // Fades to `reveal` (0 hidden, 1 shown) in `durationMs`.
    void fadeTo(double reveal, int durationMs);

    QSize sizeHint() const override { return QSize(16, 16); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_reveal = 0;
    QVariantAnimation* m_fade = nullptr;
};

} // namespace karvo
