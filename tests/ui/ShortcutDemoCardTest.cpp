// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShortcutDemoCard.h"

#include "CursorShape.h"
#include "MiniRadial.h"
#include "ShortcutDemoTimeline.h"
#include "Spring.h"
#include "WedgeShape.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace karvo;

namespace {

constexpr double pi = std::numbers::pi;

// A point `radius` from the centre of `rect`, `clockwiseFromTop` radians clockwise from 12 o'clock on screen.
QPointF polar(const QRectF& rect, double radius, double clockwiseFromTop)
{
    return rect.center() + QPointF(radius * std::sin(clockwiseFromTop), -radius * std::cos(clockwiseFromTop));
}

const QRectF ring(0, 0, 100, 100);

WedgeShape sixth(int index)
{
    return {index, 6, 0.07, 10, 40};
}

// The wedges of a six-wedge ring that contain `point`.
std::vector<int> wedgesAt(const QPointF& point)
{
    std::vector<int> found;
    for (int i = 0; i < 6; ++i)
        if (sixth(i).path(ring).contains(point))
            found.push_back(i);
    return found;
}

} // namespace

TEST(WedgeShape, WedgeZeroIsAtTheTopAndIndicesRunClockwiseOnScreen)
{
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(wedgesAt(polar(ring, 25, i * pi / 3)), std::vector<int>{i}) << "wedge " << i;
    // Screen y points down: wedge 1 is right of the top, wedge 5 left of it.
    EXPECT_EQ(wedgesAt(QPointF(50 + 20, 50 - 12)), std::vector<int>{1});
    EXPECT_EQ(wedgesAt(QPointF(50 - 20, 50 - 12)), std::vector<int>{5});
    EXPECT_EQ(wedgesAt(QPointF(50, 50 + 25)), std::vector<int>{3});

    const WedgeShape top{0, 2, 0.0, 10, 40};
    const WedgeShape bottom{1, 2, 0.0, 10, 40};
    EXPECT_TRUE(top.path(ring).contains(QPointF(50, 20)));
    EXPECT_TRUE(bottom.path(ring).contains(QPointF(50, 80)));
    EXPECT_FALSE(bottom.path(ring).contains(QPointF(50, 20)));
}

TEST(WedgeShape, NeighboursAreSeparatedByTheGap)
{
    const double boundary = pi / 6; // between wedges 0 and 1
    for (const double radius : {12.0, 25.0, 38.0}) {
        EXPECT_EQ(wedgesAt(polar(ring, radius, boundary)), std::vector<int>{}) << radius;
        EXPECT_EQ(wedgesAt(polar(ring, radius, boundary - 0.03)), std::vector<int>{}) << radius;
        EXPECT_EQ(wedgesAt(polar(ring, radius, boundary + 0.03)), std::vector<int>{}) << radius;
        EXPECT_EQ(wedgesAt(polar(ring, radius, boundary - 0.04)), std::vector<int>{0}) << radius;
        EXPECT_EQ(wedgesAt(polar(ring, radius, boundary + 0.04)), std::vector<int>{1}) << radius;
    }
}

TEST(WedgeShape, SpansFromTheInnerToTheOuterRadius)
{
    for (const double angle : {-0.4, 0.0, 0.4}) {
        EXPECT_EQ(wedgesAt(polar(ring, 9, angle)), std::vector<int>{}) << angle;
        EXPECT_EQ(wedgesAt(polar(ring, 11, angle)), std::vector<int>{0}) << angle;
        EXPECT_EQ(wedgesAt(polar(ring, 39, angle)), std::vector<int>{0}) << angle;
        EXPECT_EQ(wedgesAt(polar(ring, 41, angle)), std::vector<int>{}) << angle;
    }
    // Drawn about the rectangle's centre, wherever the rectangle is.
    const QRectF moved(200, 100, 60, 60);
    EXPECT_TRUE(sixth(0).path(moved).contains(QPointF(230, 105)));
    EXPECT_FALSE(sixth(0).path(moved).contains(QPointF(50, 25)));
}

