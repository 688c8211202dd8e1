// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DemoFrame.h"
#include "DemoSprites.h"

#include <QHash>
#include <QPixmap>
#include <QRegion>
#include <QStringList>
#include <QTransform>
#include <QWidget>
#include <functional>
#include <optional>

class QPainter;
class QTimer;

namespace karvo {

// The moving demonstration: a file-manager window, Karvo's window, the pointer dragging a file and, in
// the Quick Drag scene, the Shift key and the ring, drawn on a 600 × 360 stage scaled to fit. Each
// tick shows the frame for the time elapsed since the scene started; ticks are paced at most 60 a
// second and only while the canvas is shown, so a hidden page or a minimised window costs nothing.
// A tick redraws only the parts of the stage whose picture changed, and nothing while the scene holds.
class AnimatedDemoCanvas : public QWidget {
    Q_OBJECT

public:
    // Seconds on a steady clock.
    using Clock = std::function<double()>;

    static constexpr int frameIntervalMs = 17;
    // Frames are taken on a grid of this many a second through the loop.
    static constexpr int framesPerSecond = 60;
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

    // Moves the picture to the clock's present and asks for a redraw of what changed between the two
    // (the timer does this on every tick); returns that area, in the canvas's coordinates.
    QRegion advance();

    QSize sizeHint() const override { return {600, 360}; }
    QSize minimumSizeHint() const override { return {240, 144}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // What one redraw shows: the scene's frame and, while scenes crossfade, the outgoing one's.
    struct Picture {
        DemoFrame frame;
        DemoFrame previousFrame;
        double crossfade = 1; // how far the crossfade from the previous scene has come; 1: none
        int moment = 0;       // the frame's place on the loop's grid of frames
        int previousMoment = 0;
    };

    double now() const { return m_clock(); }
    Picture pictureNow();
    // Where the two pictures differ, in the canvas's coordinates.
    QRegion changedArea(const Picture& from, const Picture& to) const;
    // The stage's top-left corner on screen, on a whole device pixel.
    QPointF stageOrigin() const;
    QRect stageRect() const;
    void paintStage(QPainter& painter, const Picture& picture);
    // Whether a part of the stage with these bounds (stage units) lies in the area being painted.
    bool inPaintArea(const QRectF& bounds) const { return bounds.intersects(m_paintArea); }
    // How far the crossfade from the previous scene has come, 0…1.
    double switchProgress() const;
    void updateAccessibleText();
    // The stage's scale on screen, for drawing glyphs pixel for pixel.
    double stageScale() const;

    // A symbol drawn `side` stage units square in `tint`, centred on `centre`.
    void drawGlyph(QPainter& painter, const QString& symbol, const QPointF& centre, double side, const QColor& tint);
    // `withWindows`: the windows at rest are not yet on the stage's plate.
    void drawScene(QPainter& painter, DemoScene scene, const DemoFrame& frame, int moment, bool withWindows);
    // The still parts, drawn once into m_windows.
    void drawFileManager(QPainter& painter);
    void drawKarvoWindow(QPainter& painter);
    void drawDropZone(QPainter& painter, double hot);
    // Draws a part of the scene from its picture: the one of its look when `atRest`, else the one of the
    // moment; `bounds` (stage units) holds all the part draws.
    using Part = std::function<void(const QString& look, bool atRest, const QRectF& bounds, const DemoSprites::Draw&)>;
    // What changes on the windows from frame to frame.
    void drawWindowStates(QPainter& painter, const DemoFrame& frame, const Part& part);
    void ensureCaches();
    void drawFileTile(QPainter& painter, const QPointF& centre, double scale, double shadow);
    void drawShiftKey(QPainter& painter, const DemoFrame& frame);
    void drawRing(QPainter& painter, const DemoFrame& frame);
    void drawProgressCapsule(QPainter& painter, const DemoFrame& frame);
    void drawPointer(QPainter& painter, const DemoFrame& frame);
    void drawCaption(QPainter& painter, DemoScene scene, const DemoFrame& frame);
    // The caption's pill on the stage, without its shadow.
    QRectF captionPill(DemoScene scene, const DemoFrame& frame) const;

    DemoScene m_scene;
    DemoScene m_previousScene;
    Clock m_clock;
    double m_epoch = 0;
    double m_previousEpoch = 0;
    double m_switchStart = -1; // no crossfade running
    QTimer* m_tick;
    QHash<QString, QPixmap> m_glyphs;
    DemoSprites m_sprites; // the parts at rest
    // The parts while they change, by moment of the loop: the loop repeats, so each is drawn once. A
    // quick-drag loop has about 250 such pictures.
    DemoSprites m_moments{320};
    QPixmap m_plate;                // the stage's background, at the size shown
    QPixmap m_windows;              // both windows at rest
    QPixmap m_stageAtRest;          // the plate with the windows on it
    QTransform m_origin;            // the stage's top-left corner on screen, unscaled
    std::optional<Picture> m_shown; // what the canvas shows; empty when it must be drawn afresh
    QRectF m_paintArea;             // the part of the stage being painted, in stage units
};

} // namespace karvo
