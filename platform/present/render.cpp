#include "platform/present/render.h"

#include <vector>

#include "platform/forms/types.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/region_data.h"
#include "platform/present/control_tree.h"
#include "platform/present/painters.h"
#include "platform/present/window_frame.h"

namespace qv::present {
namespace {

using gfx::Rect;
using gfx::Region;

void paintClient(gfx::DeviceContext& dc, const forms::Form& form, gfx::Point client) {
    const Rect area{client.x, client.y, client.x + forms::twipsToPixels(form.ScaleWidth()),
                    client.y + forms::twipsToPixels(form.ScaleHeight())};
    const Region clip = Region::rect(area);
    dc.setClip(clip);
    dc.fillRect(area, gfx::Brush::solid(colourOf(form.BackColor())));
    paintControls(dc, form, clip, client);
    dc.setClip(std::nullopt);
}

}  // namespace

gfx::Canvas renderForm(forms::Form& form, const RenderOptions& options) {
    raisePaint(form);
    gfx::Canvas canvas(forms::twipsToPixels(form.Width()), forms::twipsToPixels(form.Height()));
    gfx::DeviceContext dc(canvas);
    drawWindowFrame(dc, form, options.active);
    const int border = form.borderPixels();
    paintClient(dc, form, {border, border + form.captionPixels()});
    // A shaped window shows only its region; a region that cannot be read shapes nothing.
    if (!form.windowRegion().empty()) {
        if (auto region = gfx::regionFromData(form.windowRegion())) {
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x)
                    if (!region->contains(x, y)) canvas.setPixel(x, y, options.outside);
        }
    }
    return canvas;
}

gfx::Canvas renderClient(forms::Form& form) {
    raisePaint(form);
    gfx::Canvas canvas(forms::twipsToPixels(form.ScaleWidth()), forms::twipsToPixels(form.ScaleHeight()));
    gfx::DeviceContext dc(canvas);
    paintClient(dc, form, {0, 0});
    return canvas;
}

bool writeFormPng(forms::Form& form, std::string_view path, const RenderOptions& options) {
    return gfx::writePng(renderForm(form, options), path);
}

}  // namespace qv::present
