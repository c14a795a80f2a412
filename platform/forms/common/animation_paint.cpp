// How the animation box looks: the open clip's name where it would play.
#include "platform/forms/common/animation.h"
#include "platform/forms/drawing.h"

namespace qv::forms {
void Animation::paint(gfx::DeviceContext& dc, const Rect& rect) const {
    if (BackStyle() == 1) dc.fillRect(rect, Brush::solid(colourOf(BackColor())));
    // The clip itself is not decoded here: an open clip shows its name, so a picture of the
    // window still tells what would play there.
    if (clip().empty()) return;
    std::string name = clip();
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    dc.selectFont(gfx::Font{});
    drawCaption(dc, name, rect, dt::kCenter | dt::kVCenter | dt::kSingleLine | dt::kNoPrefix,
                sys(gfx::kColourGrayText), true);
}

}  // namespace qv::forms
