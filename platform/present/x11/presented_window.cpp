#include "platform/present/x11/presented_window.h"

#include <algorithm>

#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_observer.h"
#include "platform/present/x11/shape.h"
#include "platform/present/x11/window_properties.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {
namespace {

constexpr long kEventMask = ExposureMask | StructureNotifyMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                            ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask |
                            FocusChangeMask;

// An X window cannot be empty; a window of no size stays unmapped.
unsigned side(std::int64_t v) { return unsigned(std::max<std::int64_t>(1, v)); }

}  // namespace

PresentedWindow::Kind PresentedWindow::kindOf(const gui::WindowSystem& ws, gui::HWnd top) {
    // Tooltips and balloons are never activated, whatever their styles say.
    if ((ws.exStyle(top) & gui::WS_EX_NOACTIVATE) || ws.className(top) == gui::kTooltipClass) return Kind::Popup;
    if ((ws.style(top) & gui::WS_CAPTION) == gui::WS_CAPTION) return Kind::Framed;
    return Kind::Borderless;
}

PresentedWindow::PresentedWindow(Connection& conn, gui::WindowSystem& ws, gui::HWnd top, const PixelFormat& format,
                                 TextInput& text, const gfx::Picture* icon)
    : conn_(conn), ws_(ws), top_(top), text_(text), kind_(kindOf(ws, top)), image_(conn, format) {
    ::Display* dpy = conn_.display();
    shown_ = wantedRect();
    XSetWindowAttributes attrs{};
    attrs.background_pixmap = kNone;  // every pixel comes from the surface; nothing flashes first
    attrs.border_pixel = 0;
    attrs.override_redirect = kind_ == Kind::Popup ? True : False;
    long mask = kEventMask;
    attrs.event_mask = mask;
    xid_ = XCreateWindow(dpy, conn_.root(), shown_.left, shown_.top, side(shown_.width()), side(shown_.height()), 0,
                         conn_.depth(), InputOutput, conn_.visual(), CWBackPixmap | CWBorderPixel | CWOverrideRedirect |
                                                                          CWEventMask,
                         &attrs);
    if (kind_ != Kind::Popup) {
        text_.attach(xid_, mask);
        XSelectInput(dpy, xid_, mask);
    }
    gc_ = XCreateGC(dpy, xid_, 0, nullptr);
    XSetGraphicsExposures(dpy, gc_, False);
    setProtocols(conn_, xid_);
    setTitle(conn_, xid_, ws_.text(top_));
    setDecorated(conn_, xid_, kind_ == Kind::Framed);
    above_ = ws_.isTopmost(top_);
    writeState();
    setSizeHints(conn_, xid_, shown_, kind_ == Kind::Framed && (ws_.style(top_) & gui::WS_THICKFRAME));
    if (kind_ == Kind::Framed) setIcon(icon);
    syncShape();
    syncVisibility();
}

PresentedWindow::~PresentedWindow() {
    text_.detach(xid_);
    XFreeGC(conn_.display(), gc_);
    XDestroyWindow(conn_.display(), xid_);
}

void PresentedWindow::setIcon(const gfx::Picture* icon) { x11::setIcon(conn_, xid_, icon); }

gfx::Point PresentedWindow::offset() const {
    if (kind_ != Kind::Framed) return {0, 0};
    const gui::Insets in = ws_.frameInsets(top_);
    return {in.left, in.top};
}

gfx::Rect PresentedWindow::wantedRect() const {
    const gfx::Rect r = ws_.windowRect(top_);
    if (kind_ != Kind::Framed) return r;
    const gui::Insets in = ws_.frameInsets(top_);
    return {r.left + in.left, r.top + in.top, std::max(r.left + in.left, r.right - in.right),
            std::max(r.top + in.top, r.bottom - in.bottom)};
}

void PresentedWindow::writeState() {
    const bool tool = (ws_.exStyle(top_) & gui::WS_EX_TOOLWINDOW) != 0;
    const Atom type = kind_ == Kind::Popup ? conn_.atoms().netWmWindowTypeTooltip
                      : tool               ? conn_.atoms().netWmWindowTypeUtility
                                           : conn_.atoms().netWmWindowTypeNormal;
    // Owned windows and tool windows keep off the taskbar.
    setInitialState(conn_, xid_, above_, tool || ws_.owner(top_) != 0, type);
}

