#include "platform/present/render.h"

#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/types.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/png_io.h"
#include "platform/gfx/region_data.h"
#include "platform/present/painters.h"
#include "platform/present/window_frame.h"

namespace qv::present {
namespace {

using forms::Control;
using gfx::Rect;
using gfx::Region;

Rect controlRect(const Control& c, gfx::Point client) {
    const int l = c.formLeft(), t = c.formTop();
    return {client.x + forms::twipsToPixels(l), client.y + forms::twipsToPixels(t),
            client.x + forms::twipsToPixels(l + c.Width()), client.y + forms::twipsToPixels(t + c.Height())};
}

// Draws the controls that sit directly in `container` (nullptr: the form), windowless ones
// first and windowed ones above them, each in the form's order, as hit testing stacks them;
// a container's own controls follow it, clipped to it.
void paintChildren(gfx::DeviceContext& dc, const forms::Form& form, const Control* container,
                   const Region& clip, gfx::Point client) {
    for (bool windowed : {false, true}) {
        for (const Control* c : form.Controls()) {
            if (c->Container() != container || c->windowed() != windowed) continue;
            if (!c->shownOnForm() || invisibleAtRunTime(c->kind())) continue;
            const Rect rect = controlRect(*c, client);
            const Region own = drawsOutsideItsRect(c->kind())
                                   ? clip
                                   : Region::combine(clip, Region::rect(rect), gfx::CombineMode::And);
            if (own.isEmpty()) continue;
            dc.setClip(own);
            dc.setOrigin({0, 0});
            const PaintArgs args{*c, dc, rect, form.ActiveControl() == c, client};
            if (const Painter* p = findPainter(c->kind())) (*p)(args);
            else paintPlaceholder(args);
            if (c->isContainer()) paintChildren(dc, form, c, own, client);
        }
    }
}

void paintClient(gfx::DeviceContext& dc, const forms::Form& form, gfx::Point client) {
    const Rect area{client.x, client.y, client.x + forms::twipsToPixels(form.ScaleWidth()),
                    client.y + forms::twipsToPixels(form.ScaleHeight())};
    const Region clip = Region::rect(area);
    dc.setClip(clip);
    dc.fillRect(area, gfx::Brush::solid(colourOf(form.BackColor())));
    paintChildren(dc, form, nullptr, clip, client);
    dc.setClip(std::nullopt);
}

}  // namespace

gfx::Canvas renderForm(const forms::Form& form, const RenderOptions& options) {
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

gfx::Canvas renderClient(const forms::Form& form) {
    gfx::Canvas canvas(forms::twipsToPixels(form.ScaleWidth()), forms::twipsToPixels(form.ScaleHeight()));
    gfx::DeviceContext dc(canvas);
    paintClient(dc, form, {0, 0});
    return canvas;
}

bool writeFormPng(const forms::Form& form, std::string_view path, const RenderOptions& options) {
    return gfx::writePng(renderForm(form, options), path);
}

}  // namespace qv::present
