// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadialMenuView.h"

#include "DragHotkeyDebug.h"
#include "Typography.h"
#include "XdndCopyFilter.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <xcb/xcb.h>

using namespace karvo;

namespace {

// Collects the diagnostic lines the view writes while a test runs.
class RadialMenuViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("KV_DEBUG", "1");
        DragHotkeyDebug::setSink([this](const QString& line) { lines << line; });
    }
    void TearDown() override
    {
        DragHotkeyDebug::setSink({});
        qunsetenv("KV_DEBUG");
    }

    static QList<RadialSegment> videoFormats()
    {
        return RadialSegments::segments(DropKind::video, RadialMenuMode::formats, false);
    }

    static std::unique_ptr<QMimeData> filesAt(const QList<QUrl>& urls)
    {
        auto mime = std::make_unique<QMimeData>();
        mime->setUrls(urls);
        return mime;
    }

    // Events as Qt's XDND target delivers them: while Shift is held a file manager proposes Move, and
    // XdndCopyFilter has made Copy possible.
    static constexpr Qt::DropActions possible = Qt::CopyAction | Qt::MoveAction;

    static bool enter(QWidget& view, const QPointF& at, const QMimeData* mime, Qt::DropAction* answered = nullptr)
    {
        QDragEnterEvent event(at.toPoint(), possible, mime, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(&view, &event);
        if (answered)
            *answered = event.dropAction();
        return event.isAccepted();
    }
    static bool move(QWidget& view, const QPointF& at, const QMimeData* mime, Qt::DropAction* answered = nullptr)
    {
        QDragMoveEvent event(at.toPoint(), possible, mime, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(&view, &event);
        if (answered)
            *answered = event.dropAction();
        return event.isAccepted();
    }
    static bool drop(QWidget& view, const QPointF& at, const QMimeData* mime, Qt::DropAction* answered = nullptr)
    {
        QDropEvent event(at, possible, mime, Qt::NoButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(&view, &event);
        if (answered)
            *answered = event.dropAction();
        return event.isAccepted();
    }

    static int settle(RadialMenuView& view)
    {
        int ticks = 0;
        while (view.isFading() && ticks < 200) {
            view.advanceFade();
            ++ticks;
        }
        return ticks;
    }

    QStringList lines;
};

struct Dropped {
    QList<QUrl> files;
    std::optional<RadialAction> action;
    int calls = 0;
};

void record(RadialMenuView& view, Dropped& dropped)
{
    view.onDrop = [&dropped](const QList<QUrl>& files, RadialAction action) {
        dropped.files = files;
        dropped.action = action;
        ++dropped.calls;
    };
}

} // namespace

TEST_F(RadialMenuViewTest, ProposedMoveIsAnsweredWithCopyAndTheLocalFilesAreHandedOn)
{
    RadialMenuView view(videoFormats(), 400);
    Dropped dropped;
    record(view, dropped);
    const auto mime = filesAt({QUrl::fromLocalFile("/tmp/clip one.mov"), QUrl("https://example.com/a.mp4"),
                               QUrl::fromLocalFile("/tmp/b.mp4")});
    const QPointF mkv = view.ringGeometry().labelAnchor(1);

    // The file manager's proposal under Shift is Move; the ring answers Copy.
    EXPECT_EQ(QDragEnterEvent(mkv.toPoint(), possible, mime.get(), Qt::LeftButton, Qt::ShiftModifier).proposedAction(),
              Qt::MoveAction);
    // The ring opens under the pointer, so the drag enters over the centre hole and moves out to a wedge.
    Qt::DropAction answered = Qt::CopyAction;
    EXPECT_TRUE(enter(view, view.ringGeometry().centre(), mime.get(), &answered));
    EXPECT_EQ(answered, Qt::IgnoreAction);
    EXPECT_EQ(view.hovered(), std::nullopt);
    EXPECT_TRUE(move(view, mkv, mime.get(), &answered));
    EXPECT_EQ(answered, Qt::CopyAction);
    EXPECT_EQ(view.hovered(), 1);
    EXPECT_EQ(view.centreText(), QStringLiteral("MKV"));
    EXPECT_TRUE(move(view, mkv + QPointF(3, 3), mime.get(), &answered));
    EXPECT_EQ(answered, Qt::CopyAction);
    EXPECT_TRUE(lines.contains(QStringLiteral("KV: draggingEntered segment=nil")));

    EXPECT_TRUE(drop(view, mkv, mime.get(), &answered));
    EXPECT_EQ(answered, Qt::CopyAction);
    EXPECT_EQ(dropped.calls, 1);
    EXPECT_EQ(dropped.files,
              QList<QUrl>({QUrl::fromLocalFile("/tmp/clip one.mov"), QUrl::fromLocalFile("/tmp/b.mp4")}));
    ASSERT_TRUE(dropped.action.has_value());
    EXPECT_TRUE(dropped.action->isFormat(OutputFormat::mkv));
    // After the drop nothing is hovered and the highlight fades out.
    EXPECT_EQ(view.hovered(), std::nullopt);
    EXPECT_TRUE(view.isFading());
}

TEST_F(RadialMenuViewTest, DropsOnTheCentreHoleAGapOrOutsideTheRingAreRefused)
{
    RadialMenuView view(videoFormats(), 400);
    Dropped dropped;
    record(view, dropped);
    const auto mime = filesAt({QUrl::fromLocalFile("/tmp/a.mp4")});
    const RadialGeometry ring = view.ringGeometry();
    const double across = (ring.innerRadius() + ring.outerRadius()) / 2;
    const double gapAngle = ring.endAngle(0) + 0.0275; // midway between wedges 0 and 1
    const QPointF gap = ring.centre() + QPointF(across * std::cos(gapAngle), across * std::sin(gapAngle));
    const QPointF rim = ring.centre() + QPointF(0, -195); // inside the view, beyond the wedges

    for (const QPointF at : {ring.centre(), gap, rim}) {
        // The enter is taken (so the moves that follow arrive) but offers no action there.
        Qt::DropAction answered = Qt::CopyAction;
        EXPECT_TRUE(enter(view, at, mime.get(), &answered));
        EXPECT_EQ(answered, Qt::IgnoreAction);
        EXPECT_FALSE(move(view, at, mime.get(), &answered));
        EXPECT_EQ(answered, Qt::CopyAction);
        EXPECT_FALSE(drop(view, at, mime.get(), &answered));
        EXPECT_EQ(answered, Qt::CopyAction);
        EXPECT_EQ(view.hovered(), std::nullopt);
    }
    EXPECT_EQ(dropped.calls, 0);
    EXPECT_EQ(view.centreText(), QString());
    EXPECT_TRUE(lines.filter(QStringLiteral("performDragOperation")).isEmpty());
}

TEST_F(RadialMenuViewTest, DisabledWedgeNeverLightsUpAndRefusesDrops)
{
    QList<RadialSegment> segments = videoFormats();
    segments[0].enabled = false;
    RadialMenuView view(segments, 400);
    view.setCenterHint(QStringLiteral("hint"));
    Dropped dropped;
    record(view, dropped);
    const auto mime = filesAt({QUrl::fromLocalFile("/tmp/a.mp4")});
    const QPointF top = view.ringGeometry().labelAnchor(0);

    Qt::DropAction answered = Qt::CopyAction;
    EXPECT_TRUE(enter(view, top, mime.get(), &answered));
    EXPECT_EQ(answered, Qt::IgnoreAction);
    EXPECT_FALSE(move(view, top, mime.get()));
    EXPECT_EQ(view.hovered(), 0);
    EXPECT_EQ(view.centreText(), QStringLiteral("hint"));
    settle(view);
    EXPECT_EQ(view.highlightLevel(0), 0.0);
    EXPECT_FALSE(drop(view, top, mime.get()));
    EXPECT_EQ(dropped.calls, 0);
    EXPECT_TRUE(lines.contains(QStringLiteral("KV: prepareForDrag segment=0")));
    EXPECT_TRUE(lines.filter(QStringLiteral("performDragOperation")).isEmpty());
}

TEST_F(RadialMenuViewTest, DropWithoutLocalFilesIsRefusedWithItsDiagnosticLine)
{
    RadialMenuView view(videoFormats(), 400);
    Dropped dropped;
    record(view, dropped);
    const QPointF top = view.ringGeometry().labelAnchor(0);
    const auto remote = filesAt({QUrl("https://example.com/a.mp4"), QUrl("sftp://host/b.mp4")});
    auto text = std::make_unique<QMimeData>();
    text->setText(QStringLiteral("/tmp/a.mp4"));

    for (const QMimeData* mime :
         {static_cast<const QMimeData*>(remote.get()), static_cast<const QMimeData*>(text.get())}) {
        lines.clear();
        EXPECT_TRUE(enter(view, top, mime));
        EXPECT_FALSE(drop(view, top, mime));
        EXPECT_EQ(lines.mid(lines.size() - 3),
                  QStringList({QStringLiteral("KV: prepareForDrag segment=0"),
                               QStringLiteral("KV: performDragOperation segment=0"),
                               QStringLiteral("KV: performDragOperation: no file URLs on pasteboard")}));
    }
    EXPECT_EQ(dropped.calls, 0);
}

TEST_F(RadialMenuViewTest, HoverWritesItsDiagnosticLines)
{
    RadialMenuView view(videoFormats(), 400);
    const auto mime = filesAt({QUrl::fromLocalFile("/tmp/a.mp4")});
    enter(view, QPointF(200, 73), mime.get());
    move(view, QPointF(100, 250), mime.get());
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(&view, &leave);

    // (100, 250) is 111 from the centre at 206.57° on a dial (counter-clockwise from the right): wedge 4.
    EXPECT_EQ(lines, QStringList({
                         QStringLiteral("KV: hover point=(200,73) center=(200,200) dist=127 angle=90 seg=0 "
                                        "bounds=(0,0 400x400)"),
                         QStringLiteral("KV: draggingEntered segment=0"),
                         QStringLiteral("KV: hover point=(100,250) center=(200,200) dist=111 angle=206 seg=4 "
                                        "bounds=(0,0 400x400)"),
                         QStringLiteral("KV: draggingExited"),
                     }));
    EXPECT_EQ(view.hovered(), std::nullopt);
}

TEST_F(RadialMenuViewTest, HighlightFollowsTheHoverAndTheTimerStopsWhenSettled)
{
    RadialMenuView view(videoFormats(), 400);
    const auto mime = filesAt({QUrl::fromLocalFile("/tmp/a.mp4")});
    const RadialGeometry ring = view.ringGeometry();
    EXPECT_FALSE(view.isFading());

    enter(view, ring.labelAnchor(2), mime.get());
    EXPECT_TRUE(view.isFading());
    EXPECT_GT(settle(view), 1);
    EXPECT_FALSE(view.isFading());
    EXPECT_EQ(view.highlightLevel(2), 1.0);

    // Hovering on within the same wedge starts nothing.
    move(view, ring.labelAnchor(2) + QPointF(2, 0), mime.get());
    EXPECT_FALSE(view.isFading());

    move(view, ring.labelAnchor(3), mime.get());
    EXPECT_TRUE(view.isFading());
    view.advanceFade();
    EXPECT_LT(view.highlightLevel(2), 1.0);
    EXPECT_GT(view.highlightLevel(3), 0.0);
    settle(view);
    EXPECT_FALSE(view.isFading());
    EXPECT_EQ(view.highlightLevel(2), 0.0);
    EXPECT_EQ(view.highlightLevel(3), 1.0);

    // A mode switch resets hover and highlight at once.
    view.setSegments(RadialSegments::segments(DropKind::video, RadialMenuMode::tools, false), 520);
    EXPECT_EQ(view.size(), QSize(520, 520));
    EXPECT_EQ(view.hovered(), std::nullopt);
    EXPECT_EQ(view.highlightLevel(3), 0.0);
    EXPECT_FALSE(view.isFading());
}

TEST_F(RadialMenuViewTest, HoveredWedgeIsPaintedInTheAccentColour)
{
    RadialMenuView view(videoFormats(), 400);
    const auto mime = filesAt({QUrl::fromLocalFile("/tmp/a.mp4")});
    const RadialGeometry ring = view.ringGeometry();
    enter(view, ring.labelAnchor(1), mime.get());
    settle(view);

    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    // Just inside each wedge's inner edge, clear of icon and title.
    const auto sample = [&](int wedge) {
        const double r = ring.innerRadius() + 4;
        const double a = ring.midAngle(wedge);
        return image.pixelColor(qRound(ring.centre().x() + r * std::cos(a)),
                                qRound(ring.centre().y() + r * std::sin(a)));
    };
    const QColor accent = Typography::accent(view.palette());
    const QColor lit = sample(1);
    EXPECT_EQ(lit.alpha(), 255);
    EXPECT_NEAR(lit.red(), accent.red(), 2);
    EXPECT_NEAR(lit.green(), accent.green(), 2);
    EXPECT_NEAR(lit.blue(), accent.blue(), 2);
    // The others are only a faint wash.
    for (const int plain : {0, 2, 5})
        EXPECT_LT(sample(plain).alpha(), 20) << plain;
    // Outside the ring nothing is painted.
    EXPECT_EQ(image.pixelColor(2, 2).alpha(), 0);
}

TEST_F(RadialMenuViewTest, AccessibleNameFollowsTheCentre)
{
    RadialMenuView view(RadialSegments::segments(DropKind::audio, RadialMenuMode::formats, false), 340);
    view.setCenterHint(QStringLiteral("⇧ Formats"));
    EXPECT_EQ(view.accessibleName(), QStringLiteral("⇧ Formats"));
    EXPECT_EQ(view.accessibleDescription(), QStringLiteral("MP3, M4A"));
    const auto mime = filesAt({QUrl::fromLocalFile("/tmp/a.wav")});
    enter(view, view.ringGeometry().labelAnchor(1), mime.get());
    EXPECT_EQ(view.accessibleName(), QStringLiteral("M4A"));
}

TEST(XdndCopyFilter, PositionMessagesToTheWindowProposeCopy)
{
    constexpr quint32 window = 0x2a00007;
    constexpr quint32 position = 301;
    constexpr quint32 copy = 302;
    constexpr quint32 move = 303;
    const auto message = [&](quint32 to, quint32 type) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = to;
        event.type = type;
        event.data.data32[0] = 0x1c00003; // the source
        event.data.data32[2] = (500u << 16) | 300u;
        event.data.data32[4] = move;
        return event;
    };

    xcb_client_message_event_t shifted = message(window, position);
    EXPECT_TRUE(XdndCopyFilter::proposeCopy(&shifted, window, position, copy));
    EXPECT_EQ(shifted.data.data32[4], copy);
    EXPECT_EQ(shifted.data.data32[0], 0x1c00003u);
    EXPECT_EQ(shifted.data.data32[2], (500u << 16) | 300u);

    // Sent by the X server (the high bit set), it is the same message.
    xcb_client_message_event_t sent = message(window, position);
    sent.response_type |= 0x80;
    EXPECT_TRUE(XdndCopyFilter::proposeCopy(&sent, window, position, copy));

    // Other windows, other messages and other events are left alone.
    xcb_client_message_event_t elsewhere = message(window + 1, position);
    EXPECT_FALSE(XdndCopyFilter::proposeCopy(&elsewhere, window, position, copy));
    EXPECT_EQ(elsewhere.data.data32[4], move);
    xcb_client_message_event_t drop = message(window, position + 10);
    EXPECT_FALSE(XdndCopyFilter::proposeCopy(&drop, window, position, copy));
    EXPECT_EQ(drop.data.data32[4], move);
    xcb_client_message_event_t unplaced = message(0, position);
    EXPECT_FALSE(XdndCopyFilter::proposeCopy(&unplaced, 0, position, copy));
    xcb_client_message_event_t notAMessage = message(window, position);
    notAMessage.response_type = XCB_MOTION_NOTIFY;
    EXPECT_FALSE(XdndCopyFilter::proposeCopy(&notAMessage, window, position, copy));
    EXPECT_FALSE(XdndCopyFilter::proposeCopy(nullptr, window, position, copy));
}
