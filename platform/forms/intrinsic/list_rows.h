#pragma once
// The rows of an item list as list boxes, combo boxes and a combo box's drop-down list draw them.
#include <functional>
#include <string>

#include "platform/forms/drawing.h"

namespace qv::forms {

// Rows of a list from `first` in rc, a scroll bar when they do not all fit; the selected row is
// highlighted, with the focus mark when focused.
void paintListRows(gfx::DeviceContext& dc, Rect rc, int count, int first, int selected, gfx::Colour fore, bool enabled,
                   bool focused, const std::function<const std::string&(int)>& text);

}  // namespace qv::forms
