// SPDX-License-Identifier: GPL-3.0-or-later
#include "X11DragMonitor.h"

#include <QHash>
#include <QMetaObject>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

namespace karvo {

namespace {

using Clock = std::chrono::steady_clock;

template <typename T>
struct FreeDeleter {
    void operator()(T* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter<T>>;

xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

// Everything the listener thread owns. Only that thread touches the connection once it runs.
struct X11DragMonitor::Listener {
    X11DragMonitor* owner = nullptr;
    xcb_connection_t* c = nullptr;
    xcb_window_t root = XCB_NONE;
    xcb_window_t window = XCB_NONE; // ours: receives the converted selections
    uint8_t xfixesEvent = 0;
    int wakeFd = -1;
    quint64 generation = 0;

    xcb_atom_t xdndSelection = XCB_NONE, uriListAtom = XCB_NONE, typeListAtom = XCB_NONE, targetsAtom = XCB_NONE,
               incrAtom = XCB_NONE, activeWindowAtom = XCB_NONE, uriProperty = XCB_NONE, targetsProperty = XCB_NONE;
    QHash<xcb_atom_t, QString> atomNames;

    // The drag in progress.
    bool dragging = false;
    xcb_window_t source = XCB_NONE;
    xcb_timestamp_t timestamp = 0;
    bool haveFiles = false;
    bool haveTypes = false;
    bool targetsAsked = false;
    bool receivingIncrement = false;
    QByteArray increment;
    Clock::time_point askedAt;
    bool awaitingAnswer = false;
    DragPointer lastPointer;
    bool pointerPosted = false;

    ~Listener()
    {
        if (c)
            xcb_disconnect(c);
        if (wakeFd >= 0)
            ::close(wakeFd);
    }

    bool connect(const QByteArray& display)
    {
        int screenNumber = 0;
        c = xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screenNumber);
        if (!c || xcb_connection_has_error(c))
            return false;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        if (!it.rem)
            return false;
        root = it.data->root;

        const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
        if (!xfixes || !xfixes->present)
            return false;
        xfixesEvent = xfixes->first_event;
        Reply<xcb_xfixes_query_version_reply_t> version(
            xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 5, 0), nullptr));
        if (!version || version->major_version < 1)
            return false;

        xdndSelection = internAtom(c, "XdndSelection");
        uriListAtom = internAtom(c, "text/uri-list");
        typeListAtom = internAtom(c, "XdndTypeList");
        targetsAtom = internAtom(c, "TARGETS");
        incrAtom = internAtom(c, "INCR");
        activeWindowAtom = internAtom(c, "_NET_ACTIVE_WINDOW");
        uriProperty = internAtom(c, "KARVO_DRAG_URIS");
        targetsProperty = internAtom(c, "KARVO_DRAG_TARGETS");

        window = xcb_generate_id(c);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, window, root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
        xcb_xfixes_select_selection_input(c, window, xdndSelection,
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                              XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        xcb_flush(c);
        wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        return wakeFd >= 0 && !xcb_connection_has_error(c);
    }

    void run()
    {
        while (true) {
            pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {wakeFd, POLLIN, 0}};
            // No drag: sleep until the X server or stop() says something.
            const int timeout = dragging ? pollIntervalMs : -1;
            const int ready = ::poll(fds, 2, timeout);
            if (ready < 0 && errno != EINTR)
                return;
            if (fds[1].revents)
                return;
            while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
                handle(event);
                std::free(event);
            }
            if (xcb_connection_has_error(c))
                return; // the display went away; Quick Drag simply stops seeing drags
            if (dragging)
                tick();
            xcb_flush(c);
        }
    }

