// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoSprites.h"

#include <QColor>
#include <QPainterPath>
#include <QWidget>
#include <array>
#include <optional>

class QVariantAnimation;

namespace karvo {

// A small six-wedge ring for the demonstrations. The highlighted wedge fades to the accent colour; the
// fade animation runs only while a highlight changes and is settled at once when the ring is hidden.
// An owner that draws the ring into its own picture (setDrawnByOwner) calls paint(); the ring then
// only asks for its area to be redrawn.
class MiniRadial : public QWidget {
    Q_OBJECT
public:
    static constexpr int wedgeCount = 6;
    static constexpr double gap = 0.07;
    static constexpr double innerFraction = 0.3;
    static constexpr int fadeMs = 150;

    explicit MiniRadial(QWidget* parent = nullptr);

    std::optional<int> highlightedWedge() const { return m_highlighted; }
    // A duration of 0 (or a hidden ring) changes the highlight without a fade.
    void setHighlightedWedge(std::optional<int> wedge, int durationMs = fadeMs);

    // An invalid colour follows the palette's highlight.
    QColor accent() const;
    void setAccent(const QColor& accent);

    // How the ring appears: drawn scaled about its centre and with this opacity.
    void setAppearance(double scale, double opacity);

    double highlightLevel(int wedge) const;
    bool isFading() const;

    void setDrawnByOwner(bool owner) { m_drawnByOwner = owner; }
    // Draws the ring as it stands, in the ring's own coordinates.
    void paint(QPainter& painter);

    QSize sizeHint() const override { return {64, 64}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void settle();
    void fadeTo(double progress);

    std::optional<int> m_highlighted;
    std::array<double, wedgeCount> m_level{};
    std::array<double, wedgeCount> m_fadeFrom{};
    QVariantAnimation* m_fade;
    QColor m_accent;
    double m_scale = 1;
    double m_opacity = 1;
    bool m_drawnByOwner = false;
    std::array<QPainterPath, wedgeCount> m_wedges; // for the current size; empty until first drawn
    DemoSprites m_pictures;                        // the ring at rest, by highlight and colours
};

} // namespace karvo
