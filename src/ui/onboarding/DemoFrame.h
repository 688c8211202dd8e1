// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

namespace karvo {

// What the onboarding stage acts out: a Shift-drag in the file manager onto the ring, or a plain drag
// into Karvo's window.
enum class DemoScene { quickDrag, manualDrop };

// The stage's picture at one instant of a looping scene, on the 600 × 360 stage (y downwards). Computed
// from the time alone, so any instant can be drawn or checked without running the loop.
struct DemoFrame {
    static constexpr int wedgeCount = 6;

    QPointF cursor;           // the pointer's tip
    double cursorPressed = 0; // 0…1
    double lift = 0;          // 0…1, how far the file has been picked up
    QPointF filePos;          // centre of the dragged file
    double dragScale = 1;
    double dragOpacity = 0;
    QList<QPointF> ghosts; // centres of the trailing copies of the file, nearest first
    QList<double> ghostOpacities;
    double shiftAppear = 0; // 0…1, may overshoot while popping in
    bool shiftActive = false;
    double radialScale = 0.2;
    double radialOpacity = 0;
    std::optional<int> radialHighlight;
    std::array<double, wedgeCount> radialSegs{}; // each wedge's pop-in, 0…1 with overshoot
    std::optional<double> hudProgress;           // the progress capsule, absent while it is not shown
    bool hudDone = false;
    double dropZoneHot = 0; // 0…1
    double finderDim = 0;   // 0…maxDim
    int caption = 0;
    double global = 1; // opacity of the whole stage

    // How the capsule and the caption pill move between states.
    double hudAppear = 0;     // 0…1
    int previousCaption = 0;  // the caption being replaced while captionChange < 1
    double captionChange = 1; // 0…1

    static constexpr double maxDim = 0.18;
    static constexpr double captionChangeSeconds = 0.25;

    // Any t: it is taken modulo the scene's period.
    static DemoFrame at(DemoScene scene, double t);
    static double period(DemoScene scene);

    // The dragged file sits up and to the left of the pointer's tip.
    static QPointF fileOffset() { return {-14, -24}; }

    // Cubic in-out: 0 up to 0 and 1 beyond 1.
    static double easeInOut(double x);
    // Back-out with the usual overshoot of 1.70158; x is clamped to 0…1.
    static double backOut(double x);

    static int captionCount(DemoScene scene);
    // In the current language.
    static QString captionText(DemoScene scene, int index);

    // The points the pointer aims at while the ring is open: on wedge 0, then on wedge 3.
    static QPointF firstAim() { return {280, 138}; }
    static QPointF secondAim() { return {235, 220}; }
};

} // namespace karvo
