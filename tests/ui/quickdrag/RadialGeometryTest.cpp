// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialGeometry.h"

#include "RadialAnimations.h"
#include "RadialFade.h"
#include "RadialSegments.h"

#include <QLineF>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace karvo;

namespace {
constexpr double pi = std::numbers::pi;

QPointF polar(const RadialGeometry& ring, double radius, double angle)
{
    return ring.centre() + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}
} // namespace

TEST(RadialGeometry, TwoWedgesSplitTheRingTopAndBottomWithGapsBetween)
{
    const RadialGeometry ring(340, 2);
    EXPECT_NEAR(ring.midAngle(0), -pi / 2, 1e-12); // top, on screen
    EXPECT_NEAR(ring.midAngle(1), pi / 2, 1e-12);  // bottom
    EXPECT_NEAR(ring.endAngle(0) - ring.startAngle(0), pi - 0.055, 1e-12);
    EXPECT_NEAR(ring.startAngle(1) - ring.endAngle(0), 0.055, 1e-12);

    const double across = (ring.innerRadius() + ring.outerRadius()) / 2;
    EXPECT_EQ(ring.wedgeAt(polar(ring, across, -pi / 2)), 0);
    EXPECT_EQ(ring.wedgeAt(polar(ring, across, pi / 2)), 1);
    // Straight right and left are the gaps between the two wedges.
    EXPECT_EQ(ring.wedgeAt(polar(ring, across, 0)), std::nullopt);
    EXPECT_EQ(ring.wedgeAt(polar(ring, across, pi)), std::nullopt);
    // Just past the gap, clockwise from the right, is wedge 1; just before it is wedge 0.
    EXPECT_EQ(ring.wedgeAt(polar(ring, across, 0.03)), 1);
    EXPECT_EQ(ring.wedgeAt(polar(ring, across, -0.03)), 0);
}

TEST(RadialGeometry, WedgesFollowClockwiseFromTheTop)
{
    const RadialGeometry ring(400, 4);
    const double across = (ring.innerRadius() + ring.outerRadius()) / 2;
    EXPECT_EQ(ring.wedgeAt(ring.centre() + QPointF(0, -across)), 0);
    EXPECT_EQ(ring.wedgeAt(ring.centre() + QPointF(across, 0)), 1);
    EXPECT_EQ(ring.wedgeAt(ring.centre() + QPointF(0, across)), 2);
    EXPECT_EQ(ring.wedgeAt(ring.centre() + QPointF(-across, 0)), 3);
}

TEST(RadialGeometry, HitTestingCoversTheCentreHoleButNotTheCorners)
{
    const RadialGeometry ring(400, 6);
    EXPECT_DOUBLE_EQ(ring.innerRadius(), 64);
    EXPECT_DOUBLE_EQ(ring.outerRadius(), 190);
    EXPECT_DOUBLE_EQ(ring.hitRadius(), 198);

    const QPointF c = ring.centre();
    EXPECT_EQ(c, QPointF(200, 200));
    // The centre hole belongs to the view but hovers nothing.
    EXPECT_TRUE(ring.contains(c));
    EXPECT_EQ(ring.wedgeAt(c), std::nullopt);
    EXPECT_EQ(ring.wedgeAt(c + QPointF(0, -63.9)), std::nullopt);
    EXPECT_EQ(ring.wedgeAt(c + QPointF(0, -64.1)), 0);
    // The rim: wedges end at W/2 − 10, the view at W/2 − 2.
    EXPECT_EQ(ring.wedgeAt(c + QPointF(0, -189.9)), 0);
    EXPECT_EQ(ring.wedgeAt(c + QPointF(0, -190.1)), std::nullopt);
    EXPECT_TRUE(ring.contains(c + QPointF(0, -197.9)));
    EXPECT_TRUE(ring.contains(c + QPointF(197.9, 0)));
    EXPECT_FALSE(ring.contains(c + QPointF(0, -198.1)));
    for (const QPointF corner : {QPointF(0, 0), QPointF(399, 0), QPointF(0, 399), QPointF(399, 399)}) {
        EXPECT_FALSE(ring.contains(corner)) << corner.x() << "," << corner.y();
        EXPECT_EQ(ring.wedgeAt(corner), std::nullopt);
    }
}

