#pragma once
// What the window manager reads off a window: its title, icon, decorations, band, kind,
// size limits and the protocols it speaks.
#include <string>

#include "platform/gfx/geometry.h"
#include "platform/gfx/picture.h"
#include "platform/present/x11/connection.h"
#include "platform/present/x11/xlib.h"

namespace qv::present::x11 {

// The title from the program's Windows-1252 text: _NET_WM_NAME in UTF-8, WM_NAME in Latin-1.
void setTitle(const Connection& conn, Window w, const std::string& cp1252);
// The icon as _NET_WM_ICON (ARGB, the mask as alpha); nullptr removes it.
void setIcon(const Connection& conn, Window w, const gfx::Picture* icon);
// Whether the window manager frames the window (_MOTIF_WM_HINTS).
void setDecorated(const Connection& conn, Window w, bool decorated);
// Before the window is mapped: its states and kind as properties.
void setInitialState(const Connection& conn, Window w, bool above, bool skipTaskbar, Atom type);
// A mapped window changes band through the window manager.
void requestAbove(const Connection& conn, Window w, bool above);
// The place is the client area's own (static gravity, so a frame goes round it); a window
// that cannot be resized keeps its size.
void setSizeHints(const Connection& conn, Window w, const gfx::Rect& at, bool resizable);
// WM_DELETE_WINDOW, the process id and the class, once at creation.
void setProtocols(const Connection& conn, Window w);
// Asks the window manager to activate the window; without one, raises and focuses it.
void requestActivation(const Connection& conn, Window w);

}  // namespace qv::present::x11
