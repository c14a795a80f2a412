#include "tests/platform/present/x11/test_display.h"

#include <X11/extensions/XTest.h>

#include <chrono>
#include <thread>

#include "platform/present/x11/client_message.h"
#include "platform/present/x11/pixel_format.h"

namespace qv::present::x11::testing {

TestDisplay::TestDisplay() {
    // A server that resets when its last client leaves (the previous test's) refuses
    // connections while it does; it takes them again a moment later.
    for (int attempt = 0; attempt < 20 && !dpy_; ++attempt) {
        dpy_ = XOpenDisplay(nullptr);
        if (!dpy_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (dpy_) root_ = DefaultRootWindow(dpy_);
}

TestDisplay::~TestDisplay() {
    if (dpy_) XCloseDisplay(dpy_);
}

std::string TestDisplay::utf8Property(Window w, const char* name) const {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string out;
    if (XGetWindowProperty(dpy_, w, XInternAtom(dpy_, name, False), 0, 1024, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 8)
        out.assign(reinterpret_cast<char*>(data), count);
    if (data) XFree(data);
    return out;
}

std::vector<long> TestDisplay::longsProperty(Window w, const char* name) const {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> out;
    if (XGetWindowProperty(dpy_, w, XInternAtom(dpy_, name, False), 0, 1 << 20, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data && format == 32)
        out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
    if (data) XFree(data);
    return out;
}

Window TestDisplay::findByTitle(const std::string& utf8) const {
    Window rootReturn = 0, parent = 0, *kids = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (!XQueryTree(dpy_, root_, &rootReturn, &parent, &kids, &n)) return 0;
    for (unsigned i = 0; i < n && !found; ++i)
        if (utf8Property(kids[i], "_NET_WM_NAME") == utf8) found = kids[i];
    if (kids) XFree(kids);
    return found;
}

std::vector<Window> TestDisplay::shownOverrides() const {
    Window rootReturn = 0, parent = 0, *kids = nullptr;
    unsigned n = 0;
    std::vector<Window> out;
    if (!XQueryTree(dpy_, root_, &rootReturn, &parent, &kids, &n)) return out;
    for (unsigned i = 0; i < n; ++i)
        if (viewable(kids[i]) && overrideRedirect(kids[i])) out.push_back(kids[i]);
    if (kids) XFree(kids);
    return out;
}

bool TestDisplay::overrideRedirect(Window w) const {
    XWindowAttributes a{};
    XGetWindowAttributes(dpy_, w, &a);
    return a.override_redirect == True;
}

bool TestDisplay::viewable(Window w) const {
    XWindowAttributes a{};
    return XGetWindowAttributes(dpy_, w, &a) && a.map_state == IsViewable;
}

gfx::Rect TestDisplay::rectOf(Window w) const {
    XWindowAttributes a{};
    XGetWindowAttributes(dpy_, w, &a);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(dpy_, w, root_, 0, 0, &x, &y, &child);
    return {x, y, x + a.width, y + a.height};
}

Window TestDisplay::parentOf(Window w) const {
    Window rootReturn = 0, parent = 0, *kids = nullptr;
    unsigned n = 0;
    if (!XQueryTree(dpy_, w, &rootReturn, &parent, &kids, &n)) return 0;
    if (kids) XFree(kids);
    return parent;
}

gfx::Canvas TestDisplay::screenshot(const gfx::Rect& r) const {
    XSync(dpy_, False);
    XImage* img = XGetImage(dpy_, root_, r.left, r.top, unsigned(r.width()), unsigned(r.height()), AllPlanes, ZPixmap);
    gfx::Canvas out(int(r.width()), int(r.height()));
    if (!img) return out;
    Visual* v = DefaultVisual(dpy_, DefaultScreen(dpy_));
    const PixelFormat format(std::uint32_t(v->red_mask), std::uint32_t(v->green_mask), std::uint32_t(v->blue_mask));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, format.colour(std::uint32_t(XGetPixel(img, x, y))));
    XDestroyImage(img);
    return out;
}

std::vector<gfx::Rect> TestDisplay::shapeRects(Window w, int kind) const {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(dpy_, w, kind, &count, &ordering);
    std::vector<gfx::Rect> out;
    for (int i = 0; i < count; ++i)
        out.push_back({rects[i].x, rects[i].y, rects[i].x + rects[i].width, rects[i].y + rects[i].height});
    if (rects) XFree(rects);
    return out;
}

void TestDisplay::moveTo(int x, int y) const {
    XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), x, y, CurrentTime);
    XFlush(dpy_);
}

void TestDisplay::button(unsigned b, bool down) const {
    XTestFakeButtonEvent(dpy_, b, down ? True : False, CurrentTime);
    XFlush(dpy_);
}

void TestDisplay::click(int x, int y, unsigned b) const {
    moveTo(x, y);
    button(b, true);
    button(b, false);
}

void TestDisplay::key(unsigned long keysym, bool down) const {
    XTestFakeKeyEvent(dpy_, XKeysymToKeycode(dpy_, keysym), down ? True : False, CurrentTime);
    XFlush(dpy_);
}

void TestDisplay::sendDeleteWindow(Window w) const {
    sendClientMessage(dpy_, w, w, XInternAtom(dpy_, "WM_PROTOCOLS", False),
                      {long(XInternAtom(dpy_, "WM_DELETE_WINDOW", False)), CurrentTime}, NoEventMask);
    XFlush(dpy_);
}

}  // namespace qv::present::x11::testing