TEST(WedgeShape, HasNoAreaWithoutExtent)
{
    EXPECT_TRUE((WedgeShape{0, 0, 0.0, 10, 40}).path(ring).isEmpty());
    EXPECT_TRUE((WedgeShape{0, 6, pi / 3, 10, 40}).path(ring).isEmpty());
    EXPECT_TRUE((WedgeShape{0, 6, 0.07, 10, 0}).path(ring).isEmpty());
}

TEST(CursorShape, FollowsTheTwelveByNineteenGrid)
{
    const QRectF frame(10, 20, 24, 38); // twice the grid
    EXPECT_EQ(CursorShape::tip(frame), QPointF(11, 21));
    const QRectF bounds = CursorShape::path(frame).boundingRect();
    EXPECT_DOUBLE_EQ(bounds.left(), 11);
    EXPECT_DOUBLE_EQ(bounds.top(), 21);
    EXPECT_DOUBLE_EQ(bounds.right(), 10 + 2 * 10.5);
    EXPECT_DOUBLE_EQ(bounds.bottom(), 20 + 2 * 16.2);
    EXPECT_TRUE(CursorShape::path(frame).contains(QPointF(14, 35)));  // the arrow's body
    EXPECT_FALSE(CursorShape::path(frame).contains(QPointF(30, 25))); // right of the arrow head
}

TEST(Spring, HasTheStiffnessAndDampingOfItsResponseAndFraction)
{
    const Spring spring(0.4, 0.7);
    EXPECT_DOUBLE_EQ(spring.mass(), 1.0);
    EXPECT_NEAR(spring.stiffness(), std::pow(2 * pi / 0.4, 2), 1e-9);
    EXPECT_NEAR(spring.damping(), 4 * pi * 0.7 / 0.4, 1e-9);
}

TEST(Spring, MatchesTheDampedOscillatorAndSettlesAtItsDuration)
{
    for (const auto& [response, fraction] :
         std::vector<std::pair<double, double>>{{0.4, 0.7}, {0.3, 0.6}, {0.38, 0.85}, {0.5, 1.0}, {0.5, 1.6}}) {
        SCOPED_TRACE(testing::Message() << "response " << response << " damping " << fraction);
        const Spring spring(response, fraction);
        EXPECT_EQ(spring.value(0), 0.0);

        // Step the oscillator itself from rest and compare.
        double x = 0, velocity = 0;
        const double dt = 1e-5;
        for (int step = 1; step <= 150000; ++step) {
            velocity += (-spring.stiffness() * (x - 1) - spring.damping() * velocity) / spring.mass() * dt;
            x += velocity * dt;
            if (step % 10000 == 0) {
                ASSERT_NEAR(spring.value(step * dt), x, 1e-3) << "at " << step * dt;
            }
        }

        const double duration = spring.duration();
        EXPECT_GT(duration, 0.0);
        EXPECT_LT(duration, 3.0);
        EXPECT_GT(std::abs(spring.value(duration - 5e-4) - 1), Spring::settleTolerance);
        for (double t = duration; t < duration + 3; t += 1e-4)
            ASSERT_LE(std::abs(spring.value(t) - 1), Spring::settleTolerance + 1e-12) << "at " << t;
    }
}

TEST(Spring, OvershootsOnlyBelowCriticalDamping)
{
    const auto peak = [](const Spring& spring) {
        double highest = 0;
        for (double t = 0; t < 3; t += 1e-3)
            highest = std::max(highest, spring.value(t));
        return highest;
    };
    EXPECT_GT(peak(Spring(0.4, 0.7)), 1.03);
    EXPECT_GT(peak(Spring(0.3, 0.6)), 1.06);
    EXPECT_LE(peak(Spring(0.4, 1.0)), 1.0);
    EXPECT_LE(peak(Spring(0.4, 2.0)), 1.0);
}

