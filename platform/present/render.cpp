#include "platform/present/render.h"

#include "platform/gfx/png_io.h"
#include "platform/gui/window_system.h"

namespace qv::present {

gfx::Canvas renderForm(forms::Form& form, const RenderOptions& options) {
    gfx::Canvas canvas = form.printWindow(options.active);
    // A shaped window shows only its region.
    gui::WindowSystem& ws = gui::windows();
    if (const gui::WindowRegion* region = form.hWnd() != 0 ? ws.windowRegion(form.hWnd()) : nullptr) {
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (!region->contains(x, y)) canvas.setPixel(x, y, options.outside);
    }
    return canvas;
}

gfx::Canvas renderClient(forms::Form& form) {
    const gfx::Canvas whole = form.printWindow(true);
    gui::WindowSystem& ws = gui::windows();
    const gui::Insets in = ws.frameInsets(form.hWnd());
    const gui::Rect client = ws.clientRect(form.hWnd());
    gfx::Canvas canvas(client.right, client.bottom);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) canvas.setPixel(x, y, whole.pixel(x + in.left, y + in.top));
    return canvas;
}

bool writeFormPng(forms::Form& form, std::string_view path, const RenderOptions& options) {
    const gfx::Canvas canvas = renderForm(form, options);
    if (canvas.width() == 0 || canvas.height() == 0) return false;
    return gfx::writePng(canvas, path);
}

}  // namespace qv::present
