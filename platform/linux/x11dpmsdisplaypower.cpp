#include "x11dpmsdisplaypower.h"

#include <QCoreApplication>
#include <cstdlib>
#include <memory>
#include <xcb/dpms.h>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

// The error of a checked request, or 0 when the server carried it out.
int requestError(xcb_connection_t *connection, xcb_void_cookie_t cookie)
{
    const XcbReply<xcb_generic_error_t> error(xcb_request_check(connection, cookie));
    return error ? error->error_code : 0;
}

} // namespace

X11DpmsDisplayPower::X11DpmsDisplayPower(xcb_connection_t *connection) : m_connection(connection) {}

PowerAvailability X11DpmsDisplayPower::availability()
{
    if (!m_connection || xcb_connection_has_error(m_connection))
        return {false, QCoreApplication::translate("PowerActions", "not supported: no connection to the X server")};
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(m_connection, &xcb_dpms_id);
    if (!extension || !extension->present)
        return {false, QCoreApplication::translate("PowerActions", "not supported by this X server (no DPMS)")};
    const XcbReply<xcb_dpms_capable_reply_t> capable(
        xcb_dpms_capable_reply(m_connection, xcb_dpms_capable(m_connection), nullptr));
    if (!capable || !capable->capable)
        return {false,
                QCoreApplication::translate("PowerActions", "not supported by this display (it has no power saving)")};
    return {true, {}};
}

PowerResult X11DpmsDisplayPower::turnOff()
{
    const PowerAvailability can = availability();
    if (!can.available)
        return PowerResult::failure(PowerAction::MonitorOff, can.reason);
    // A power level can only be forced while DPMS is on.
    if (const int error = requestError(m_connection, xcb_dpms_enable_checked(m_connection)))
        return PowerResult::failure(
            PowerAction::MonitorOff,
            QCoreApplication::translate("PowerActions", "the X server refused to switch DPMS on (error %1)")
                .arg(error));
    if (const int error =
            requestError(m_connection, xcb_dpms_force_level_checked(m_connection, XCB_DPMS_DPMS_MODE_OFF)))
        return PowerResult::failure(
            PowerAction::MonitorOff,
            QCoreApplication::translate("PowerActions", "the X server refused to turn the monitor off (error %1)")
                .arg(error));
    xcb_flush(m_connection);
    return PowerResult::success();
}
