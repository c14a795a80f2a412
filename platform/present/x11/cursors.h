#pragma once
// The pointer shapes the program asks for (IDC_ values), made once from the cursor font.
#include <map>

#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

class Cursors {
public:
    explicit Cursors(::Display* dpy) : dpy_(dpy) {}
    ~Cursors();
    Cursors(const Cursors&) = delete;
    Cursors& operator=(const Cursors&) = delete;

    // The cursor of an IDC_ value; unknown values give the arrow.
    Cursor of(int idc);

private:
    ::Display* dpy_;
    std::map<unsigned, Cursor> made_;  // by cursor-font glyph
};

}  // namespace qv::present::x11
