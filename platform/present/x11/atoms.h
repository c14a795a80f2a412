#pragma once
// The atoms the presenter uses, interned in one round trip.

#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

struct Atoms {
    Atom wmProtocols = 0;
    Atom wmDeleteWindow = 0;
    Atom wmTakeFocus = 0;
    Atom utf8String = 0;
    Atom netWmName = 0;
    Atom netWmIcon = 0;
    Atom netWmPid = 0;
    Atom netWmState = 0;
    Atom netWmStateAbove = 0;
    Atom netWmStateSkipTaskbar = 0;
    Atom netWmWindowType = 0;
    Atom netWmWindowTypeNormal = 0;
    Atom netWmWindowTypeUtility = 0;
    Atom netWmWindowTypeTooltip = 0;
    Atom netActiveWindow = 0;
    Atom netSupportingWmCheck = 0;
    Atom motifWmHints = 0;
    Atom manager = 0;
    Atom systemTraySelection = 0;  // _NET_SYSTEM_TRAY_S<screen>
    Atom systemTrayOpcode = 0;
    Atom xembed = 0;
    Atom xembedInfo = 0;

    // Interns every atom on the display for the screen.
    static Atoms intern(::Display* dpy, int screen);
};

}  // namespace qv::present::x11
