// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QtGlobal>

class QWidget;

namespace karvo {

// Under Shift a file manager proposes Move, and GTK ones offer nothing else, while Qt lets a drop target
// answer only with an action the source proposed. So the drags other programs bring to one window are
// presented to Qt as proposing Copy, the window answers Copy, and the source keeps its files.
// X11 only; elsewhere it does nothing.
class XdndCopyFilter : public QAbstractNativeEventFilter {
public:
    explicit XdndCopyFilter(QWidget* window);
    ~XdndCopyFilter() override;
    XdndCopyFilter(const XdndCopyFilter&) = delete;
    XdndCopyFilter& operator=(const XdndCopyFilter&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // `xcbEvent` is any xcb event; an XdndPosition message to `window` is made to propose `copyAtom`.
    // True when it was rewritten.
    static bool proposeCopy(void* xcbEvent, quint32 window, quint32 positionAtom, quint32 copyAtom);

private:
    QWidget* m_window;
    quint32 m_positionAtom = 0;
    quint32 m_copyAtom = 0;
    bool m_installed = false;
};

} // namespace karvo
