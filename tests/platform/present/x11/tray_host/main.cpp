// A small system tray for the tray tests: it owns the screen's tray selection, announces itself
// to the root window, embeds each icon that asks to dock (XEmbed) and says on its standard
// output what happened, one line each: "ready <tray>", "docked <icon>", "undocked <icon>".
#include <cstdio>
#include <set>
#include <string>

#include "platform/present/x11/client_message.h"
#include "platform/present/x11/xlib.h"

using qv::present::x11::sendClientMessage;

namespace {

void say(const char* what, unsigned long window) {
    std::printf("%s %lu\n", what, window);
    std::fflush(stdout);
}

}  // namespace

int main() {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return 1;
    const int screen = DefaultScreen(dpy);
    const Window root = RootWindow(dpy, screen);
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    const Atom selection = XInternAtom(dpy, name.c_str(), False);
    const Atom opcode = XInternAtom(dpy, "_NET_SYSTEM_TRAY_OPCODE", False);
    const Atom manager = XInternAtom(dpy, "MANAGER", False);
    const Atom xembed = XInternAtom(dpy, "_XEMBED", False);

    XSetWindowAttributes attrs{};
    attrs.override_redirect = True;
    attrs.background_pixel = 0x336699;
    attrs.event_mask = SubstructureNotifyMask;
    const Window tray = XCreateWindow(dpy, root, 900, 980, 200, 32, 0, CopyFromParent, InputOutput, CopyFromParent,
                                      CWOverrideRedirect | CWBackPixel | CWEventMask, &attrs);
    XMapWindow(dpy, tray);
    XSetSelectionOwner(dpy, selection, tray, CurrentTime);
    if (XGetSelectionOwner(dpy, selection) != tray) return 2;
    sendClientMessage(dpy, root, root, manager, {CurrentTime, long(selection), long(tray)}, StructureNotifyMask);
    XSync(dpy, False);
    say("ready", tray);

    std::set<Window> icons;
    int next = 4;
    for (;;) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.type == ClientMessage && e.xclient.message_type == opcode && e.xclient.data.l[1] == 0) {
            const Window icon = Window(e.xclient.data.l[2]);
            // As desktop trays do: should the tray end, the icon goes back to the root, alive.
            XAddToSaveSet(dpy, icon);
            XReparentWindow(dpy, icon, tray, next, 4);
            XResizeWindow(dpy, icon, 24, 24);
            next += 28;
            constexpr long kEmbeddedNotify = 0;
            sendClientMessage(dpy, icon, icon, xembed, {CurrentTime, kEmbeddedNotify, 0, long(tray)}, NoEventMask);
            XMapWindow(dpy, icon);
            XSync(dpy, False);
            icons.insert(icon);
            say("docked", icon);
        } else if (e.type == DestroyNotify && icons.erase(e.xdestroywindow.window)) {
            say("undocked", e.xdestroywindow.window);
        } else if (e.type == ReparentNotify && e.xreparent.parent != tray && icons.erase(e.xreparent.window)) {
            say("undocked", e.xreparent.window);
        }
    }
}