TEST(DemoTransition, ShapesProgressByItsCurve)
{
    const auto inOut = DemoTransition::easeInOut(0.5);
    EXPECT_EQ(inOut.progress(-1), 0.0);
    EXPECT_NEAR(inOut.progress(0.25), 0.5, 1e-3);
    EXPECT_EQ(inOut.progress(0.5), 1.0);
    EXPECT_LT(DemoTransition::easeIn(1).progress(0.25), 0.2);
    EXPECT_GT(DemoTransition::easeOut(1).progress(0.25), 0.3);
    EXPECT_EQ(DemoTransition::instant().progress(0), 1.0);

    const auto spring = DemoTransition::spring(0.4, 0.7);
    EXPECT_DOUBLE_EQ(spring.duration, Spring(0.4, 0.7).duration());
    EXPECT_DOUBLE_EQ(spring.progress(0.2), Spring(0.4, 0.7).value(0.2));
    EXPECT_EQ(spring.progress(spring.duration), 1.0);
}

TEST(ShortcutDemoTimeline, PlacesTheSceneAfterTheKeySlots)
{
    using T = ShortcutDemoTimeline;
    EXPECT_EQ(T::pointerStart(1), QPointF(88, 86));
    EXPECT_EQ(T::filePosition(1), QPointF(102, 38));
    EXPECT_EQ(T::radialPosition(1), QPointF(152, 38));
    EXPECT_EQ(T::overFirstWedge(1), QPointF(152, 12));
    EXPECT_EQ(T::overFourthWedge(1), QPointF(152, 64));

    EXPECT_EQ(T::pointerStart(2), QPointF(122, 86));
    EXPECT_EQ(T::filePosition(2), QPointF(136, 38));
    EXPECT_EQ(T::radialPosition(2), QPointF(186, 38));
    EXPECT_EQ(T::overFirstWedge(2), QPointF(186, 12));
    EXPECT_EQ(T::overFourthWedge(2), QPointF(186, 64));

    // The pointer's targets lie on the wedges the card lights up: the top one, then the bottom one.
    for (const int keys : {1, 2}) {
        const QPointF centre = T::radialPosition(keys);
        const QRectF frame(centre - QPointF(32, 32), QSizeF(64, 64));
        const WedgeShape top{0, 6, MiniRadial::gap, 0.3 * 32, 32};
        const WedgeShape bottom{3, 6, MiniRadial::gap, 0.3 * 32, 32};
        EXPECT_TRUE(top.path(frame).contains(T::overFirstWedge(keys))) << keys;
        EXPECT_TRUE(bottom.path(frame).contains(T::overFourthWedge(keys))) << keys;
    }
}

