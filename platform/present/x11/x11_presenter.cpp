#include "platform/present/x11/x11_presenter.h"

#include <poll.h>

#include "platform/gui/messages.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/cursors.h"
#include "platform/present/x11/input_events.h"
#include "platform/present/x11/pixel_format.h"
#include "platform/present/x11/presented_window.h"
#include "platform/present/x11/system_tray.h"
#include "platform/present/x11/text_input.h"
#include "platform/present/x11/window_properties.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

std::unique_ptr<X11Presenter> X11Presenter::open(gui::WindowSystem& ws, const std::string& display) {
    auto conn = Connection::open(display);
    if (!conn) return nullptr;
    return std::unique_ptr<X11Presenter>(new X11Presenter(ws, std::move(conn)));
}

X11Presenter::X11Presenter(gui::WindowSystem& ws, std::unique_ptr<Connection> conn)
    : ws_(ws), conn_(std::move(conn)) {
    const Visual* v = conn_->visual();
    format_ = std::make_unique<PixelFormat>(std::uint32_t(v->red_mask), std::uint32_t(v->green_mask),
                                            std::uint32_t(v->blue_mask));
    text_ = std::make_unique<TextInput>(conn_->display());
    input_ = std::make_unique<InputEvents>(conn_->display(), ws_, *text_);
    cursors_ = std::make_unique<Cursors>(conn_->display());
    tray_ = std::make_unique<SystemTray>(*conn_, ws_, *format_);
    ws_.setObserver(this);
    ws_.setScreenArea(screen());
    watch_ = ws_.watchDescriptor(conn_->fd(), POLLIN, [this](short) { readEvents(); });
    hook_ = ws_.addWaitHook([this] { return beforeSleep(); });
    // The windows and icons there already.
    for (gui::HWnd top : ws_.topLevelWindows()) present(top);
    tray_->sync();
    XFlush(conn_->display());
}

X11Presenter::~X11Presenter() {
    if (ws_.observer() == this) ws_.setObserver(nullptr);
    ws_.unwatchDescriptor(watch_);
    ws_.removeWaitHook(hook_);
    windows_.clear();
    tray_.reset();
    cursors_.reset();
    input_.reset();
    text_.reset();
    XSync(conn_->display(), False);
}

gfx::Rect X11Presenter::screen() const {
    ::Display* dpy = conn_->display();
    return {0, 0, DisplayWidth(dpy, conn_->screen()), DisplayHeight(dpy, conn_->screen())};
}

void X11Presenter::setApplicationIcon(gfx::PicturePtr icon) {
    icon_ = std::move(icon);
    for (auto& [h, w] : windows_)
        if (w->kind() == PresentedWindow::Kind::Framed) w->setIcon(icon_.get());
}

unsigned long X11Presenter::xWindowOf(gui::HWnd top) const {
    auto it = windows_.find(top);
    return it == windows_.end() ? 0 : it->second->xid();
}

bool X11Presenter::showsAllPainted(gui::HWnd top) const {
    auto it = windows_.find(top);
    return it != windows_.end() && it->second->viewable() && !it->second->hasDamage();
}

unsigned long X11Presenter::trayIconWindow(gui::HWnd hwnd, std::uint32_t id) const {
    return tray_->iconWindow(hwnd, id);
}

PresentedWindow* X11Presenter::byXid(unsigned long xid) const {
    for (const auto& [h, w] : windows_)
        if (w->xid() == xid) return w.get();
    return nullptr;
}

void X11Presenter::present(gui::HWnd top) {
    if (!ws_.isWindow(top) || ws_.parent(top) != 0) return;
    auto w = std::make_unique<PresentedWindow>(*conn_, ws_, top, *format_, *text_, icon_.get());
    if (cursor_) XDefineCursor(conn_->display(), w->xid(), cursors_->of(cursor_));
    // An owned window (a dialog, an alert of the main window) stays with its owner.
    auto owner = windows_.find(ws_.owner(top));
    if (owner != windows_.end()) XSetTransientForHint(conn_->display(), w->xid(), owner->second->xid());
    windows_[top] = std::move(w);
}

void X11Presenter::topLevelChanged(gui::HWnd top, unsigned changes) {
    if (changes & gui::change::kDestroyed) {
        windows_.erase(top);
        return;
    }
    auto it = windows_.find(top);
    if (it == windows_.end() || ((changes & gui::change::kStyle) &&
                                 PresentedWindow::kindOf(ws_, top) != it->second->kind())) {
        // New, or shown another way now: a fresh X window.
        windows_.erase(top);
        present(top);
        it = windows_.find(top);
        if (it == windows_.end()) return;
    } else {
        it->second->changed(changes);
    }
    if (changes & gui::change::kZOrder) restack();
    if ((changes & gui::change::kActivated) && !followingFocus_ && ws_.activeWindow() == top &&
        it->second->kind() != PresentedWindow::Kind::Popup && it->second->viewable()) {
        requestActivation(*conn_, it->second->xid());
        // Without a window manager the raise put it above the topmost band as well.
        if (!conn_->hasWindowManager()) restack();
    }
}

