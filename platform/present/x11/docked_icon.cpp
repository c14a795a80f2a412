#include "platform/present/x11/docked_icon.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/base/clock.h"
#include "platform/gfx/picture.h"
#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/present/x11/client_message.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {
namespace {

constexpr long kRequestDock = 0;       // SYSTEM_TRAY_REQUEST_DOCK
constexpr long kEmbeddedNotify = 0;    // XEMBED_EMBEDDED_NOTIFY
constexpr long kXembedMapped = 1;      // XEMBED_MAPPED
constexpr long kXembedVersion = 0;
constexpr int kStartSide = 22;         // until the tray gives a size

// The picture scaled to a square of `side` pixels (nearest pixel): colours and the mask's
// opaque pixels, row by row.
struct Scaled {
    gfx::Canvas colour;
    std::vector<bool> opaque;
};

Scaled scale(const gfx::Picture& pic, int side) {
    Scaled s{gfx::Canvas(side, side), std::vector<bool>(std::size_t(side) * std::size_t(side))};
    const gfx::Canvas* mask = pic.mask();
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int sx = x * pic.width() / side, sy = y * pic.height() / side;
            s.colour.setPixel(x, y, pic.image().pixel(sx, sy));
            s.opaque[std::size_t(y) * std::size_t(side) + std::size_t(x)] =
                !mask || mask->pixel(sx, sy) != gfx::rgb(255, 255, 255);
        }
    }
    return s;
}

}  // namespace

DockedIcon::DockedIcon(Connection& conn, gui::WindowSystem& ws, const PixelFormat& format, const gui::TrayIcon& icon)
    : conn_(conn), ws_(ws), format_(format), icon_(icon), width_(kStartSide), height_(kStartSide), tip_(conn, format) {
    ::Display* dpy = conn_.display();
    XSetWindowAttributes attrs{};
    attrs.background_pixmap = ParentRelative;  // the tray shows through where the icon is clear
    attrs.event_mask = ExposureMask | StructureNotifyMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                       EnterWindowMask | LeaveWindowMask;
    xid_ = XCreateWindow(dpy, conn_.root(), 0, 0, unsigned(width_), unsigned(height_), 0, conn_.depth(), InputOutput,
                         conn_.visual(), CWBackPixmap | CWEventMask, &attrs);
    gc_ = XCreateGC(dpy, xid_, 0, nullptr);
    const long info[] = {kXembedVersion, kXembedMapped};
    XChangeProperty(dpy, xid_, conn_.atoms().xembedInfo, conn_.atoms().xembedInfo, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(info), 2);
    XSizeHints hints{};
    hints.flags = PMinSize;
    hints.min_width = hints.min_height = 16;
    XSetWMNormalHints(dpy, xid_, &hints);
}

DockedIcon::~DockedIcon() {
    if (tipTimer_) ws_.killTimer(0, tipTimer_);
    XFreeGC(conn_.display(), gc_);
    // The tray sees the window go and drops the icon.
    if (!lost_) XDestroyWindow(conn_.display(), xid_);
}

void DockedIcon::dock(Window manager) {
    sendClientMessage(conn_.display(), manager, manager, conn_.atoms().systemTrayOpcode,
                      {CurrentTime, kRequestDock, long(xid_)}, NoEventMask);
}

void DockedIcon::update(const gui::TrayIcon& icon) {
    const bool picture = icon.icon != icon_.icon;
    icon_ = icon;
    if (picture) draw();
}

