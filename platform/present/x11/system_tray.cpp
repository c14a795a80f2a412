#include "platform/present/x11/system_tray.h"

#include <algorithm>

#include "platform/gui/notification_area.h"

namespace qv::present::x11 {

SystemTray::SystemTray(Connection& conn, gui::WindowSystem& ws, const PixelFormat& format)
    : conn_(conn), ws_(ws), format_(format) {
    findManager();
}

void SystemTray::findManager() {
    ::Display* dpy = conn_.display();
    XGrabServer(dpy);  // so the owner cannot go between asking and watching it
    manager_ = XGetSelectionOwner(dpy, conn_.atoms().systemTraySelection);
    if (manager_) XSelectInput(dpy, manager_, StructureNotifyMask);
    XUngrabServer(dpy);
    XFlush(dpy);
    if (!manager_) return;
    for (Entry& e : icons_) e.icon->dock(manager_);
}

DockedIcon* SystemTray::find(gui::HWnd hwnd, std::uint32_t id) const {
    for (const Entry& e : icons_)
        if (e.hwnd == hwnd && e.id == id) return e.icon.get();
    return nullptr;
}

Window SystemTray::iconWindow(gui::HWnd hwnd, std::uint32_t id) const {
    DockedIcon* icon = find(hwnd, id);
    return icon ? icon->xid() : 0;
}

void SystemTray::sync() {
    const std::vector<gui::TrayIcon>& now = ws_.notificationArea().icons();
    std::erase_if(icons_, [&](const Entry& e) {
        return std::none_of(now.begin(), now.end(), [&](const gui::TrayIcon& t) { return t.hwnd == e.hwnd && t.id == e.id; });
    });
    for (const gui::TrayIcon& t : now) {
        if (DockedIcon* icon = find(t.hwnd, t.id)) {
            icon->update(t);
            continue;
        }
        icons_.push_back(Entry{t.hwnd, t.id, std::make_unique<DockedIcon>(conn_, ws_, format_, t)});
        if (manager_) icons_.back().icon->dock(manager_);
    }
}

bool SystemTray::handle(const XEvent& e) {
    if (e.type == ClientMessage && e.xclient.window == conn_.root() && e.xclient.message_type == conn_.atoms().manager &&
        Atom(e.xclient.data.l[1]) == conn_.atoms().systemTraySelection) {
        findManager();
        return true;
    }
    if (e.type == DestroyNotify && manager_ && e.xdestroywindow.window == manager_) {
        manager_ = 0;
        findManager();  // another tray may have taken over already
        return true;
    }
    for (Entry& entry : icons_) {
        if (!entry.icon->handle(e)) continue;
        if (entry.icon->lost()) {
            // A new window for the icon, for the next tray to take.
            if (auto icon = ws_.notificationArea().icon(entry.hwnd, entry.id)) {
                entry.icon = std::make_unique<DockedIcon>(conn_, ws_, format_, *icon);
                if (manager_) entry.icon->dock(manager_);
            }
        }
        return true;
    }
    return false;
}

}  // namespace qv::present::x11