    void handle(const xcb_generic_event_t* event)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == 0)
            return; // an error for a request about a window that vanished mid-drag: nothing to do
        if (type == uint8_t(xfixesEvent + XCB_XFIXES_SELECTION_NOTIFY)) {
            const auto* e = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
            // Only a new owner starts a drag; GTK sources give the selection up just before the
            // button comes up, which is no reason to end it early.
            if (e->subtype == XCB_XFIXES_SELECTION_EVENT_SET_SELECTION_OWNER && e->owner != XCB_NONE)
                beginDrag(e->owner, e->selection_timestamp);
        } else if (type == XCB_SELECTION_NOTIFY) {
            const auto* e = reinterpret_cast<const xcb_selection_notify_event_t*>(event);
            if (e->requestor == window && e->selection == xdndSelection)
                answered(*e);
        } else if (type == XCB_PROPERTY_NOTIFY) {
            const auto* e = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (e->window == window && e->atom == uriProperty && e->state == XCB_PROPERTY_NEW_VALUE &&
                receivingIncrement)
                incrementArrived();
        }
    }

    void beginDrag(xcb_window_t newOwner, xcb_timestamp_t time)
    {
        dragging = true;
        source = newOwner;
        timestamp = time;
        haveFiles = haveTypes = targetsAsked = receivingIncrement = false;
        increment.clear();
        pointerPosted = false;
        DragPasteboard fresh;
        fresh.changeCount = time;
        fresh.frontmost = activeWindowClass();
        {
            std::lock_guard lock(owner->m_mutex);
            owner->m_pasteboard = fresh;
        }
        askForFiles();
        readTypeList();
    }

    // Qt sources answer only a request carrying the drag's own timestamp; GTK ones answer any.
    void askForFiles()
    {
        xcb_convert_selection(c, window, xdndSelection, uriListAtom, uriProperty, timestamp);
        askedAt = Clock::now();
        awaitingAnswer = true;
    }

    void answered(const xcb_selection_notify_event_t& e)
    {
        // A late answer about the previous drag: its data must not pass for this drag's.
        if (e.time != timestamp && e.time != XCB_CURRENT_TIME) {
            if (e.property != XCB_NONE)
                takeProperty(e.property);
            return;
        }
        if (e.target == uriListAtom) {
            awaitingAnswer = false;
            if (e.property == XCB_NONE)
                return; // refused for now; asked again on a later tick
            const auto [type, data] = takeProperty(uriProperty);
            if (type == incrAtom) {
                receivingIncrement = true; // the chunks follow as property changes
                increment.clear();
                return;
            }
            storeFiles(data);
        } else if (e.target == targetsAtom && e.property != XCB_NONE) {
            const auto [type, data] = takeProperty(targetsProperty);
            if (!haveTypes && type == XCB_ATOM_ATOM)
                storeTypes(atomsIn(data));
        }
    }

    void incrementArrived()
    {
        const auto [type, data] = takeProperty(uriProperty);
        if (data.isEmpty()) {
            receivingIncrement = false;
            storeFiles(increment);
            increment.clear();
        } else {
            increment += data;
        }
    }

    void storeFiles(const QByteArray& uriList)
    {
        if (uriList.trimmed().isEmpty())
            return;
        haveFiles = true;
        pointerPosted = false; // the answer is news: the next tick tells the main thread even if nothing moved
        std::lock_guard lock(owner->m_mutex);
        owner->m_pasteboard.uriList = uriList;
        // Sources that publish no type list at all (Nautilus, Thunar) at least offered this one.
        if (!owner->m_pasteboard.types && targetsAsked)
            owner->m_pasteboard.types = QStringList{QStringLiteral("text/uri-list")};
    }

    void storeTypes(const QList<xcb_atom_t>& atoms)
    {
        QStringList names;
        for (xcb_atom_t atom : atoms) {
            const QString name = atomName(atom);
            if (!name.isEmpty())
                names.append(name);
        }
        if (names.isEmpty())
            return;
        haveTypes = true;
        pointerPosted = false;
        std::lock_guard lock(owner->m_mutex);
        owner->m_pasteboard.types = names;
    }

    // The source's XdndTypeList (Qt writes it a moment after taking the selection); failing that its
    // TARGETS, which Qt sources refuse.
    void readTypeList()
    {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(c, xcb_get_property(c, 0, source, typeListAtom, XCB_ATOM_ATOM, 0, 4096), nullptr));
        if (reply && reply->type == XCB_ATOM_ATOM && reply->format == 32 &&
            xcb_get_property_value_length(reply.get()) > 0) {
            const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
            storeTypes(QList<xcb_atom_t>(atoms, atoms + xcb_get_property_value_length(reply.get()) / 4));
            return;
        }
        if (!targetsAsked) {
            targetsAsked = true;
            xcb_convert_selection(c, window, xdndSelection, targetsAtom, targetsProperty, timestamp);
        }
    }

    void tick()
    {
        Reply<xcb_query_pointer_reply_t> pointer(xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr));
        if (!pointer)
            return;
        if (!(pointer->mask & XCB_KEY_BUT_MASK_BUTTON_1)) {
            dragging = false;
            post([](const Events& events) {
                if (events.released)
                    events.released();
            });
            return;
        }
        if (!haveTypes)
            readTypeList();
        if (!haveFiles && !receivingIncrement &&
            (!awaitingAnswer || Clock::now() - askedAt >= std::chrono::milliseconds(answerTimeoutMs)))
            askForFiles();
        if (!haveTypes && haveFiles && targetsAsked) {
            std::lock_guard lock(owner->m_mutex);
            if (!owner->m_pasteboard.types)
                owner->m_pasteboard.types = QStringList{QStringLiteral("text/uri-list")};
        }
        DragPointer now;
        now.shift = pointer->mask & XCB_KEY_BUT_MASK_SHIFT;
        now.alt = pointer->mask & XCB_KEY_BUT_MASK_MOD_1;
        now.position = QPoint(pointer->root_x, pointer->root_y);
        if (pointerPosted && now.shift == lastPointer.shift && now.alt == lastPointer.alt &&
            now.position == lastPointer.position)
            return;
        lastPointer = now;
        pointerPosted = true;
        post([now](const Events& events) {
            if (events.dragged)
                events.dragged(now);
        });
    }

    template <typename F>
    void post(F deliver)
    {
        const quint64 expected = generation;
        const std::shared_ptr<std::atomic<quint64>> current = owner->m_generation;
        X11DragMonitor* monitor = owner;
        QMetaObject::invokeMethod(
            owner->m_receiver.data(),
            [deliver, expected, current, monitor] {
                // Events still queued when the monitor stopped (or restarted) are dropped.
                if (current->load() == expected)
                    deliver(monitor->m_events);
            },
            Qt::QueuedConnection);
    }

    std::pair<xcb_atom_t, QByteArray> takeProperty(xcb_atom_t property)
    {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c, xcb_get_property(c, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 0x1fffffff), nullptr));
        if (!reply)
            return {XCB_NONE, {}};
        const int length = xcb_get_property_value_length(reply.get());
        return {reply->type, QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length)};
    }

    static QList<xcb_atom_t> atomsIn(const QByteArray& data)
    {
        QList<xcb_atom_t> atoms;
        for (qsizetype i = 0; i + 4 <= data.size(); i += 4) {
            xcb_atom_t atom;
            std::memcpy(&atom, data.constData() + i, 4);
            atoms.append(atom);
        }
        return atoms;
    }

    QString atomName(xcb_atom_t atom)
    {
        if (const auto it = atomNames.constFind(atom); it != atomNames.constEnd())
            return *it;
        Reply<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr));
        const QString name =
            reply ? QString::fromLatin1(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()))
                  : QString();
        atomNames.insert(atom, name);
        return name;
    }

    // WM_CLASS (instance, class) of the window the desktop calls active.
    QStringList activeWindowClass()
    {
        Reply<xcb_get_property_reply_t> active(
            xcb_get_property_reply(c, xcb_get_property(c, 0, root, activeWindowAtom, XCB_ATOM_WINDOW, 0, 1), nullptr));
        if (!active || active->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(active.get()) < 4)
            return {};
        xcb_window_t target;
        std::memcpy(&target, xcb_get_property_value(active.get()), 4);
        if (target == XCB_NONE)
            return {};
        Reply<xcb_get_property_reply_t> wmClass(xcb_get_property_reply(
            c, xcb_get_property(c, 0, target, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr));
        if (!wmClass || wmClass->type != XCB_ATOM_STRING)
            return {};
        const QByteArray raw(static_cast<const char*>(xcb_get_property_value(wmClass.get())),
                             xcb_get_property_value_length(wmClass.get()));
        QStringList parts;
        for (const QByteArray& part : raw.split('\0')) {
            if (!part.isEmpty())
                parts.append(QString::fromLatin1(part));
        }
        return parts;
    }
};

