#include "platform/present/x11/tray_tip.h"

#include <algorithm>
#include <cstdlib>

#include "platform/present/tooltip_render.h"

namespace qv::present::x11 {

TrayTip::~TrayTip() {
    hide();
    if (!xid_) return;
    XFreeGC(conn_.display(), gc_);
    XDestroyWindow(conn_.display(), xid_);
}

void TrayTip::show(const std::string& cp1252, gfx::Point pointer) {
    hide();
    if (cp1252.empty()) return;
    TipLook look;
    look.text = cp1252;
    const gfx::Canvas pixels = renderTip(look);
    const int w = pixels.width(), h = pixels.height();
    if (w <= 0 || h <= 0) return;
    ::Display* dpy = conn_.display();
    const int screenW = DisplayWidth(dpy, conn_.screen()), screenH = DisplayHeight(dpy, conn_.screen());
    // Below the pointer, or above it when the tray sits at the bottom of the screen.
    int x = std::clamp(pointer.x, 0, std::max(0, screenW - w));
    int y = pointer.y + 20;
    if (y + h > screenH) y = std::max(0, pointer.y - h - 4);
    if (!xid_) {
        XSetWindowAttributes attrs{};
        attrs.override_redirect = True;
        attrs.background_pixmap = kNone;
        attrs.event_mask = ExposureMask;
        xid_ = XCreateWindow(dpy, conn_.root(), x, y, unsigned(w), unsigned(h), 0, conn_.depth(), InputOutput,
                             conn_.visual(), CWOverrideRedirect | CWBackPixmap | CWEventMask, &attrs);
        gc_ = XCreateGC(dpy, xid_, 0, nullptr);
    } else {
        XMoveResizeWindow(dpy, xid_, x, y, unsigned(w), unsigned(h));
    }
    image_ = XCreateImage(dpy, conn_.visual(), unsigned(conn_.depth()), ZPixmap, 0, nullptr, unsigned(w), unsigned(h),
                          32, 0);
    if (!image_) return;
    image_->data = static_cast<char*>(std::calloc(std::size_t(image_->bytes_per_line), std::size_t(h)));
    image_->byte_order = (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__) ? LSBFirst : MSBFirst;
    format_.copy(pixels, gfx::Rect{0, 0, w, h}, {0, 0}, reinterpret_cast<std::uint8_t*>(image_->data),
                 image_->bytes_per_line);
    XMapRaised(dpy, xid_);
    shown_ = true;
}

void TrayTip::hide() {
    if (image_) {
        XDestroyImage(image_);
        image_ = nullptr;
    }
    if (shown_) XUnmapWindow(conn_.display(), xid_);
    shown_ = false;
}

void TrayTip::draw() {
    if (!image_) return;
    XPutImage(conn_.display(), xid_, gc_, image_, 0, 0, 0, 0, unsigned(image_->width), unsigned(image_->height));
}

bool TrayTip::handle(const XEvent& e) {
    if (!xid_ || e.xany.window != xid_) return false;
    if (e.type == Expose && e.xexpose.count == 0) draw();
    return true;
}

}  // namespace qv::present::x11
