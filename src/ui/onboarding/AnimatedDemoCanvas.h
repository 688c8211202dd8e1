// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoFrame.h"

#include <QHash>
#include <QPixmap>
#include <QStringList>
#include <QTransform>
#include <QWidget>
#include <functional>

class QPainter;
class QTimer;

namespace karvo {

// The moving demonstration: a file-manager window, Karvo's window, the pointer dragging a file and, in
// the Quick Drag scene, the Shift key and the ring, drawn on a 600 × 360 stage scaled to fit. Each
// redraw shows the frame for the time elapsed since the scene started; redraws are paced at most 60 a
// second and only while the canvas is shown, so a hidden page or a minimised window costs nothing.
class AnimatedDemoCanvas : public QWidget {
    Q_OBJECT

public:
    // Seconds on a steady clock.
    using Clock = std::function<double()>;

    static constexpr int frameIntervalMs = 17;
    static constexpr int sceneSwitchMs = 300;

    explicit AnimatedDemoCanvas(DemoScene scene, QWidget* parent = nullptr);

    // The symbols on the ring's six wedges.
    static QStringList radialIcons();

    DemoScene scene() const { return m_scene; }
    // A new scene starts from its beginning; `animated` crossfades from the old one.
    void setScene(DemoScene scene, bool animated = true);

    // Replaces the clock (tests, stills); both scenes start again at the clock's present.
    void setClock(Clock clock);
    // Seconds into the current scene's loop.
    double sceneTime() const;
    DemoFrame currentFrame() const;

    bool isTicking() const;

    QSize sizeHint() const override { return {600, 360}; }
    QSize minimumSizeHint() const override { return {240, 144}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    double now() const { return m_clock(); }
    // How far the crossfade from the previous scene has come, 0…1.
    double switchProgress() const;
    void updateAccessibleText();
    // The stage's scale on screen, for drawing glyphs pixel for pixel.
    double stageScale() const;

    // A symbol drawn `side` stage units square in `tint`, centred on `centre`.
    void drawGlyph(QPainter& painter, const QString& symbol, const QPointF& centre, double side, const QColor& tint);
    void drawScene(QPainter& painter, DemoScene scene, const DemoFrame& frame);
    // The still parts, drawn once into m_windows.
    void drawFileManager(QPainter& painter);
    void drawKarvoWindow(QPainter& painter);
    void drawDropZone(QPainter& painter, double hot);
    // What changes on the windows from frame to frame.
    void drawWindowStates(QPainter& painter, const DemoFrame& frame);
    void ensureCaches();
    void drawFileTile(QPainter& painter, const QPointF& centre, double scale, double shadow);
    void drawShiftKey(QPainter& painter, const DemoFrame& frame);
    void drawRing(QPainter& painter, const DemoFrame& frame);
    void drawProgressCapsule(QPainter& painter, const DemoFrame& frame);
    void drawPointer(QPainter& painter, const DemoFrame& frame);
    void drawCaption(QPainter& painter, DemoScene scene, const DemoFrame& frame);

    DemoScene m_scene;
    DemoScene m_previousScene;
    Clock m_clock;
    double m_epoch = 0;
    double m_previousEpoch = 0;
    double m_switchStart = -1; // no crossfade running
    QTimer* m_tick;
    QHash<QString, QPixmap> m_glyphs;
    QPixmap m_plate;     // the stage's background, at the size shown
    QPixmap m_windows;   // both windows at rest
    QTransform m_origin; // the stage's top-left corner on screen, unscaled
};

} // namespace karvo