TEST(ShortcutDemoTimeline, StepsChangeTheStateWithTheirAnimationsAndWaits)
{
    using P = DemoProperty;
    using E = DemoEasing;
    struct Expected {
        P property;
        double value;
        E easing;
        double duration;
    };
    const std::vector<std::pair<std::vector<Expected>, double>> table{
        {{{P::pressed, 0, E::none, 0},
          {P::cursorShown, 0, E::none, 0},
          {P::showRadial, 0, E::none, 0},
          {P::grabbed, 0, E::none, 0},
          {P::dropped, 0, E::none, 0},
          {P::highlight, -1, E::none, 0},
          {P::approach, 0, E::none, 0},
          {P::cursorPos, 0, E::none, 0}},
         0.9},
        {{{P::cursorShown, 1, E::easeIn, 0.22},
          {P::cursorPos, 0, E::easeInOut, 0.5},
          {P::approach, 1, E::easeInOut, 0.5}},
         0.6},
        {{{P::pressed, 1, E::easeInOut, 0.16}, {P::grabbed, 1, E::easeInOut, 0.18}}, 0.35},
        {{{P::radialPos, 0, E::none, 0}, {P::showRadial, 1, E::spring, Spring(0.4, 0.7).duration()}}, 0.4},
        {{{P::cursorPos, 0, E::easeInOut, 0.5}}, 0.5},
        {{{P::highlight, 0, E::easeInOut, 0.15}}, 0.4},
        {{{P::cursorPos, 0, E::easeInOut, 0.5}}, 0.5},
        {{{P::highlight, 3, E::easeInOut, 0.15}}, 0.4},
        {{{P::dropped, 1, E::spring, Spring(0.3, 0.6).duration()}, {P::grabbed, 0, E::easeOut, 0.15}}, 1.1},
        {{{P::showRadial, 0, E::easeInOut, 0.3},
          {P::highlight, -1, E::easeInOut, 0.3},
          {P::dropped, 0, E::easeInOut, 0.3},
          {P::pressed, 0, E::easeInOut, 0.3},
          {P::cursorShown, 0, E::easeInOut, 0.3}},
         0.35},
    };
    for (const int keys : {1, 2}) {
        const QList<DemoStep> steps = ShortcutDemoTimeline::steps(keys);
        ASSERT_EQ(steps.size(), ShortcutDemoTimeline::stepCount);
        for (size_t s = 0; s < table.size(); ++s) {
            SCOPED_TRACE(testing::Message() << keys << " keys, step " << s + 1);
            const DemoStep& step = steps[static_cast<qsizetype>(s)];
            EXPECT_DOUBLE_EQ(step.wait, table[s].second);
            ASSERT_EQ(static_cast<size_t>(step.changes.size()), table[s].first.size());
            for (size_t c = 0; c < table[s].first.size(); ++c) {
                const Expected& expected = table[s].first[c];
                const DemoChange& change = step.changes[static_cast<qsizetype>(c)];
                EXPECT_EQ(change.property, expected.property) << c;
                EXPECT_EQ(change.property == P::highlight ? change.wedge : change.value, expected.value) << c;
                EXPECT_EQ(change.transition.easing, expected.easing) << c;
                EXPECT_DOUBLE_EQ(change.transition.duration, expected.duration) << c;
            }
        }
        EXPECT_EQ(steps[0].changes.last().point, ShortcutDemoTimeline::pointerStart(keys));
        EXPECT_EQ(steps[1].changes[1].point, ShortcutDemoTimeline::filePosition(keys));
        EXPECT_EQ(steps[3].changes[0].point, ShortcutDemoTimeline::radialPosition(keys));
        EXPECT_EQ(steps[4].changes[0].point, ShortcutDemoTimeline::overFirstWedge(keys));
        EXPECT_EQ(steps[6].changes[0].point, ShortcutDemoTimeline::overFourthWedge(keys));
    }
}

namespace {

class ShortcutDemoCardTest : public ::testing::Test {
protected:
    ShortcutDemoCardTest()
        : card(new ShortcutDemoCard({QStringLiteral("⇧"), QStringLiteral("Alt")}, QStringLiteral("Shift + Alt + Drag"),
                                    QStringLiteral("Edit tools"), {QStringLiteral("Crop"), QStringLiteral("Trim")},
                                    QColor(10, 132, 255), &window))
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(card);
    }

    std::vector<QVariantAnimation*> running() const
    {
        std::vector<QVariantAnimation*> found;
        for (QVariantAnimation* animation : card->findChildren<QVariantAnimation*>())
            if (animation->state() == QAbstractAnimation::Running)
                found.push_back(animation);
        return found;
    }

    // Everything that could wake the program up: what must be silent while the card is not seen.
    int busyTimersAndAnimations() const
    {
        int busy = 0;
        for (const QTimer* timer : card->findChildren<QTimer*>())
            busy += timer->isActive() ? 1 : 0;
        for (const QAbstractAnimation* animation : card->findChildren<QAbstractAnimation*>())
            busy += animation->state() != QAbstractAnimation::Stopped ? 1 : 0;
        return busy;
    }

    void goToStep(int step)
    {
        while (card->currentStep() != step)
            card->skipWait();
    }

    void finishAnimations()
    {
        for (QVariantAnimation* animation : running())
            animation->setCurrentTime(animation->duration());
    }

    void click()
    {
        const QPointF at(20, 20);
        QMouseEvent press(QEvent::MouseButtonPress, at, card->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, card->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(card, &press);
        QApplication::sendEvent(card, &release);
    }

    QWidget window;
    ShortcutDemoCard* card;
};

} // namespace

