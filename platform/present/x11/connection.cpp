
#include "platform/present/x11/connection.h"

#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

namespace {
// Errors of requests on windows that other clients own (a tray that went away, a frame the
// window manager destroyed) are counted, never fatal.
int errorCount = 0;
int countError(::Display*, XErrorEvent*) {
    ++errorCount;
    return 0;
}
}  // namespace

std::unique_ptr<Connection> Connection::open(const std::string& name) {
    ::Display* dpy = XOpenDisplay(name.empty() ? nullptr : name.c_str());
    if (!dpy) return nullptr;
    XSetErrorHandler(countError);
    std::unique_ptr<Connection> c(new Connection);
    c->dpy_ = dpy;
    c->screen_ = DefaultScreen(dpy);
    c->root_ = RootWindow(dpy, c->screen_);
    c->visual_ = DefaultVisual(dpy, c->screen_);
    c->depth_ = DefaultDepth(dpy, c->screen_);
    if (c->visual_->c_class != TrueColor) return nullptr;
    c->atoms_ = Atoms::intern(dpy, c->screen_);
    c->shm_ = XShmQueryExtension(dpy) == True;
    int shapeError = 0;
    c->shape_ = XShapeQueryExtension(dpy, &c->shapeEvent_, &shapeError) == True;
    // Pointer and tray events come by the root window's structure and property changes.
    XSelectInput(dpy, c->root_, StructureNotifyMask);
    return c;
}

Connection::~Connection() {
    if (dpy_) XCloseDisplay(dpy_);
}

bool Connection::hasWindowManager() const {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    ErrorTrap trap(dpy_);
    const bool found = XGetWindowProperty(dpy_, root_, atoms_.netSupportingWmCheck, 0, 1, False, XA_WINDOW,
                                          &type, &format, &count, &after, &data) == Success &&
                       count == 1;
    if (data) XFree(data);
    return found && trap.ok();
}

ErrorTrap::ErrorTrap(::Display* dpy) : dpy_(dpy), savedCount_(errorCount) {}

bool ErrorTrap::ok() {
    XSync(dpy_, False);
    return errorCount == savedCount_;
}

}  // namespace qv::present::x11
