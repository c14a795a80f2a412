#pragma once
// One connection to an X display: the display, its default screen and root, the visual the
// presenter draws with, the atoms it names, and whether MIT-SHM and XShape are there.
#include <memory>
#include <string>

#include "platform/present/x11/atoms.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class Connection {
public:
    // The display named (empty: the one DISPLAY names); nullptr when it cannot be opened or
    // its default visual is not true colour.
    static std::unique_ptr<Connection> open(const std::string& name = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    ::Display* display() const { return dpy_; }
    int screen() const { return screen_; }
    Window root() const { return root_; }
    Visual* visual() const { return visual_; }
    int depth() const { return depth_; }
    int fd() const { return ConnectionNumber(dpy_); }
    const Atoms& atoms() const { return atoms_; }
    bool hasShm() const { return shm_; }
    bool hasShape() const { return shape_; }
    int shapeEventBase() const { return shapeEvent_; }
    // Whether a window manager runs (one that names itself on the root window).
    bool hasWindowManager() const;

private:
    Connection() = default;
    ::Display* dpy_ = nullptr;
    int screen_ = 0;
    Window root_ = 0;
    Visual* visual_ = nullptr;
    int depth_ = 0;
    Atoms atoms_;
    bool shm_ = false;
    bool shape_ = false;
    int shapeEvent_ = 0;
};

// X errors never end the program (a connection counts and drops them); an ErrorTrap tells
// whether the requests made since it was made failed: ok() waits for the server's answers.
class ErrorTrap {
public:
    explicit ErrorTrap(::Display* dpy);
    bool ok();

private:
    ::Display* dpy_;
    int savedCount_;
};

}  // namespace qv::present::x11
