#pragma once
// The pixels on their way from a window's surface to its X window: an image the size of what
// the X window shows, in shared memory where MIT-SHM works, filled and sent only where the
// surface changed.
#include "platform/gfx/canvas.h"
#include "platform/gfx/region.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/pixel_format.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class WindowImage {
public:
    WindowImage(Connection& conn, const PixelFormat& format);
    ~WindowImage();
    WindowImage(const WindowImage&) = delete;
    WindowImage& operator=(const WindowImage&) = delete;

    // Copies `area` (surface coordinates) of the surface to the window, whose (0, 0) shows the
    // surface's `origin`; the window is width by height. Returns whether shared memory was used.
    bool put(Window window, GC gc, const gfx::Canvas& surface, gfx::Point origin, int width, int height,
             const gfx::Region& area);

private:
    bool ensure(int width, int height);
    bool attachShm(int width, int height);
    void release();

    Connection& conn_;
    const PixelFormat& format_;
    XImage* image_ = nullptr;
    XShmSegmentInfo shm_{};
    bool usingShm_ = false;
    bool shmFailed_ = false;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace qv::present::x11
