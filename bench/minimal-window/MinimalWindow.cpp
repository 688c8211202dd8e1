// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-minimal-window: the smallest Qt Widgets program with one window, the reference for bench/desktop-start.
// It reports its first paint the way karvo does with KARVO_REPORT_FIRST_PAINT, and, like karvo, keeps running
// when its window is closed, so that the two can be timed and watched alike.
// With --animate it repaints the whole window at 60 frames per second while the window is shown: the cost of
// animation with nothing drawn, the reference for karvo's animated screens.
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

// The same filter as karvo's: the first paint of any widget, then it removes itself.
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            QTextStream(stderr) << "KV: first paint" << Qt::endl;
        }
        return false;
    }
};

// A blank window that, when animating, asks for a full repaint every frame and fills itself each time, so
// every frame costs what one of karvo's animation frames costs at the least: a paint and a flush.
class BlankWindow : public QWidget {
public:
    explicit BlankWindow(bool animate) : m_frame(new QTimer(this)), m_animate(animate)
    {
        // It fills every pixel itself: Qt need not clear the background first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        m_frame->setInterval(16);
        m_frame->setTimerType(Qt::PreciseTimer);
        connect(m_frame, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
    }

    // Like karvo's animations, it ticks only while it can be seen.
    void showEvent(QShowEvent*) override
    {
        if (m_animate)
            m_frame->start();
    }

    void hideEvent(QHideEvent*) override { m_frame->stop(); }

private:
    QTimer* m_frame;
    bool m_animate;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaintReporter firstPaint;
    app.installEventFilter(&firstPaint);

    const bool animate = QApplication::arguments().contains(QStringLiteral("--animate"));
    BlankWindow window(animate);
    window.setWindowTitle(QStringLiteral("Karvo minimal window"));
    // Karvo's main window size, so that both first paints fill the same area.
    window.resize(820, 640);
    window.show();
    return QApplication::exec();
}