TEST_F(ShortcutDemoCardTest, DescribesItselfByTitleAndSubtitle)
{
    EXPECT_EQ(card->accessibleName(), QStringLiteral("Shift + Alt + Drag"));
    EXPECT_EQ(card->accessibleDescription(), QStringLiteral("Edit tools"));
    EXPECT_EQ(card->accent(), QColor(10, 132, 255));
    EXPECT_EQ(card->radial()->accent(), QColor(10, 132, 255));
}

TEST_F(ShortcutDemoCardTest, RunsOnlyWhileShown)
{
    EXPECT_FALSE(card->isAnimating());
    EXPECT_EQ(busyTimersAndAnimations(), 0);

    window.show();
    EXPECT_TRUE(card->isAnimating());
    EXPECT_EQ(card->currentStep(), 1);
    EXPECT_EQ(card->cursorPosition(), ShortcutDemoTimeline::pointerStart(2));

    // Mid-loop, with a highlight fading in the ring: hiding silences everything.
    goToStep(6);
    EXPECT_TRUE(card->radial()->isFading());
    EXPECT_GT(busyTimersAndAnimations(), 1);
    window.hide();
    EXPECT_FALSE(card->isAnimating());
    EXPECT_EQ(card->currentStep(), 0);
    EXPECT_EQ(busyTimersAndAnimations(), 0);
    card->replay();
    EXPECT_EQ(busyTimersAndAnimations(), 0);

    window.show();
    EXPECT_TRUE(card->isAnimating());
    EXPECT_EQ(card->currentStep(), 1);
}

TEST_F(ShortcutDemoCardTest, StopsWhenItsWindowIsMinimisedAndResumesAfter)
{
    window.show();
    goToStep(2);
    EXPECT_EQ(running().size(), 1u);
    window.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(card->isAnimating());
    EXPECT_EQ(busyTimersAndAnimations(), 0);
    window.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(card->isAnimating());
    EXPECT_EQ(card->currentStep(), 1);
}

TEST_F(ShortcutDemoCardTest, StopsWhenTheCardItselfIsHidden)
{
    window.show();
    goToStep(4);
    card->hide();
    EXPECT_FALSE(card->isAnimating());
    EXPECT_EQ(busyTimersAndAnimations(), 0);
}

TEST_F(ShortcutDemoCardTest, StepsAnimateTowardsTheirTargets)
{
    window.show();
    goToStep(2);
    ASSERT_EQ(running().size(), 1u);
    EXPECT_EQ(card->value(DemoProperty::cursorShown), 0.0);
    finishAnimations();
    EXPECT_EQ(card->cursorPosition(), ShortcutDemoTimeline::filePosition(2));
    EXPECT_EQ(card->value(DemoProperty::cursorShown), 1.0);
    EXPECT_EQ(card->value(DemoProperty::approach), 1.0);

    // The ring's spring outlasts its step: the pointer's next move runs beside it and neither cuts the other.
    goToStep(3);
    finishAnimations();
    goToStep(4);
    goToStep(5);
    EXPECT_EQ(running().size(), 2u);
    finishAnimations();
    EXPECT_TRUE(running().empty());
    EXPECT_EQ(card->value(DemoProperty::showRadial), 1.0);
    EXPECT_EQ(card->value(DemoProperty::grabbed), 1.0);
    EXPECT_EQ(card->cursorPosition(), ShortcutDemoTimeline::overFirstWedge(2));

    goToStep(6);
    EXPECT_EQ(card->radial()->highlightedWedge(), std::optional<int>(0));
    goToStep(8);
    EXPECT_EQ(card->radial()->highlightedWedge(), std::optional<int>(3));
    goToStep(10);
    finishAnimations();
    EXPECT_EQ(card->value(DemoProperty::showRadial), 0.0);
    EXPECT_EQ(card->value(DemoProperty::dropped), 0.0);
    EXPECT_EQ(card->value(DemoProperty::cursorShown), 0.0);
    EXPECT_EQ(card->radial()->highlightedWedge(), std::nullopt);

    card->skipWait();
    EXPECT_EQ(card->currentStep(), 1);
}

