#pragma once
// What a key press types, through the display's input method: the text in Windows-1252 and the
// key's unshifted keysym. Without an input method, the keyboard map's Latin-1 text.
#include <map>
#include <string>

#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

struct TypedKey {
    unsigned long keysym = 0;  // unshifted, for the virtual-key code
    std::string text;          // Windows-1252; empty when the key types nothing
};

class TextInput {
public:
    explicit TextInput(::Display* dpy);
    ~TextInput();
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;

    // An input context for a window (events the input method needs are added to `mask`).
    void attach(Window w, long& mask);
    void detach(Window w);
    void focus(Window w, bool in);
    // True when the input method took the event for itself (composing).
    bool filter(XEvent& e);
    TypedKey lookup(XKeyEvent& e);

private:
    ::Display* dpy_;
    XIM im_ = nullptr;
    std::map<Window, XIC> contexts_;
};

}  // namespace qv::present::x11
