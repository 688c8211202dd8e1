// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeX11Input.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <algorithm>

namespace {
Display* display(void* d)
{
    return static_cast<Display*>(d);
}

void runEventsFor(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        QThread::msleep(1);
    }
}
} // namespace

FakeX11Input::FakeX11Input() : m_display(XOpenDisplay(nullptr)) {}

FakeX11Input::~FakeX11Input()
{
    if (m_display)
        XCloseDisplay(display(m_display));
}

QPoint FakeX11Input::pointer() const
{
    Window root, child;
    int rx = 0, ry = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    XQueryPointer(display(m_display), DefaultRootWindow(display(m_display)), &root, &child, &rx, &ry, &wx, &wy, &mask);
    return {rx, ry};
}

void FakeX11Input::warp(QPoint to)
{
    XTestFakeMotionEvent(display(m_display), -1, to.x(), to.y(), CurrentTime);
    XFlush(display(m_display));
}

void FakeX11Input::moveTo(QPoint target)
{
    for (int i = 0; i < 300; ++i) {
        const QPoint delta = target - pointer();
        if (delta.manhattanLength() == 0)
            return;
        const int dx = std::clamp(delta.x(), -6, 6), dy = std::clamp(delta.y(), -6, 6);
        XTestFakeRelativeMotionEvent(display(m_display), dx, dy, CurrentTime);
        XFlush(display(m_display));
        runEventsFor(8);
    }
}

void FakeX11Input::button(bool down)
{
    XTestFakeButtonEvent(display(m_display), 1, down, CurrentTime);
    XFlush(display(m_display));
}

void FakeX11Input::shift(bool down)
{
    XTestFakeKeyEvent(display(m_display), XKeysymToKeycode(display(m_display), XK_Shift_L), down, CurrentTime);
    XFlush(display(m_display));
}
