#pragma once
// How each kind of control is drawn. A painter draws one control from its public state into
// its rectangle on the canvas; the device context is clipped to what of the control shows.
// Painters are found by the control's kind; a kind without one is drawn as a labelled
// placeholder, so a new control is visible in a picture before it has its own look.
#include <functional>
#include <string>
#include <string_view>

#include "platform/forms/control.h"
#include "platform/gfx/device_context.h"

namespace qv::present {

struct PaintArgs {
    const forms::Control& control;
    gfx::DeviceContext& dc;
    gfx::Rect rect;     // the control's rectangle, in canvas pixels
    bool focused;       // the form's active control
    gfx::Point client;  // where the form's client area begins on the canvas
};

using Painter = std::function<void(const PaintArgs&)>;

// The painter of a kind (compared without case); nullptr when it has none.
const Painter* findPainter(std::string_view kind);
// Adds or replaces the painter of a kind.
void registerPainter(std::string kind, Painter painter);

// Whether a control of this kind draws outside its own rectangle (a line draws between its
// end points), so that it is clipped by its container only.
bool drawsOutsideItsRect(std::string_view kind);
// Whether a control of this kind is never seen at run time (timers, image lists, menus, sockets).
bool invisibleAtRunTime(std::string_view kind);

// The drawing font and colour of a control's properties.
gfx::Font fontOf(const forms::StdFont& f);
gfx::Colour colourOf(forms::OleColor c);

// The built-in painters, by group; findPainter registers them on first use.
void registerButtonPainters();
void registerTextPainters();
void registerListPainters();
void registerListViewPainter();
void registerShapePainters();
void registerPictureBoxPainter();
void registerCommonPainters();  // after registerTextPainters
// The placeholder of a kind without a painter.
void paintPlaceholder(const PaintArgs& a);

}  // namespace qv::present
