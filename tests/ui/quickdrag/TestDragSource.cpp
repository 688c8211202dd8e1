// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for a file manager in the Quick Drag tests: a window that starts an XDND drag of the files
// given on the command line as soon as the mouse button goes down in it, offering Move only (as file
// managers do under Shift) and the GNOME icon-list type only file managers offer. Prints "ready" once
// shown and "result=<action>" when the drag ends.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

class Source : public QWidget {
public:
    explicit Source(QStringList paths) : m_paths(std::move(paths)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* mime = new QMimeData;
        QList<QUrl> urls;
        QByteArray iconList;
        for (const QString& path : m_paths) {
            urls.append(QUrl::fromLocalFile(path));
            iconList += QUrl::fromLocalFile(path).toEncoded() + "\r\n";
        }
        mime->setUrls(urls);
        mime->setData(QStringLiteral("x-special/gnome-icon-list"), iconList);
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction result = drag->exec(Qt::MoveAction, Qt::MoveAction);
        const char* name = result == Qt::CopyAction ? "copy" : result == Qt::MoveAction ? "move" : "ignore";
        std::printf("result=%s\n", name);
        std::fflush(stdout);
    }
    // Painted means mapped where the window manager put it: the test presses in the middle of that.
    void paintEvent(QPaintEvent*) override
    {
        if (m_announced)
            return;
        m_announced = true;
        const QPoint centre = mapToGlobal(rect().center());
        std::printf("ready %d %d\n", centre.x(), centre.y());
        std::fflush(stdout);
    }

private:
    QStringList m_paths;
    bool m_announced = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList paths = app.arguments().mid(1);
    Source window(paths);
    window.setWindowTitle(QStringLiteral("Files"));
    window.setGeometry(40, 40, 240, 240);
    window.show();
    return app.exec();
}