void X11Presenter::restack() {
    // Top first, as the window system keeps them; the window manager keeps its frames in step.
    std::vector<Window> order;
    for (gui::HWnd h : ws_.topLevelWindows()) {
        auto it = windows_.find(h);
        if (it != windows_.end() && it->second->viewable()) order.push_back(it->second->xid());
    }
    if (order.size() > 1) XRestackWindows(conn_->display(), order.data(), int(order.size()));
}

void X11Presenter::surfaceChanged(gui::HWnd top, const gfx::Region& area) {
    auto it = windows_.find(top);
    if (it != windows_.end()) it->second->damage(area);
}

void X11Presenter::notificationAreaChanged() { tray_->sync(); }

void X11Presenter::cursorChanged(int cursor) {
    cursor_ = cursor;
    const Cursor c = cursors_->of(cursor);
    for (auto& [h, w] : windows_) XDefineCursor(conn_->display(), w->xid(), c);
}

void X11Presenter::captureChanged(gui::HWnd capture) {
    grabFor_ = ws_.topLevelOf(capture);
    if (capture == 0) {
        XUngrabPointer(conn_->display(), CurrentTime);
        return;
    }
    grabPointer();
}

void X11Presenter::grabPointer() {
    auto it = windows_.find(grabFor_);
    // A window just shown is grabbed for once it is on screen (a popup menu takes the capture
    // as it opens).
    if (it == windows_.end() || !it->second->viewable()) return;
    // The capturing window hears the pointer wherever it goes, over other programs too.
    XGrabPointer(conn_->display(), it->second->xid(), False, ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                 GrabModeAsync, GrabModeAsync, kNone, cursors_->of(cursor_ ? cursor_ : gui::IDC_ARROW), CurrentTime);
}

void X11Presenter::sync() {
    beforeSleep();
    XSync(conn_->display(), False);
    readEvents();
}

bool X11Presenter::beforeSleep() {
    bool shm = false;
    for (auto& [h, w] : windows_) shm = w->flush() || shm;
    // Shared memory is read by the server later; it must be done before the next paint writes.
    if (shm) {
        XSync(conn_->display(), False);
    } else {
        XFlush(conn_->display());
    }
    if (XEventsQueued(conn_->display(), QueuedAlready) == 0) return false;
    readEvents();
    return true;
}

void X11Presenter::readEvents() {
    ::Display* dpy = conn_->display();
    XEventsQueued(dpy, QueuedAfterReading);
    while (XEventsQueued(dpy, QueuedAlready) > 0) {
        XEvent e;
        XNextEvent(dpy, &e);
        if (text_->filter(e)) continue;
        // The window system picks the target of input as it comes in, and a press or a key
        // may move the capture or the focus: what follows waits until this has been handled
        // (the loop comes back for it before it sleeps).
        if (dispatch(e)) break;
    }
}

bool X11Presenter::dispatch(XEvent& e) {
    if (e.type == MappingNotify) {
        // The keyboard's layout changed: keys are looked up in the new one from now on.
        XRefreshKeyboardMapping(&e.xmapping);
        return false;
    }
    if (tray_->handle(e)) return e.type == ButtonPress || e.type == ButtonRelease;
    PresentedWindow* w = byXid(e.xany.window);
    if (!w) return false;
    const gui::HWnd top = w->hwnd();
    switch (e.type) {
        case Expose: w->exposed(e.xexpose); return false;
        case ConfigureNotify: w->configured(e.xconfigure); return false;
        case MapNotify:
            w->mapChanged(true);
            if (top == grabFor_) grabPointer();
            return false;
        case UnmapNotify: w->mapChanged(false); return false;
        case ReparentNotify: w->reparented(e.xreparent.parent); return false;
        case ClientMessage:
            if (e.xclient.message_type == conn_->atoms().wmProtocols &&
                Atom(e.xclient.data.l[0]) == conn_->atoms().wmDeleteWindow)
                ws_.postMessage(top, gui::WM_CLOSE);
            return false;
        case FocusIn:
        case FocusOut: {
            if (e.xfocus.mode == NotifyGrab || e.xfocus.mode == NotifyUngrab || e.xfocus.detail == NotifyPointer ||
                e.xfocus.detail == NotifyInferior)
                return false;
            const bool in = e.type == FocusIn;
            text_->focus(w->xid(), in);
            if (in && ws_.activeWindow() != top && w->kind() != PresentedWindow::Kind::Popup) {
                followingFocus_ = true;
                ws_.setForegroundWindow(top);
                followingFocus_ = false;
            }
            return true;
        }
        default: return input_->handle(e) && e.type != MotionNotify;
    }
}

}  // namespace qv::present::x11