void PresentedWindow::changed(unsigned changes) {
    if (changes & gui::change::kText) setTitle(conn_, xid_, ws_.text(top_));
    if (changes & (gui::change::kMoved | gui::change::kSized)) syncGeometry();
    if (changes & gui::change::kRegion) syncShape();
    if (changes & gui::change::kZOrder) {
        const bool above = ws_.isTopmost(top_);
        if (above != above_) {
            above_ = above;
            if (wantMapped_) {
                requestAbove(conn_, xid_, above);
            } else {
                writeState();
            }
        }
    }
    if (changes & (gui::change::kShown | gui::change::kHidden | gui::change::kSized | gui::change::kStyle))
        syncVisibility();
}

void PresentedWindow::syncGeometry() {
    const gfx::Rect want = wantedRect();
    if (want == shown_) return;
    const bool sized = want.width() != shown_.width() || want.height() != shown_.height();
    shown_ = want;
    configureSerial_ = NextRequest(conn_.display());
    XMoveResizeWindow(conn_.display(), xid_, want.left, want.top, side(want.width()), side(want.height()));
    if (sized) {
        setSizeHints(conn_, xid_, want, kind_ == Kind::Framed && (ws_.style(top_) & gui::WS_THICKFRAME));
        // The region and the image follow the new size.
        syncShape();
    }
}

void PresentedWindow::syncVisibility() {
    const gfx::Rect want = wantedRect();
    const bool show = ws_.isVisible(top_) && !want.isEmpty();
    if (show == wantMapped_) return;
    wantMapped_ = show;
    if (show) {
        syncGeometry();
        XMapWindow(conn_.display(), xid_);
    } else if (kind_ == Kind::Popup) {
        XUnmapWindow(conn_.display(), xid_);
    } else {
        XWithdrawWindow(conn_.display(), xid_, conn_.screen());
    }
}

void PresentedWindow::syncShape() {
    const gui::WindowRegion* region = ws_.windowRegion(top_);
    applyShape(conn_, xid_, region, offset());
}

void PresentedWindow::damage(const gfx::Region& area) {
    syncGeometry();
    dirty_ = gfx::Region::combine(dirty_, area, gfx::CombineMode::Or);
}

bool PresentedWindow::flush() {
    if (!mapped_ || dirty_.isEmpty()) return false;
    const gfx::Canvas* surface = ws_.surface(top_);
    if (!surface) return false;
    const gfx::Region area = std::move(dirty_);
    dirty_ = gfx::Region();
    return image_.put(xid_, gc_, *surface, offset(), int(shown_.width()), int(shown_.height()), area);
}

void PresentedWindow::exposed(const XExposeEvent& e) {
    const gfx::Point o = offset();
    damage(gfx::Region::rect(e.x + o.x, e.y + o.y, e.x + o.x + e.width, e.y + o.y + e.height));
}

void PresentedWindow::mapChanged(bool mapped) {
    mapped_ = mapped;
    if (mapped) {
        const gfx::Point o = offset();
        damage(gfx::Region::rect(o.x, o.y, o.x + int(shown_.width()), o.y + int(shown_.height())));
        if (ws_.activeWindow() == top_ && kind_ != Kind::Popup) requestActivation(conn_, xid_);
    }
}

void PresentedWindow::configured(const XConfigureEvent& e) {
    // What the server did before our last move or size is already out of date.
    if (e.serial < configureSerial_ && !e.send_event) return;
    gfx::Rect at{e.x, e.y, e.x + e.width, e.y + e.height};
    if (!e.send_event && !parentIsRoot_) {
        // Inside the window manager's frame: where that puts it on the screen.
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(conn_.display(), xid_, conn_.root(), 0, 0, &x, &y, &child);
        at = {x, y, x + e.width, y + e.height};
    }
    if (at == shown_) return;
    shown_ = at;
    if (at == wantedRect()) return;
    // Moved or sized by the window manager or the person: the window system follows.
    const gfx::Point o = offset();
    const gui::Insets in = kind_ == Kind::Framed ? ws_.frameInsets(top_) : gui::Insets{};
    ws_.setWindowPos(top_, gui::HWND_TOP, at.left - o.x, at.top - o.y, int(at.width()) + in.left + in.right,
                     int(at.height()) + in.top + in.bottom, gui::SWP_NOZORDER | gui::SWP_NOACTIVATE);
}

}  // namespace qv::present::x11
