#include "platform/present/x11/window_image.h"

#include <cstdlib>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace qv::present::x11 {

WindowImage::WindowImage(Connection& conn, const PixelFormat& format) : conn_(conn), format_(format) {}

WindowImage::~WindowImage() { release(); }

void WindowImage::release() {
    if (!image_) return;
    ::Display* dpy = conn_.display();
    if (usingShm_) {
        XShmDetach(dpy, &shm_);
        XSync(dpy, False);
        shmdt(shm_.shmaddr);
        image_->data = nullptr;
    }
    XDestroyImage(image_);
    image_ = nullptr;
    usingShm_ = false;
}

bool WindowImage::attachShm(int width, int height) {
    ::Display* dpy = conn_.display();
    XImage* img = XShmCreateImage(dpy, conn_.visual(), unsigned(conn_.depth()), ZPixmap, nullptr, &shm_,
                                  unsigned(width), unsigned(height));
    if (!img) return false;
    if (img->bits_per_pixel != 32) {
        XDestroyImage(img);
        return false;
    }
    shm_.shmid = shmget(IPC_PRIVATE, std::size_t(img->bytes_per_line) * std::size_t(height), IPC_CREAT | 0600);
    if (shm_.shmid < 0) {
        XDestroyImage(img);
        return false;
    }
    shm_.shmaddr = img->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
    shm_.readOnly = False;
    ErrorTrap trap(dpy);
    const bool attached = shm_.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(dpy, &shm_) && trap.ok();
    // Marked for removal at once: it goes when both sides have detached, even after a crash.
    shmctl(shm_.shmid, IPC_RMID, nullptr);
    if (!attached) {
        if (shm_.shmaddr != reinterpret_cast<char*>(-1)) shmdt(shm_.shmaddr);
        img->data = nullptr;
        XDestroyImage(img);
        return false;
    }
    image_ = img;
    usingShm_ = true;
    return true;
}

bool WindowImage::ensure(int width, int height) {
    if (image_ && width == width_ && height == height_) return true;
    release();
    width_ = width;
    height_ = height;
    if (width <= 0 || height <= 0) return false;
    if (conn_.hasShm() && !shmFailed_) {
        if (attachShm(width, height)) return true;
        shmFailed_ = true;  // a remote display: plain images from now on
    }
    ::Display* dpy = conn_.display();
    XImage* img = XCreateImage(dpy, conn_.visual(), unsigned(conn_.depth()), ZPixmap, 0, nullptr, unsigned(width),
                               unsigned(height), 32, 0);
    if (!img) return false;
    if (img->bits_per_pixel != 32) {
        XDestroyImage(img);
        return false;
    }
    img->data = static_cast<char*>(std::calloc(std::size_t(img->bytes_per_line), std::size_t(height)));
    // Words are written in this machine's order; Xlib swaps them for a server that differs.
    img->byte_order = (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__) ? LSBFirst : MSBFirst;
    image_ = img;
    return image_->data != nullptr;
}

bool WindowImage::put(Window window, GC gc, const gfx::Canvas& surface, gfx::Point origin, int width, int height,
                      const gfx::Region& area) {
    if (!ensure(width, height)) return false;
    ::Display* dpy = conn_.display();
    const gfx::Rect shown{origin.x, origin.y, origin.x + width, origin.y + height};
    auto* data = reinterpret_cast<std::uint8_t*>(image_->data);
    for (const gfx::Rect& r : area.rects()) {
        const gfx::Rect part = gfx::intersect(r, shown);
        if (part.isEmpty()) continue;
        format_.copy(surface, part, origin, data, image_->bytes_per_line);
        const int sx = part.left - origin.x, sy = part.top - origin.y;
        const auto w = unsigned(part.right - part.left), h = unsigned(part.bottom - part.top);
        if (usingShm_) {
            XShmPutImage(dpy, window, gc, image_, sx, sy, sx, sy, w, h, False);
        } else {
            XPutImage(dpy, window, gc, image_, sx, sy, sx, sy, w, h);
        }
    }
    return usingShm_;
}

}  // namespace qv::present::x11
