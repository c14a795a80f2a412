#pragma once
// What the painters of the controls share: the drawing font and colour of a control's
// properties, the classic-look parts, the look of a kind with no painter of its own, and
// drawing kept inside a rectangle.
#include <string_view>

#include "platform/forms/types.h"
#include "platform/gfx/device_context.h"
#include "platform/gui/classic_parts.h"

namespace qv::forms {

// The drawing names the painters write with.
using gfx::Brush;
using gfx::Rect;
namespace dt = gfx::dt;

using gui::Arrow;
using gui::drawArrow;
using gui::drawButtonFace;
using gui::drawCaption;
using gui::drawCheckMark;
using gui::drawFocusRect;
using gui::drawOptionMark;
using gui::drawSunkenBorder;
using gui::drawVerticalScrollBar;
using gui::kCheckSize;
using gui::kOptionSize;
using gui::kScrollBarSize;
using gui::sys;

gfx::Font fontOf(const StdFont& f);
// A colour of a property, system colours translated; an unknown one is black.
gfx::Colour colourOf(OleColor c);

// A framed face with the kind and name, so a control is seen before it has a look of its own.
void drawPlaceholder(gfx::DeviceContext& dc, const gfx::Rect& rect, std::string_view kind, std::string_view name);

// While it lives, the device context draws only inside r (logical coordinates) and inside what
// it was clipped to before; the old clip comes back after.
class ClipTo {
public:
    ClipTo(gfx::DeviceContext& dc, const gfx::Rect& r);
    ~ClipTo();
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;
    // Nothing of r is left to draw on.
    bool empty() const;

private:
    gfx::DeviceContext& dc_;
    std::optional<gfx::Region> saved_;
};

}  // namespace qv::forms
