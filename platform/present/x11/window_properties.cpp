#include "platform/present/x11/window_properties.h"

#include <unistd.h>
#include <vector>

#include "platform/base/cp1252.h"
#include "platform/present/x11/client_message.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {
namespace {

void setCardinals(const Connection& conn, Window w, Atom property, Atom type, const std::vector<long>& values) {
    XChangeProperty(conn.display(), w, property, type, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values.data()), int(values.size()));
}

// A request about the window to the window manager.
void sendToRoot(const Connection& conn, Window w, Atom message, std::initializer_list<long> fields) {
    sendClientMessage(conn.display(), conn.root(), w, message, fields,
                      SubstructureRedirectMask | SubstructureNotifyMask);
}

// Windows-1252 to Latin-1: the few characters Latin-1 lacks become '?'.
std::string latin1Of(const std::string& cp1252) {
    std::string out = cp1252;
    for (char& ch : out) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) ch = '?';
    }
    return out;
}

}  // namespace

void setTitle(const Connection& conn, Window w, const std::string& cp1252) {
    const std::string utf8 = base::cp1252ToUtf8(cp1252);
    XChangeProperty(conn.display(), w, conn.atoms().netWmName, conn.atoms().utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8.data()), int(utf8.size()));
    const std::string latin1 = latin1Of(cp1252);
    XChangeProperty(conn.display(), w, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(latin1.data()), int(latin1.size()));
}

void setIcon(const Connection& conn, Window w, const gfx::Picture* icon) {
    if (!icon || icon->width() <= 0 || icon->height() <= 0) {
        XDeleteProperty(conn.display(), w, conn.atoms().netWmIcon);
        return;
    }
    const gfx::Canvas& image = icon->image();
    const gfx::Canvas* mask = icon->mask();
    std::vector<long> data{icon->width(), icon->height()};
    data.reserve(2 + std::size_t(icon->width()) * std::size_t(icon->height()));
    for (int y = 0; y < icon->height(); ++y) {
        for (int x = 0; x < icon->width(); ++x) {
            const gfx::Colour c = image.pixel(x, y);
            const bool clear = mask && mask->pixel(x, y) == gfx::rgb(255, 255, 255);
            const unsigned long argb = (clear ? 0ul : 0xFF000000ul) | (unsigned long)(gfx::redOf(c)) << 16 |
                                       (unsigned long)(gfx::greenOf(c)) << 8 | (unsigned long)(gfx::blueOf(c));
            data.push_back(long(argb));
        }
    }
    setCardinals(conn, w, conn.atoms().netWmIcon, XA_CARDINAL, data);
}

void setDecorated(const Connection& conn, Window w, bool decorated) {
    // flags: decorations given; decorations: all or none.
    const std::vector<long> hints{2, 0, decorated ? 1 : 0, 0, 0};
    setCardinals(conn, w, conn.atoms().motifWmHints, conn.atoms().motifWmHints, hints);
}

void setInitialState(const Connection& conn, Window w, bool above, bool skipTaskbar, Atom type) {
    std::vector<long> states;
    if (above) states.push_back(long(conn.atoms().netWmStateAbove));
    if (skipTaskbar) states.push_back(long(conn.atoms().netWmStateSkipTaskbar));
    setCardinals(conn, w, conn.atoms().netWmState, XA_ATOM, states);
    setCardinals(conn, w, conn.atoms().netWmWindowType, XA_ATOM, {long(type)});
}

void requestAbove(const Connection& conn, Window w, bool above) {
    constexpr long kRemove = 0, kAdd = 1;
    sendToRoot(conn, w, conn.atoms().netWmState, {above ? kAdd : kRemove, long(conn.atoms().netWmStateAbove), 0, 1});
}

void setSizeHints(const Connection& conn, Window w, const gfx::Rect& at, bool resizable) {
    XSizeHints hints{};
    hints.flags = PPosition | USPosition | PSize | PWinGravity;
    hints.x = at.left;
    hints.y = at.top;
    hints.width = int(at.width());
    hints.height = int(at.height());
    hints.win_gravity = StaticGravity;
    if (!resizable) {
        hints.flags |= PMinSize | PMaxSize;
        hints.min_width = hints.max_width = hints.width;
        hints.min_height = hints.max_height = hints.height;
    }
    XSetWMNormalHints(conn.display(), w, &hints);
}

void setProtocols(const Connection& conn, Window w) {
    Atom protocols[] = {conn.atoms().wmDeleteWindow};
    XSetWMProtocols(conn.display(), w, protocols, 1);
    setCardinals(conn, w, conn.atoms().netWmPid, XA_CARDINAL, {long(::getpid())});
    XClassHint cls{const_cast<char*>("quarvelin"), const_cast<char*>("Quarvelin")};
    XSetClassHint(conn.display(), w, &cls);
    XWMHints wm{};
    wm.flags = InputHint;
    wm.input = True;
    XSetWMHints(conn.display(), w, &wm);
}

void requestActivation(const Connection& conn, Window w) {
    if (conn.hasWindowManager()) {
        constexpr long kFromPager = 2;  // asked for by the person (another copy, a tray click)
        sendToRoot(conn, w, conn.atoms().netActiveWindow, {kFromPager, CurrentTime});
        return;
    }
    ErrorTrap trap(conn.display());
    XRaiseWindow(conn.display(), w);
    XSetInputFocus(conn.display(), w, RevertToParent, CurrentTime);
    trap.ok();
}

}  // namespace qv::present::x11