TEST(RadialGeometry, WedgePathsMatchTheHitTestAndGrowWithTheBoost)
{
    const RadialGeometry ring(400, 6);
    for (int i = 0; i < 6; ++i) {
        const QPainterPath path = ring.wedgePath(i);
        EXPECT_TRUE(path.contains(ring.labelAnchor(i))) << i;
        EXPECT_FALSE(path.contains(ring.centre())) << i;
        EXPECT_EQ(ring.wedgeAt(ring.labelAnchor(i)), i);
    }
    // Wedge 0 sits at the top: its outer edge reaches up to the outer radius, plus the boost.
    EXPECT_NEAR(ring.wedgePath(0).boundingRect().top(), 200 - 190, 0.01);
    EXPECT_NEAR(ring.wedgePath(0, 3.5).boundingRect().top(), 200 - 193.5, 0.01);
    EXPECT_TRUE(ring.wedgePath(6).isEmpty());
    EXPECT_TRUE(RadialGeometry(400, 0).wedgePath(0).isEmpty());
}

TEST(RadialGeometry, LabelAnchorsSitMidwayAcrossTheRing)
{
    const RadialGeometry ring(400, 4);
    const double across = (64.0 + 190.0) / 2;
    EXPECT_NEAR(ring.labelAnchor(0).x(), 200, 1e-9);
    EXPECT_NEAR(ring.labelAnchor(0).y(), 200 - across, 1e-9);
    EXPECT_NEAR(ring.labelAnchor(1).x(), 200 + across, 1e-9);
    EXPECT_NEAR(ring.labelAnchor(1).y(), 200, 1e-9);
    EXPECT_NEAR(ring.labelAnchor(2).y(), 200 + across, 1e-9);
}

TEST(RadialGeometry, CrowdedRingsUseSmallerLabelsAndTighterIcons)
{
    const int videoTools =
        static_cast<int>(RadialSegments::segments(DropKind::video, RadialMenuMode::tools, false).size());
    const int videoFormats =
        static_cast<int>(RadialSegments::segments(DropKind::video, RadialMenuMode::formats, false).size());
    ASSERT_EQ(videoTools, 8);
    ASSERT_EQ(videoFormats, 6);
    const RadialGeometry tools(RadialGeometry::diameterFor(videoTools), videoTools);
    const RadialGeometry formats(RadialGeometry::diameterFor(videoFormats), videoFormats);
    EXPECT_EQ(tools.labelFontSize(), 13);
    EXPECT_EQ(tools.iconGap(), 2);
    EXPECT_EQ(tools.iconSide(), 25);
    EXPECT_EQ(formats.labelFontSize(), 17);
    EXPECT_EQ(formats.iconGap(), 4);
    EXPECT_EQ(formats.iconSide(), 29);
}

TEST(RadialGeometry, DiameterGrowsWithTheNumberOfWedges)
{
    EXPECT_EQ(RadialGeometry::diameterFor(0), 340);
    EXPECT_EQ(RadialGeometry::diameterFor(2), 340);
    EXPECT_EQ(RadialGeometry::diameterFor(3), 400);
    EXPECT_EQ(RadialGeometry::diameterFor(6), 400);
    EXPECT_EQ(RadialGeometry::diameterFor(7), 520);
    EXPECT_EQ(RadialGeometry::diameterFor(8), 520);
}

TEST(RadialGeometry, LongCentreTextShrinksToFitButNeverBelowNine)
{
    const RadialGeometry ring(400, 6);
    const double maxWidth = ring.centreTextMaxWidth();
    EXPECT_NEAR(maxWidth, 0.432 * 400, 1e-9);
    EXPECT_EQ(RadialGeometry::centreFontSize(14, maxWidth, maxWidth), 14);
    EXPECT_EQ(RadialGeometry::centreFontSize(14, 50, maxWidth), 14);
    EXPECT_NEAR(RadialGeometry::centreFontSize(14, 200, maxWidth), 14 * maxWidth / 200, 1e-9);
    EXPECT_EQ(RadialGeometry::centreFontSize(14, 1000, maxWidth), 9);
    EXPECT_EQ(RadialGeometry::centreFontSize(12, maxWidth * 1.5, maxWidth), 9);
}

TEST(RadialGeometry, WindowStaysEightPixelsInsideTheScreen)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize size(400, 400);
    // Room enough: centred on the pointer.
    EXPECT_EQ(RadialGeometry::clampedOrigin({640, 400}, size, screen), QPoint(440, 200));
    // 20 px from the right edge: the right edge sits 8 px inside, not centred on the pointer.
    const QPoint right = RadialGeometry::clampedOrigin({1260, 400}, size, screen);
    EXPECT_EQ(right.x() + size.width(), 1280 - 8);
    EXPECT_EQ(right.y(), 200);
    EXPECT_EQ(RadialGeometry::clampedOrigin({5, 3}, size, screen), QPoint(8, 8));
    EXPECT_EQ(RadialGeometry::clampedOrigin({1279, 799}, size, screen), QPoint(872, 392));
    // A second screen to the right, with a panel at its top.
    EXPECT_EQ(RadialGeometry::clampedOrigin({1300, 10}, size, QRect(1280, 30, 1024, 738)), QPoint(1288, 38));
    // Larger than the screen: the maximum bound wins.
    EXPECT_EQ(RadialGeometry::clampedOrigin({640, 400}, QSize(520, 900), screen).y(), 800 - 900 - 8);
    // No screen under the pointer: not clamped.
    EXPECT_EQ(RadialGeometry::clampedOrigin({-500, 2000}, size, std::nullopt), QPoint(-700, 1800));
}

