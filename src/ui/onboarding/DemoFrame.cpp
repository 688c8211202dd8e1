// SPDX-License-Identifier: GPL-3.0-or-later
#include "DemoFrame.h"

#include "Localization.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace karvo {

namespace {

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

// Linear rise from 0 to 1 over `seconds` from `start`.
double ramp(double t, double start, double seconds)
{
    return clamp01((t - start) / seconds);
}

QPointF lerp(const QPointF& a, const QPointF& b, double k)
{
    return a + (b - a) * k;
}

struct Bezier {
    QPointF p0, p1, p2, p3;

    QPointF at(double u) const
    {
        const double v = 1 - u;
        return p0 * (v * v * v) + p1 * (3 * v * v * u) + p2 * (3 * v * u * u) + p3 * (u * u * u);
    }
};

// The pointer bobs gently while it waits for the loop to begin.
QPointF idle(const QPointF& rest, double t)
{
    return rest + QPointF(0, 2 * std::sin(2 * std::numbers::pi * t / 1.4));
}

// Two faint copies of the file follow it along the drag path, 0.1 and 0.2 of the path behind.
void addGhosts(DemoFrame& frame, const Bezier& path, double p)
{
    constexpr double lags[] = {0.1, 0.2};
    constexpr double opacities[] = {0.2, 0.1};
    for (int k = 0; k < 2; ++k) {
        const double u = p - lags[k];
        if (u <= 0)
            continue;
        frame.ghosts.append(path.at(u) + DemoFrame::fileOffset());
        frame.ghostOpacities.append(opacities[k]);
    }
}

// When each caption takes over; the first holds from the start of the loop.
QList<double> captionStarts(DemoScene scene)
{
    if (scene == DemoScene::quickDrag)
        return {0, 1.95, 2.6, 4.45};
    return {0, 3.25};
}

void setCaption(DemoFrame& frame, DemoScene scene, double t)
{
    const QList<double> starts = captionStarts(scene);
    int index = 0;
    while (index + 1 < starts.size() && t >= starts[index + 1])
        ++index;
    frame.caption = index;
    frame.previousCaption = std::max(index - 1, 0);
    frame.captionChange =
        index == 0 ? 1.0 : DemoFrame::easeInOut((t - starts[index]) / DemoFrame::captionChangeSeconds);
}

// Both scenes fade out, stay dark for a moment and fade back in.
struct Fade {
    double outStart;
    double outEnd;
    double inStart;
    double period;

