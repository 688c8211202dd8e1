// SPDX-License-Identifier: GPL-3.0-or-later
// karvo-minimal-window: the smallest Qt Widgets program with one window, the reference for bench/desktop-start.
// It reports its first paint the way karvo does with KARVO_REPORT_FIRST_PAINT, and, like karvo, keeps running
// when its window is closed, so that the two can be timed and watched alike.
#include <QApplication>
#include <QEvent>
#include <QTextStream>
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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    FirstPaintReporter firstPaint;
    app.installEventFilter(&firstPaint);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Karvo minimal window"));
    // Karvo's main window size, so that both first paints fill the same area.
    window.resize(820, 640);
    window.show();
    return QApplication::exec();
}
