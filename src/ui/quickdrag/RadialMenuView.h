// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadialFade.h"
#include "RadialGeometry.h"
#include "RadialSegments.h"

#include <QList>
#include <QRegion>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>

class QTimer;

namespace karvo {

// The ring of wedges and the drop target of a Quick Drag: the wedge under the dragged files lights up,
// and files dropped on an enabled wedge are handed on with that wedge's action. Karvo always answers
// Copy, whatever the file manager proposes, so the dragged files stay where they are.
class RadialMenuView : public QWidget {
    Q_OBJECT
public:
    RadialMenuView(const QList<RadialSegment>& segments, int diameter, QWidget* parent = nullptr);

    const QList<RadialSegment>& segments() const { return m_segments; }
    // Replaces the wedges and resizes the view; hover and highlight reset at once, without a fade.
    void setSegments(const QList<RadialSegment>& segments, int diameter);

    QString centerHint() const { return m_centerHint; }
    // Shown in the centre while no enabled wedge is hovered.
    void setCenterHint(const QString& hint);
    // The hovered wedge's title while it is enabled, otherwise the hint.
    QString centreText() const;

    RadialGeometry ringGeometry() const;
    // Where the ring takes the pointer; beyond it the window lets the pointer through.
    QRegion hitRegion() const;

    std::optional<int> hovered() const { return m_hovered; }
    double highlightLevel(int wedge) const { return m_fade.level(wedge); }
    bool isFading() const;
    // One step of the highlight animation; the fade timer calls it 60 times a second while it runs.
    void advanceFade();

    // The open and close animations draw the ring scaled about its centre.
    double contentScale() const { return m_contentScale; }
    void setContentScale(double scale);

    // Files dropped on an enabled wedge: local files only, with the wedge's action.
    std::function<void(const QList<QUrl>& files, RadialAction action)> onDrop = [](const QList<QUrl>&, RadialAction) {
    };

protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void updateHover(const QPointF& position);
    void setHovered(std::optional<int> wedge);
    // The hovered wedge when it takes drops.
    std::optional<int> litWedge() const;
    void answer(QDragMoveEvent* event);
    void startFade();
    void updateAccessibility();
    void paintWedge(QPainter& painter, const RadialGeometry& ring, int wedge) const;
    void paintCentre(QPainter& painter, const RadialGeometry& ring) const;

    QList<RadialSegment> m_segments;
    QString m_centerHint;
    std::optional<int> m_hovered;
    RadialFade m_fade;
    QTimer* m_fadeTimer;
    double m_contentScale = 1;
};

} // namespace karvo
