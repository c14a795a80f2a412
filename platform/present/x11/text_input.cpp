#include "platform/present/x11/text_input.h"

#include <vector>

#include "platform/base/cp1252.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

TextInput::TextInput(::Display* dpy) : dpy_(dpy) {
    // The locale's modifiers name the input method; an empty list takes the built-in one.
    XSetLocaleModifiers("");
    im_ = XOpenIM(dpy_, nullptr, nullptr, nullptr);
    if (!im_) {
        XSetLocaleModifiers("@im=none");
        im_ = XOpenIM(dpy_, nullptr, nullptr, nullptr);
    }
}

TextInput::~TextInput() {
    for (auto& [w, ic] : contexts_) XDestroyIC(ic);
    if (im_) XCloseIM(im_);
}

void TextInput::attach(Window w, long& mask) {
    if (!im_ || contexts_.count(w)) return;
    XIC ic = XCreateIC(im_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, w, XNFocusWindow,
                       w, nullptr);
    if (!ic) return;
    long wanted = 0;
    XGetICValues(ic, XNFilterEvents, &wanted, nullptr);
    mask |= wanted;
    contexts_[w] = ic;
}

void TextInput::detach(Window w) {
    auto it = contexts_.find(w);
    if (it == contexts_.end()) return;
    XDestroyIC(it->second);
    contexts_.erase(it);
}

void TextInput::focus(Window w, bool in) {
    auto it = contexts_.find(w);
    if (it == contexts_.end()) return;
    if (in) {
        XSetICFocus(it->second);
    } else {
        XUnsetICFocus(it->second);
    }
}

bool TextInput::filter(XEvent& e) { return XFilterEvent(&e, kNone) == True; }

TypedKey TextInput::lookup(XKeyEvent& e) {
    TypedKey key;
    key.keysym = XLookupKeysym(&e, 0);
    auto it = contexts_.find(e.window);
    if (it != contexts_.end() && e.type == KeyPress) {
        std::vector<char> buf(64);
        KeySym sym = 0;
        Status status = 0;
        int n = Xutf8LookupString(it->second, &e, buf.data(), int(buf.size()), &sym, &status);
        if (status == XBufferOverflow) {
            buf.resize(std::size_t(n) + 1);
            n = Xutf8LookupString(it->second, &e, buf.data(), int(buf.size()), &sym, &status);
        }
        if ((status == XLookupChars || status == XLookupBoth) && n > 0)
            key.text = base::utf8ToCp1252(std::string(buf.data(), std::size_t(n)));
        return key;
    }
    char buf[16];
    KeySym sym = 0;
    const int n = XLookupString(&e, buf, sizeof buf, &sym, nullptr);
    // Latin-1 and Windows-1252 agree from 0xA0 up and below 0x80.
    if (n > 0) key.text.assign(buf, std::size_t(n));
    return key;
}

}  // namespace qv::present::x11
