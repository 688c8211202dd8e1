// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelWindowSystem.h"

#include <QGuiApplication>
#include <QWindow>
#include <X11/Xlib.h>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <xcb/xcb.h>

namespace karvo::PanelWindowSystem {

namespace {
bool isX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

struct X11 {
    xcb_connection_t* connection = nullptr;
    int screenNumber = 0;
    xcb_window_t root = 0;
};

std::optional<X11> x11()
{
    if (!isX11())
        return std::nullopt;
    auto* native = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!native || !native->connection() || !native->display())
        return std::nullopt;
    X11 x;
    x.connection = native->connection();
    x.screenNumber = DefaultScreen(native->display());
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(x.connection));
    for (int i = 0; i < x.screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem)
        return std::nullopt;
    x.root = it.data->root;
    return x;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return a;
}

void sendToWindowManager(const X11& x, xcb_window_t window, xcb_atom_t type, const uint32_t (&data)[5])
{
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::memcpy(event.data.data32, data, sizeof data);
    xcb_send_event(x.connection, 0, x.root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}
} // namespace

bool compositorRunning()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return true;
    const auto x = x11();
    if (!x)
        return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(x->screenNumber);
    const xcb_atom_t selection = atom(x->connection, name.constData());
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(x->connection, xcb_get_selection_owner(x->connection, selection), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    free(reply);
    return owned;
}

void prepareForAllWorkspaces(QWindow* window)
{
    const auto x = x11();
    if (!x || !window)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = atom(x->connection, "_NET_WM_STATE");
    const xcb_atom_t sticky = atom(x->connection, "_NET_WM_STATE_STICKY");
    // Qt merges its own states into what the property holds when it maps the window.
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x->connection, xcb_get_property(x->connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024), nullptr);
    bool present = false;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / static_cast<int>(sizeof(xcb_atom_t));
        for (int i = 0; i < count; ++i)
            present = present || atoms[i] == sticky;
    }
    free(reply);
    if (!present)
        xcb_change_property(x->connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &sticky);
    const uint32_t allDesktops = 0xFFFFFFFF;
    xcb_change_property(x->connection, XCB_PROP_MODE_REPLACE, id, atom(x->connection, "_NET_WM_DESKTOP"),
                        XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    xcb_flush(x->connection);
}

void showOnAllWorkspaces(QWindow* window)
{
    const auto x = x11();
    if (!x || !window)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    constexpr uint32_t kAdd = 1;
    constexpr uint32_t kAllDesktops = 0xFFFFFFFF;
    constexpr uint32_t kSourceApplication = 1;
    sendToWindowManager(*x, id, atom(x->connection, "_NET_WM_STATE"),
                        {kAdd, atom(x->connection, "_NET_WM_STATE_STICKY"), 0, kSourceApplication, 0});
    sendToWindowManager(*x, id, atom(x->connection, "_NET_WM_DESKTOP"), {kAllDesktops, kSourceApplication, 0, 0, 0});
    xcb_flush(x->connection);
}

} // namespace karvo::PanelWindowSystem
