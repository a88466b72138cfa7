#include "toolkit/heldkeys.h"

#include <QGuiApplication>

#if defined(VELMORA_X11_XKB) && QT_CONFIG(xcb)
#include <cstdlib>
// The header names a field "explicit", a C++ keyword.
#define explicit explicit_field
#include <xcb/xkb.h>
#undef explicit

// X11's "detectable auto-repeat", asked for on the connection Qt opened
// (which has already taken up the keyboard extension).
void askForHeldKeysAsRepeatedPresses()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    xcb_connection_t *connection = x11->connection();
    const uint32_t detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    std::free(xcb_xkb_per_client_flags_reply(
        connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, detectable, detectable, 0, 0, 0),
        nullptr));
}
#else
void askForHeldKeysAsRepeatedPresses() {}
#endif
