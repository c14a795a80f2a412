#include "platform/present/x11/cursors.h"

#include "platform/gui/messages.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

Cursors::~Cursors() {
    for (auto& [glyph, cursor] : made_) XFreeCursor(dpy_, cursor);
}

Cursor Cursors::of(int idc) {
    unsigned glyph = XC_left_ptr;
    switch (idc) {
        case gui::IDC_HAND: glyph = XC_hand2; break;
        case gui::IDC_IBEAM: glyph = XC_xterm; break;
        case gui::IDC_WAIT: glyph = XC_watch; break;
        case gui::IDC_CROSS: glyph = XC_crosshair; break;
        case gui::IDC_SIZEALL: glyph = XC_fleur; break;
        default: break;
    }
    auto it = made_.find(glyph);
    if (it != made_.end()) return it->second;
    const Cursor c = XCreateFontCursor(dpy_, glyph);
    made_[glyph] = c;
    return c;
}

}  // namespace qv::present::x11
