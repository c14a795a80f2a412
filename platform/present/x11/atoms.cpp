#include "platform/present/x11/atoms.h"

#include <string>
#include <vector>

namespace qv::present::x11 {

Atoms Atoms::intern(::Display* dpy, int screen) {
    Atoms a;
    const std::string tray = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    struct Name {
        const char* name;
        Atom* slot;
    };
    const Name names[] = {
        {"WM_PROTOCOLS", &a.wmProtocols},
        {"WM_DELETE_WINDOW", &a.wmDeleteWindow},
        {"WM_TAKE_FOCUS", &a.wmTakeFocus},
        {"UTF8_STRING", &a.utf8String},
        {"_NET_WM_NAME", &a.netWmName},
        {"_NET_WM_ICON", &a.netWmIcon},
        {"_NET_WM_PID", &a.netWmPid},
        {"_NET_WM_STATE", &a.netWmState},
        {"_NET_WM_STATE_ABOVE", &a.netWmStateAbove},
        {"_NET_WM_STATE_SKIP_TASKBAR", &a.netWmStateSkipTaskbar},
        {"_NET_WM_WINDOW_TYPE", &a.netWmWindowType},
        {"_NET_WM_WINDOW_TYPE_NORMAL", &a.netWmWindowTypeNormal},
        {"_NET_WM_WINDOW_TYPE_UTILITY", &a.netWmWindowTypeUtility},
        {"_NET_WM_WINDOW_TYPE_TOOLTIP", &a.netWmWindowTypeTooltip},
        {"_NET_ACTIVE_WINDOW", &a.netActiveWindow},
        {"_NET_SUPPORTING_WM_CHECK", &a.netSupportingWmCheck},
        {"_MOTIF_WM_HINTS", &a.motifWmHints},
        {"MANAGER", &a.manager},
        {tray.c_str(), &a.systemTraySelection},
        {"_NET_SYSTEM_TRAY_OPCODE", &a.systemTrayOpcode},
        {"_XEMBED", &a.xembed},
        {"_XEMBED_INFO", &a.xembedInfo},
    };
    std::vector<char*> list;
    for (const Name& n : names) list.push_back(const_cast<char*>(n.name));
    std::vector<Atom> out(list.size());
    XInternAtoms(dpy, list.data(), static_cast<int>(list.size()), False, out.data());
    for (std::size_t i = 0; i < list.size(); ++i) *names[i].slot = out[i];
    return a;
}

}  // namespace qv::present::x11
