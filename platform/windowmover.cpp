#include "windowmover.h"

#include <QGuiApplication>
#include <QPoint>
#include <QWindow>
#include <algorithm>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace {

#if QT_CONFIG(xcb)
struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, uint16_t(qstrlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The window manager says on the root window which requests it honours.
bool windowManagerSupports(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t request)
{
    const XcbReply<xcb_get_property_reply_t> supported(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, false, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!supported || supported->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, request) != atoms + count;
}

bool startX11Move(xcb_connection_t *connection, QWindow *window, const QPoint &globalPointer)
{
    const auto id = xcb_window_t(window->winId());
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    const xcb_atom_t moveResize = atom(connection, "_NET_WM_MOVERESIZE");
    if (!geometry || moveResize == XCB_ATOM_NONE || !windowManagerSupports(connection, geometry->root, moveResize))
        return false;
    const QPoint native = globalPointer * window->devicePixelRatio();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = moveResize;
    message.data.data32[0] = uint32_t(native.x());
    message.data.data32[1] = uint32_t(native.y());
    message.data.data32[2] = 8; // _NET_WM_MOVERESIZE_MOVE
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1; // asked for by an application
    // The press gave this program the pointer; the window manager takes it now.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, false, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    return true;
}
#endif

} // namespace

namespace WindowMover {

bool startSystemMove(QWindow *window, const QPoint &globalPointer)
{
    if (!window)
        return false;
#if QT_CONFIG(xcb)
    if (QGuiApplication::platformName() == u"xcb") {
        if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            return startX11Move(x11->connection(), window, globalPointer);
    }
#endif
    // Elsewhere (Wayland) the compositor moves the window from where its own
    // pointer is, which is right whatever Qt knows.
    return window->startSystemMove();
}

} // namespace WindowMover
