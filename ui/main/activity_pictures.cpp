// The four activity pictures of the interface status: a down arrow for bytes received and an up
// arrow for bytes sent, each green while its total grows and grey while it stands still.
#include <array>

#include "platform/gfx/device_context.h"
#include "ui/main/interface_status.h"

namespace qv::ui {
namespace {

constexpr gfx::Colour kIdle = gfx::rgb(128, 128, 128);
constexpr gfx::Colour kActive = gfx::rgb(0, 176, 0);
constexpr gfx::Colour kOutline = gfx::rgb(0, 64, 0);

// An arrow 7 pixels wide in the column starting at x, pointing down or up.
void arrow(gfx::DeviceContext& dc, int x, bool down, gfx::Colour fill) {
    const std::array<gfx::Point, 7> downArrow = {{{x + 2, 1}, {x + 5, 1}, {x + 5, 8}, {x + 7, 8},
                                                  {x + 3, 14}, {x - 1, 8}, {x + 2, 8}}};
    std::array<gfx::Point, 7> points = downArrow;
    if (!down)
        for (auto& p : points) p.y = 15 - p.y;
    dc.selectPen(gfx::Pen{gfx::PenStyle::Solid, 1, fill == kIdle ? gfx::rgb(96, 96, 96) : kOutline});
    dc.selectBrush(gfx::Brush::solid(fill));
    dc.polygon(points);
}

forms::PictureRef activityPicture(bool received, bool sent) {
    constexpr gfx::Colour kBack = gfx::rgb(255, 0, 255);
    gfx::Canvas colour(16, 16, kBack);
    gfx::DeviceContext dc(colour);
    arrow(dc, 1, true, received ? kActive : kIdle);
    arrow(dc, 9, false, sent ? kActive : kIdle);
    // Transparent wherever no arrow was drawn.
    gfx::Canvas mask(16, 16, gfx::rgb(0, 0, 0));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (colour.pixel(x, y) == kBack) mask.setPixel(x, y, gfx::rgb(255, 255, 255));
    return gfx::Picture::icon(std::move(colour), std::move(mask));
}

}  // namespace

void AddActivityPictures(forms::ImageList& list) {
    list.Add(-1, "", activityPicture(false, false));
    list.Add(-1, "", activityPicture(true, false));
    list.Add(-1, "", activityPicture(false, true));
    list.Add(-1, "", activityPicture(true, true));
}

}  // namespace qv::ui
