#pragma once
// Xlib and the extensions the presenter uses, in one place. Xlib defines macros whose names
// the program's own types use (PictureType::None, RegionKind::Complex); they are taken back
// here, so the program's headers and these mix in any order. kNone stands for Xlib's None.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>

inline constexpr long kNone = None;
#undef None
#undef Complex