void DockedIcon::draw() {
    ::Display* dpy = conn_.display();
    XClearWindow(dpy, xid_);
    gfx::PicturePtr pic = gfx::findPicture(std::uint32_t(icon_.icon));
    if (!pic || pic->width() <= 0 || pic->height() <= 0) return;
    const int side = std::max(1, std::min(width_, height_));
    const Scaled s = scale(*pic, side);
    XImage* image = XCreateImage(dpy, conn_.visual(), unsigned(conn_.depth()), ZPixmap, 0, nullptr, unsigned(side),
                                 unsigned(side), 32, 0);
    if (!image) return;
    image->data = static_cast<char*>(std::calloc(std::size_t(image->bytes_per_line), std::size_t(side)));
    image->byte_order = (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__) ? LSBFirst : MSBFirst;
    format_.copy(s.colour, gfx::Rect{0, 0, side, side}, {0, 0}, reinterpret_cast<std::uint8_t*>(image->data),
                 image->bytes_per_line);
    // The mask as a bitmap, least significant bit first, rows padded to bytes.
    const int rowBytes = (side + 7) / 8;
    std::vector<char> bits(std::size_t(rowBytes) * std::size_t(side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (s.opaque[std::size_t(y) * std::size_t(side) + std::size_t(x)])
                bits[std::size_t(y) * std::size_t(rowBytes) + std::size_t(x / 8)] |= char(1 << (x % 8));
    const Pixmap mask = XCreateBitmapFromData(dpy, xid_, bits.data(), unsigned(side), unsigned(side));
    const int left = (width_ - side) / 2, top = (height_ - side) / 2;
    XSetClipMask(dpy, gc_, mask);
    XSetClipOrigin(dpy, gc_, left, top);
    XPutImage(dpy, xid_, gc_, image, 0, 0, left, top, unsigned(side), unsigned(side));
    XSetClipMask(dpy, gc_, kNone);
    XFreePixmap(dpy, mask);
    XDestroyImage(image);
}

void DockedIcon::pointer(gui::MessageId msg) { ws_.notificationArea().pointerEvent(icon_.hwnd, icon_.id, msg); }

void DockedIcon::press(unsigned button, int x, int y) {
    // Only the left and right buttons reach the program, as the shell reports them.
    const bool left = button == Button1;
    if (!left && button != Button3) return;
    const std::int64_t now = base::clock().tickMs();
    const bool isDouble = last_.button == button && !last_.wasDouble &&
                          now - last_.tick <= gui::WindowSystem::kDoubleClickMs &&
                          std::abs(x - last_.x) <= gui::WindowSystem::kDoubleClickBox &&
                          std::abs(y - last_.y) <= gui::WindowSystem::kDoubleClickBox;
    last_ = LastPress{button, now, x, y, isDouble};
    if (isDouble) {
        pointer(left ? gui::WM_LBUTTONDBLCLK : gui::WM_RBUTTONDBLCLK);
    } else {
        pointer(left ? gui::WM_LBUTTONDOWN : gui::WM_RBUTTONDOWN);
    }
}

void DockedIcon::showTip() {
    tipTimer_ = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned mask = 0;
    Window rootReturn = 0, child = 0;
    XQueryPointer(conn_.display(), xid_, &rootReturn, &child, &x, &y, &wx, &wy, &mask);
    tip_.show(icon_.tip, {x, y});
}

bool DockedIcon::handle(const XEvent& e) {
    if (tip_.handle(e)) return true;
    if (e.xany.window != xid_) return false;
    switch (e.type) {
        case Expose:
            if (e.xexpose.count == 0) draw();
            break;
        case ConfigureNotify:
            if (e.xconfigure.width != width_ || e.xconfigure.height != height_) {
                width_ = e.xconfigure.width;
                height_ = e.xconfigure.height;
                draw();
            }
            break;
        case ReparentNotify:
            docked_ = e.xreparent.parent != conn_.root();
            // Handed back by a tray that went away: out of sight until the next tray takes it.
            if (!docked_) XUnmapWindow(conn_.display(), xid_);
            break;
        case DestroyNotify:
            lost_ = true;
            docked_ = false;
            break;
        case ClientMessage:
            if (e.xclient.message_type == conn_.atoms().xembed && e.xclient.data.l[1] == kEmbeddedNotify)
                docked_ = true;
            break;
        case MotionNotify:
            pointer(gui::WM_MOUSEMOVE);
            break;
        case EnterNotify:
            if (!tipTimer_ && !tip_.shown()) {
                tipTimer_ = ws_.setTimer(0, 0, gui::kTooltipInitialMs,
                                         [this](gui::HWnd, std::uintptr_t id, std::int64_t) {
                                             ws_.killTimer(0, id);
                                             showTip();
                                         });
            }
            break;
        case LeaveNotify:
            if (tipTimer_) ws_.killTimer(0, tipTimer_);
            tipTimer_ = 0;
            tip_.hide();
            break;
        case ButtonPress:
            if (tipTimer_) ws_.killTimer(0, tipTimer_);
            tipTimer_ = 0;
            tip_.hide();
            press(e.xbutton.button, e.xbutton.x_root, e.xbutton.y_root);
            break;
        case ButtonRelease:
            if (e.xbutton.button == Button1) pointer(gui::WM_LBUTTONUP);
            if (e.xbutton.button == Button3) pointer(gui::WM_RBUTTONUP);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace qv::present::x11
