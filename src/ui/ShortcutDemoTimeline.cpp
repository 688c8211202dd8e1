// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutDemoTimeline.h"

#include "Spring.h"

#include <QEasingCurve>
#include <algorithm>

namespace karvo {

namespace {
// The usual cubic-Bézier ease curves of desktop animation toolkits.
QEasingCurve bezier(double x1, double y1, double x2, double y2)
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(x1, y1), QPointF(x2, y2), QPointF(1, 1));
    return curve;
}

double eased(DemoEasing easing, double fraction)
{
    static const QEasingCurve in = bezier(0.42, 0, 1, 1);
    static const QEasingCurve out = bezier(0, 0, 0.58, 1);
    static const QEasingCurve inOut = bezier(0.42, 0, 0.58, 1);
    switch (easing) {
    case DemoEasing::easeIn:
        return in.valueForProgress(fraction);
    case DemoEasing::easeOut:
        return out.valueForProgress(fraction);
    case DemoEasing::easeInOut:
        return inOut.valueForProgress(fraction);
    case DemoEasing::none:
    case DemoEasing::spring:
        break;
    }
    return 1;
}

double offset(int keyCount)
{
    return ShortcutDemoTimeline::keySlot * std::max(keyCount, 0);
}

DemoChange flag(DemoProperty property, bool on, DemoTransition transition)
{
    return {property, on ? 1.0 : 0.0, {}, -1, transition};
}

DemoChange point(DemoProperty property, QPointF position, DemoTransition transition)
{
    return {property, 0, position, -1, transition};
}

DemoChange highlight(int wedge, DemoTransition transition)
{
    return {DemoProperty::highlight, 0, {}, wedge, transition};
}
} // namespace

DemoTransition DemoTransition::spring(double response, double dampingFraction)
{
    return {DemoEasing::spring, Spring(response, dampingFraction).duration(), response, dampingFraction};
}

double DemoTransition::progress(double seconds) const
{
    if (easing == DemoEasing::none || seconds >= duration)
        return 1;
    if (seconds <= 0)
        return 0;
    if (easing == DemoEasing::spring)
        return Spring(response, dampingFraction).value(seconds);
    return eased(easing, seconds / duration);
}

QPointF ShortcutDemoTimeline::pointerStart(int keyCount)
{
    return {offset(keyCount) + 54, 86};
}

QPointF ShortcutDemoTimeline::filePosition(int keyCount)
{
    return {offset(keyCount) + 68, 38};
}

QPointF ShortcutDemoTimeline::radialPosition(int keyCount)
{
    return {offset(keyCount) + 118, 38};
}

QPointF ShortcutDemoTimeline::overFirstWedge(int keyCount)
{
    return {offset(keyCount) + 118, 12};
}

QPointF ShortcutDemoTimeline::overFourthWedge(int keyCount)
{
    // Straight below the ring's centre: wedge 3 is the bottom one, the wedge the card lights up. (Down
    // and to the left, 20 px each way, would sit on the boundary of wedge 4.)
    return {offset(keyCount) + 118, 64};
}

QList<DemoStep> ShortcutDemoTimeline::steps(int keyCount)
{
    using P = DemoProperty;
    const DemoTransition now = DemoTransition::instant();
    const DemoTransition move = DemoTransition::easeInOut(0.5);
    const DemoTransition light = DemoTransition::easeInOut(0.15);
    const DemoTransition away = DemoTransition::easeInOut(0.3);
    return {
        {{flag(P::pressed, false, now), flag(P::cursorShown, false, now), flag(P::showRadial, false, now),
          flag(P::grabbed, false, now), flag(P::dropped, false, now), highlight(-1, now), flag(P::approach, false, now),
          point(P::cursorPos, pointerStart(keyCount), now)},
         0.9},
        {{flag(P::cursorShown, true, DemoTransition::easeIn(0.22)), point(P::cursorPos, filePosition(keyCount), move),
          flag(P::approach, true, move)},
         0.6},
        {{flag(P::pressed, true, DemoTransition::easeInOut(0.16)),
          flag(P::grabbed, true, DemoTransition::easeInOut(0.18))},
         0.35},
        {{point(P::radialPos, radialPosition(keyCount), now),
          flag(P::showRadial, true, DemoTransition::spring(0.4, 0.7))},
         0.4},
        {{point(P::cursorPos, overFirstWedge(keyCount), move)}, 0.5},
        {{highlight(0, light)}, 0.4},
        {{point(P::cursorPos, overFourthWedge(keyCount), move)}, 0.5},
        {{highlight(3, light)}, 0.4},
        {{flag(P::dropped, true, DemoTransition::spring(0.3, 0.6)),
          flag(P::grabbed, false, DemoTransition::easeOut(0.15))},
         1.1},
        {{flag(P::showRadial, false, away), highlight(-1, away), flag(P::dropped, false, away),
          flag(P::pressed, false, away), flag(P::cursorShown, false, away)},
         0.35},
    };
}

} // namespace karvo