TEST_F(ShortcutDemoCardTest, ClickReplaysFromTheFirstStep)
{
    window.show();
    goToStep(7);
    ASSERT_FALSE(running().empty());
    click();
    EXPECT_TRUE(card->isAnimating());
    EXPECT_EQ(card->currentStep(), 1);
    EXPECT_TRUE(running().empty());
    EXPECT_EQ(card->cursorPosition(), ShortcutDemoTimeline::pointerStart(2));
    EXPECT_EQ(card->value(DemoProperty::cursorShown), 0.0);
    EXPECT_EQ(card->value(DemoProperty::grabbed), 0.0);
    EXPECT_EQ(card->value(DemoProperty::showRadial), 0.0);
    EXPECT_EQ(card->radial()->highlightedWedge(), std::nullopt);
    EXPECT_EQ(card->radial()->highlightLevel(0), 0.0);
    card->skipWait();
    EXPECT_EQ(card->currentStep(), 2);
}

namespace {

// A widget's picture over nothing, as the screen would receive it to lay over the window.
QImage pictureOf(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Everything a widget is asked to paint, added up.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

long area(const QRegion& region)
{
    long pixels = 0;
    for (const QRect& rect : region)
        pixels += static_cast<long>(rect.width()) * rect.height();
    return pixels;
}

} // namespace

TEST_F(ShortcutDemoCardTest, ADimmedCardLooksLikeTheWholeCardFaded)
{
    window.resize(420, 260);
    window.show();
    // The ring open with a wedge lit, the file and the pointer over it: parts drawn over each other, which
    // a fade part by part would let show through one another.
    goToStep(8);
    for (int round = 0; round < 3; ++round)
        finishAnimations();
    const QImage full = pictureOf(card);
    card->setContentOpacity(0.45);
    EXPECT_EQ(card->contentOpacity(), 0.45);
    const QImage dimmed = pictureOf(card);

    int worst = 0;
    for (int y = 0; y < full.height(); ++y) {
        const auto* whole = reinterpret_cast<const QRgb*>(full.constScanLine(y));
        const auto* faded = reinterpret_cast<const QRgb*>(dimmed.constScanLine(y));
        for (int x = 0; x < full.width(); ++x) {
            const auto off = [](int channel, int fadedChannel) {
                return std::abs(static_cast<int>(std::lround(channel * 0.45)) - fadedChannel);
            };
            worst = std::max({worst, off(qRed(whole[x]), qRed(faded[x])), off(qGreen(whole[x]), qGreen(faded[x])),
                              off(qBlue(whole[x]), qBlue(faded[x])), off(qAlpha(whole[x]), qAlpha(faded[x]))});
        }
    }
    // A level or two off where a text lies over the card's faint fill.
    EXPECT_LE(worst, 3);

    card->setContentOpacity(1);
    EXPECT_EQ(pictureOf(card), full);
}

TEST_F(ShortcutDemoCardTest, AStepRedrawsOnlyWhatMoves)
{
    window.resize(420, 260);
    window.show();
    QApplication::processEvents();
    PaintRecorder recorder;
    card->stage()->installEventFilter(&recorder);

    // The pointer on its way to the file: a patch around it, a small part of the stage.
    goToStep(2);
    QApplication::processEvents();
    recorder.painted = {};
    ASSERT_EQ(running().size(), 1u);
    running().front()->setCurrentTime(running().front()->duration() / 2);
    QApplication::processEvents();
    const long stage = static_cast<long>(card->stage()->width()) * card->stage()->height();
    EXPECT_GT(area(recorder.painted), 0);
    EXPECT_LT(area(recorder.painted), stage / 4);

    // Waiting between steps, nothing is drawn.
    finishAnimations();
    QApplication::processEvents();
    recorder.painted = {};
    QApplication::processEvents();
    EXPECT_TRUE(recorder.painted.isEmpty());
}
