// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-tool-window-bench: the video preview of the tool windows on one clip, for bench/tool-window/run.
//  1. the time from setSource to the first painted picture of a 560x300 PlayerView in a shown window;
//  2. a slider dragged across the whole clip: 200 live seeks spread over 4 s, while a 5 ms timer on the main
//     thread records the longest gap between its ticks, the longest time the window could not respond.
// Prints "key=value" lines on standard output; exits with status 1 when the preview shows no picture.
// Usage: karvo-tool-window-bench CLIP
#include "MediaBackend.h"
#include "PlayerView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int scrubSeeks = 200;
constexpr int scrubMs = 4000;
constexpr int tickMs = 5;
// The last live seek's decode lands after the drag ends; it still belongs to the drag.
constexpr int tailMs = 300;
constexpr int firstFrameLimitMs = 30000;

void fail(const QString& message)
{
    QTextStream(stderr) << "karvo-tool-window-bench: " << message << Qt::endl;
    QCoreApplication::exit(1);
}

} // namespace

int main(int argc, char** argv)
{
    karvo::MediaBackend::selectDefault();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: karvo-tool-window-bench CLIP" << Qt::endl;
        return 2;
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("Karvo tool window bench"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* view = new karvo::PlayerView(&window);
    view->setFixedSize(560, 300);
    layout->addWidget(view);
    window.show();

    QTextStream out(stdout);
    QElapsedTimer sinceSource;
    QElapsedTimer sinceScrub;
    QTimer scrub;
    QTimer ticker;
    int seeks = 0;
    int framesWhileScrubbing = 0;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    // Each 20 ms timer tick asks for the position the slider would be at by now, as a drag does.
    scrub.setTimerType(Qt::PreciseTimer);
    scrub.setInterval(scrubMs / scrubSeeks);
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(tickMs);

    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = sinceScrub.elapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    QObject::connect(view, &karvo::PlayerView::frameChanged, [&] {
        if (sinceScrub.isValid())
            ++framesWhileScrubbing;
    });
    QObject::connect(&scrub, &QTimer::timeout, [&] {
        ++seeks;
        view->liveSeek(view->duration() * seeks / scrubSeeks);
        if (seeks < scrubSeeks)
            return;
        scrub.stop();
        const qint64 dragMs = sinceScrub.elapsed();
        QTimer::singleShot(tailMs, [&, dragMs] {
            ticker.stop();
            out << "longest_stall_ms=" << longestGap << Qt::endl;
            out << "drag_ms=" << dragMs << Qt::endl;
            out << "frames_while_scrubbing=" << framesWhileScrubbing << Qt::endl;
            QCoreApplication::quit();
        });
    });

    QObject::connect(view, &karvo::PlayerView::firstFramePainted, [&] {
        out << "first_frame_ms=" << QString::number(sinceSource.nsecsElapsed() / 1e6, 'f', 1) << Qt::endl;
        out << "duration_s=" << view->duration() << Qt::endl;
        if (view->duration() <= 0) {
            fail(QStringLiteral("the preview knows no duration to scrub across"));
            return;
        }
        sinceScrub.start();
        lastTick = 0;
        ticker.start();
        scrub.start();
    });
    QObject::connect(view, &karvo::PlayerView::stateChanged, [&](karvo::PlayerView::State state) {
        if (state == karvo::PlayerView::State::failed)
            fail(QStringLiteral("the preview failed: ") + view->overlayText());
    });
    QTimer::singleShot(firstFrameLimitMs, [&] {
        if (!sinceScrub.isValid())
            fail(QStringLiteral("no picture within %1 s").arg(firstFrameLimitMs / 1000));
    });

    sinceSource.start();
    view->setSource(args.at(1));
    return QApplication::exec();
}
