#include "toolkit/windowlists.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if defined(VELMORA_X11) && QT_CONFIG(xcb)
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace {
xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window)
{
    xcb_query_tree_reply_t *reply = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
    const xcb_window_t root = reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
    std::free(reply);
    return root;
}

std::vector<xcb_atom_t> statesOf(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t netWmState)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, netWmState, XCB_ATOM_ATOM, 0, 64), nullptr);
    std::vector<xcb_atom_t> states;
    if (reply && reply->format == 32) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        states.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return states;
}

// Qt states the transient parent only when it maps a window: a shown
// window is re-pointed, and a freed one forgets, through X11.
void stateTransientFor(QWidget *window, QWidget *beneath)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const auto id = xcb_window_t(window->winId());
    if (beneath) {
        const auto parent = xcb_window_t(beneath->winId());
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1,
                            &parent);
    } else {
        xcb_delete_property(connection, id, XCB_ATOM_WM_TRANSIENT_FOR);
    }
    xcb_flush(connection);
}
} // namespace

void setInWindowLists(QWidget *window, bool listed)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t netWmState = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skips[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (window->isVisible()) {
        // A mapped window asks the window manager to change its state.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = netWmState;
        event.data.data32[0] = listed ? 0 : 1; // remove or add
        event.data.data32[1] = skips[0];
        event.data.data32[2] = skips[1];
        event.data.data32[3] = 1; // asked by the application
        xcb_send_event(connection, 0, rootOf(connection, id),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
    } else {
        // A hidden window states it itself; Qt adds its own states (below,
        // above) to whatever is there when it maps the window.
        std::vector<xcb_atom_t> states = statesOf(connection, id, netWmState);
        std::erase_if(states, [&](xcb_atom_t a) { return a == skips[0] || a == skips[1]; });
        if (!listed)
            states.insert(states.end(), std::begin(skips), std::end(skips));
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmState, XCB_ATOM_ATOM, 32,
                            uint32_t(states.size()), states.data());
    }
    xcb_flush(connection);
}
#else
namespace {
void stateTransientFor(QWidget *, QWidget *) {}
} // namespace

void setInWindowLists(QWidget *, bool) {}
#endif

void keepInFrontOf(QWidget *window, QWidget *beneath)
{
    window->winId();
    window->windowHandle()->setTransientParent(beneath ? beneath->windowHandle() : nullptr);
    stateTransientFor(window, beneath);
}
