// SPDX-License-Identifier: GPL-3.0-or-later
#include "XdndCopyFilter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace karvo {

namespace {
xcb_atom_t intern(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}
} // namespace

XdndCopyFilter::XdndCopyFilter(QWidget* window) : m_window(window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* native = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!native || !native->connection())
        return;
    m_positionAtom = intern(native->connection(), "XdndPosition");
    m_copyAtom = intern(native->connection(), "XdndActionCopy");
    if (m_positionAtom == XCB_ATOM_NONE || m_copyAtom == XCB_ATOM_NONE)
        return;
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_installed = true;
}

XdndCopyFilter::~XdndCopyFilter()
{
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool XdndCopyFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    // Only a window that exists natively can be a drop target; winId() would create one.
    if (eventType == QByteArrayLiteral("xcb_generic_event_t") && m_window->testAttribute(Qt::WA_WState_Created))
        proposeCopy(message, static_cast<quint32>(m_window->internalWinId()), m_positionAtom, m_copyAtom);
    // The message goes on to Qt, which now sees Copy proposed.
    return false;
}

bool XdndCopyFilter::proposeCopy(void* xcbEvent, quint32 window, quint32 positionAtom, quint32 copyAtom)
{
    auto* event = static_cast<xcb_generic_event_t*>(xcbEvent);
    if (!event || (event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
    if (message->format != 32 || message->type != positionAtom || message->window != window || window == 0)
        return false;
    // data32[4] is the action the source proposes.
    message->data.data32[4] = copyAtom;
    return true;
}

} // namespace karvo