X11DragMonitor::X11DragMonitor(QByteArray display) : m_display(std::move(display)) {}

X11DragMonitor::~X11DragMonitor()
{
    stop();
}

bool X11DragMonitor::start(Events events)
{
    if (m_thread.joinable())
        return true;
    auto listener = std::make_unique<Listener>();
    listener->owner = this;
    if (!listener->connect(m_display))
        return false;
    m_events = std::move(events);
    m_receiver = new QObject();
    listener->generation = ++*m_generation;
    m_listener = std::move(listener);
    {
        std::lock_guard lock(m_mutex);
        m_pasteboard = {};
    }
    m_thread = std::thread([listener = m_listener.get()] {
        pthread_setname_np(pthread_self(), "karvo-drag"); // seen in top and /proc, and by the benchmark
        listener->run();
    });
    return true;
}

void X11DragMonitor::stop()
{
    if (!m_thread.joinable())
        return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_listener->wakeFd, &one, sizeof one);
    m_thread.join();
    ++*m_generation;
    m_listener.reset();
    delete m_receiver.data(); // drops the events still queued for it
    m_events = {};
}

DragPasteboard X11DragMonitor::pasteboard() const
{
    std::lock_guard lock(m_mutex);
    return m_pasteboard;
}

} // namespace karvo
