// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>

namespace karvo {

// What a demo card animates. Flags are 0 (off) or 1 (on) and animate through the values between.
enum class DemoProperty {
    cursorShown,
    cursorPos,
    approach,
    pressed,
    grabbed,
    radialPos,
    showRadial,
    highlight,
    dropped
};

enum class DemoEasing { none, easeIn, easeOut, easeInOut, spring };

// How a change reaches its new value.
struct DemoTransition {
    DemoEasing easing = DemoEasing::none;
    double duration = 0;        // seconds; a spring's is its settling time
    double response = 0;        // spring only
    double dampingFraction = 0; // spring only

    static DemoTransition instant() { return {}; }
    static DemoTransition easeIn(double seconds) { return {DemoEasing::easeIn, seconds}; }
    static DemoTransition easeOut(double seconds) { return {DemoEasing::easeOut, seconds}; }
    static DemoTransition easeInOut(double seconds) { return {DemoEasing::easeInOut, seconds}; }
    static DemoTransition spring(double response, double dampingFraction);

    // Fraction of the way from the old to the new value `seconds` after the change: 0 before, 1 from
    // duration on; a spring may pass 1 on the way.
    double progress(double seconds) const;

    friend bool operator==(const DemoTransition&, const DemoTransition&) = default;
};

struct DemoChange {
    DemoProperty property = DemoProperty::cursorShown;
    double value = 0; // flags and approach
    QPointF point;    // cursorPos and radialPos
    int wedge = -1;   // highlight; -1 for none
    DemoTransition transition;

    friend bool operator==(const DemoChange&, const DemoChange&) = default;
};

struct DemoStep {
    QList<DemoChange> changes;
    double wait = 0; // seconds from the changes to the next step
};

// The loop of a shortcut demo card showing `keyCount` key caps. Positions are on the card's stage
// (92 high, y downwards); each key cap takes a 34-wide slot, which pushes the scene to the right.
class ShortcutDemoTimeline {
public:
    static constexpr int stepCount = 10;
    static constexpr double stageHeight = 92;
    static constexpr double keySlot = 34;

    static QList<DemoStep> steps(int keyCount);

    static QPointF pointerStart(int keyCount);
    static QPointF filePosition(int keyCount);
    static QPointF radialPosition(int keyCount);
    static QPointF overFirstWedge(int keyCount);
    static QPointF overFourthWedge(int keyCount);
};

} // namespace karvo