TEST(RadialFade, MovingBetweenWedgesFadesBothTogetherUntilSettled)
{
    RadialFade fade;
    EXPECT_TRUE(fade.tick(0, std::nullopt));
    EXPECT_TRUE(fade.tick(6, std::nullopt));

    int ticks = 0;
    while (!fade.tick(6, 2) && ticks < 100)
        ++ticks;
    ASSERT_LT(ticks, 100);
    EXPECT_EQ(fade.level(2), 1.0);

    // The first tick after the move lowers wedge 2 and raises wedge 3 by the same share.
    EXPECT_FALSE(fade.tick(6, 3));
    EXPECT_DOUBLE_EQ(fade.level(2), 1 - 0.32);
    EXPECT_DOUBLE_EQ(fade.level(3), 0.32);
    int more = 1;
    bool settled = false;
    while (!settled && more < 100) {
        const double before2 = fade.level(2);
        const double before3 = fade.level(3);
        settled = fade.tick(6, 3);
        ++more;
        if (!settled) {
            EXPECT_LT(fade.level(2), before2);
            EXPECT_GT(fade.level(3), before3);
        }
    }
    ASSERT_TRUE(settled);
    // Snapped exactly onto the targets once within the threshold.
    EXPECT_EQ(fade.level(2), 0.0);
    EXPECT_EQ(fade.level(3), 1.0);
    EXPECT_EQ(fade.level(0), 0.0);
    // (1 − 0.32)^k ≤ 0.004 first at k = 15; the settling tick is one more.
    EXPECT_EQ(more, 16);
    EXPECT_TRUE(fade.tick(6, 3));
}

TEST(RadialFade, MixKeepsTheEndpointsAndInterpolatesBetween)
{
    const QColor a = QColor::fromRgbF(0, 0, 0, 0.035f);
    const QColor b(10, 132, 255);
    EXPECT_EQ(RadialFade::mix(a, b, 0), a);
    EXPECT_EQ(RadialFade::mix(a, b, 0.0009), a);
    EXPECT_EQ(RadialFade::mix(a, b, 1), b);
    EXPECT_EQ(RadialFade::mix(a, b, 0.9995), b);
    const QColor half = RadialFade::mix(QColor(0, 0, 0, 0), QColor(200, 100, 50, 255), 0.5);
    EXPECT_EQ(half.red(), 100);
    EXPECT_EQ(half.green(), 50);
    EXPECT_EQ(half.blue(), 25);
    EXPECT_NEAR(half.alphaF(), 0.5, 0.01);
    // An HSV colour is compared in sRGB, not along the hue circle.
    const QColor viaHsv = RadialFade::mix(QColor::fromHsv(0, 255, 255), QColor::fromHsv(240, 255, 255), 0.5);
    EXPECT_NEAR(viaHsv.redF(), 0.5, 0.01);
    EXPECT_NEAR(viaHsv.greenF(), 0.0, 0.01);
    EXPECT_NEAR(viaHsv.blueF(), 0.5, 0.01);
    // Invalid colours give the nearer endpoint.
    EXPECT_EQ(RadialFade::mix(QColor(), b, 0.3), QColor());
    EXPECT_EQ(RadialFade::mix(QColor(), b, 0.7), b);
}

TEST(RadialAnimations, PopSpringsFromItsStartToRestWithinFourTenths)
{
    EXPECT_EQ(RadialAnimations::popScale(0), 0.82);
    EXPECT_GT(RadialAnimations::popProgress(0.01), 0.0);
    const double seconds = RadialAnimations::popSeconds();
    EXPECT_GT(seconds, 0.2);
    EXPECT_LE(seconds, 0.4);
    EXPECT_NEAR(RadialAnimations::popScale(seconds), 1.0, 0.005);
    EXPECT_NEAR(RadialAnimations::popScale(2.0), 1.0, 1e-6);
    // Launched with velocity and damped below critical, it overshoots on the way.
    double peak = 0;
    for (int ms = 0; ms <= 400; ++ms)
        peak = std::max(peak, RadialAnimations::popProgress(ms / 1000.0));
    EXPECT_GT(peak, 1.0);
    EXPECT_LT(peak, 1.2);
}