    double opacity(double t) const
    {
        if (t < outStart)
            return 1;
        if (t < outEnd)
            return 1 - ramp(t, outStart, outEnd - outStart);
        if (t < inStart)
            return 0;
        return ramp(t, inStart, period - inStart);
    }
};

constexpr Fade quickDragFade{6.2, 6.6, 6.9, 7.2};
constexpr Fade manualDropFade{5.0, 5.4, 5.7, 6.0};

DemoFrame quickDragFrame(double t)
{
    const QPointF rest(430, 295);
    const QPointF file(226, 205);
    const QPointF ringOpen(280, 190);
    const Bezier path{file, {240, 180}, {260, 185}, ringOpen};
    constexpr double release = 4.45;

    DemoFrame f;
    if (t < 0.7)
        f.cursor = idle(rest, t);
    else if (t < 1.2)
        f.cursor = lerp(rest, file, DemoFrame::easeInOut((t - 0.7) / 0.5));
    else if (t < 1.45)
        f.cursor = file;
    else if (t < 1.95)
        // The pointer carries the file to where the ring opens, a little ahead of its trail.
        f.cursor = path.at(DemoFrame::easeInOut((t - 1.45) / 0.5));
    else if (t < 2.2)
        f.cursor = ringOpen;
    else if (t < 3.0)
        f.cursor = lerp(ringOpen, DemoFrame::firstAim(), DemoFrame::easeInOut((t - 2.2) / 0.4));
    else if (t < release)
        f.cursor = lerp(DemoFrame::firstAim(), DemoFrame::secondAim(), DemoFrame::easeInOut((t - 3.0) / 0.4));
    else
        f.cursor = lerp(DemoFrame::secondAim(), rest, DemoFrame::easeInOut((t - release) / 0.75));
    f.filePos = f.cursor + DemoFrame::fileOffset();

    f.lift = ramp(t, 1.2, 0.3);
    const double released = t < release ? 0.0 : ramp(t, release, 0.3);
    f.cursorPressed = t < release ? ramp(t, 1.2, 0.25) : 1 - ramp(t, release, 0.17);
    f.dragOpacity = f.lift * (1 - released);
    f.dragScale = (1 - 0.55 * released) * (1 + 0.1 * f.lift);

    if (t >= 1.45 && t < 2.2)
        addGhosts(f, path, DemoFrame::easeInOut((t - 1.45) / 0.75));

    f.shiftAppear = t < release ? DemoFrame::backOut((t - 1.45) / 0.4) : 1 - ramp(t, release, 0.25);
    f.shiftActive = t >= 1.85 && t < release;

    if (t < release) {
        f.radialOpacity = ramp(t, 1.95, 0.15);
        f.radialScale = 0.2 + 0.8 * DemoFrame::backOut((t - 1.95) / 0.4);
        for (int i = 0; i < DemoFrame::wedgeCount; ++i)
            f.radialSegs[i] = DemoFrame::backOut((t - 1.95 - 0.04 * i) / 0.2);
        f.finderDim = DemoFrame::maxDim * ramp(t, 1.95, 0.35);
    } else {
        f.radialOpacity = 1 - released;
        f.radialScale = 1 - 0.4 * released;
        f.radialSegs.fill(1);
        f.finderDim = DemoFrame::maxDim * (1 - ramp(t, release, 0.45));
    }
    if (t >= 2.4 && t < 3.0)
        f.radialHighlight = 0;
    else if (t >= 3.2 && t < release)
        f.radialHighlight = 3;

    if (t >= 4.55) {
        f.hudProgress = DemoFrame::easeInOut((t - 4.7) * 2);
        f.hudDone = t >= 5.2;
        f.hudAppear = DemoFrame::easeInOut((t - 4.55) / 0.2);
    }
    setCaption(f, DemoScene::quickDrag, t);
    return f;
}

DemoFrame manualDropFrame(double t)
{
    const QPointF rest(400, 300);
    const QPointF file(200, 198);
    const Bezier path{file, {230, 120}, {350, 120}, {450, 177}};
    constexpr double release = 3.25;

    DemoFrame f;
    if (t < 0.7)
        f.cursor = idle(rest, t);
    else if (t < 1.2)
        f.cursor = lerp(rest, file, DemoFrame::easeInOut((t - 0.7) / 0.5));
    else if (t < 1.45)
        f.cursor = file;
    else if (t < 2.75)
        f.cursor = path.at(DemoFrame::easeInOut((t - 1.45) / 1.3));
    else
        f.cursor = path.p3;
    f.filePos = f.cursor + DemoFrame::fileOffset();

    f.lift = ramp(t, 1.2, 0.3);
    const double released = t < release ? 0.0 : ramp(t, release, 0.45);
    f.cursorPressed = t < release ? ramp(t, 1.2, 0.25) : 1 - ramp(t, release, 0.17);
    f.dragOpacity = f.lift * (1 - released);
    f.dragScale = (1 - 0.7 * released) * (1 + 0.1 * f.lift);

    if (t >= 1.45 && t < 3.0)
        addGhosts(f, path, DemoFrame::easeInOut((t - 1.45) / 1.3));

    f.finderDim =
        t < release ? DemoFrame::maxDim * ramp(t, 1.45, 0.35) : DemoFrame::maxDim * (1 - ramp(t, release, 0.65));
    f.dropZoneHot = t < 4.9 ? ramp(t, 2.75, 0.35) : 1 - ramp(t, 4.9, 0.4);

    if (t >= 3.6) {
        f.hudProgress = DemoFrame::easeInOut((t - 3.75) / 0.75);
        f.hudDone = t >= 4.5;
        f.hudAppear = DemoFrame::easeInOut((t - 3.6) / 0.2);
    }
    setCaption(f, DemoScene::manualDrop, t);
    return f;
}

DemoFrame frameWithin(DemoScene scene, double t)
{
    return scene == DemoScene::quickDrag ? quickDragFrame(t) : manualDropFrame(t);
}

} // namespace

double DemoFrame::period(DemoScene scene)
{
    return scene == DemoScene::quickDrag ? quickDragFade.period : manualDropFade.period;
}

DemoFrame DemoFrame::at(DemoScene scene, double t)
{
    const double length = period(scene);
    t = std::fmod(t, length);
    if (t < 0)
        t += length;
    const Fade& fade = scene == DemoScene::quickDrag ? quickDragFade : manualDropFade;
    // Once the stage has faded out it is set back to the loop's first picture, so what fades in is exactly
    // what the next loop starts from and nothing jumps at the seam.
    DemoFrame frame = frameWithin(scene, t >= fade.outEnd ? 0.0 : t);
    frame.global = fade.opacity(t);
    return frame;
}

double DemoFrame::easeInOut(double x)
{
    if (x <= 0)
        return 0;
    if (x > 1)
        return 1;
    if (x < 0.5)
        return 4 * x * x * x;
    const double u = 2 - 2 * x;
    return 1 - u * u * u / 2;
}

double DemoFrame::backOut(double x)
{
    constexpr double s = 1.70158;
    const double u = clamp01(x) - 1;
    return 1 + (s + 1) * u * u * u + s * u * u;
}

int DemoFrame::captionCount(DemoScene scene)
{
    return static_cast<int>(captionStarts(scene).size());
}

QString DemoFrame::captionText(DemoScene scene, int index)
{
    static const char* const quickDrag[] = {
        KV_TRANSLATE_NOOP("Drag a file in the file manager"),
        KV_TRANSLATE_NOOP("Hold ⇧ Shift"),
        KV_TRANSLATE_NOOP("Aim at a format"),
        KV_TRANSLATE_NOOP("Release — done!"),
    };
    static const char* const manualDrop[] = {
        KV_TRANSLATE_NOOP("Drag the file into the Karvo window"),
        KV_TRANSLATE_NOOP("Release, then pick an action"),
    };
    if (index < 0 || index >= captionCount(scene))
        return {};
    return L(scene == DemoScene::quickDrag ? quickDrag[index] : manualDrop[index]);
}

} // namespace karvo
