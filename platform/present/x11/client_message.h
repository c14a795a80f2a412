#pragma once
// A client message of 32-bit fields: how window managers, trays and embedded icons are asked
// and told things.
#include <initializer_list>

#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

// Sends the message about `about` to the window `to`, for the clients that select `mask` on it
// (NoEventMask: its owner).
void sendClientMessage(::Display* dpy, Window to, Window about, Atom type, std::initializer_list<long> fields,
                       long mask);

}  // namespace qv::present::x11
