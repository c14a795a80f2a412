#include "ui/main/window_shape.h"

#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/form_window.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/region_data.h"
#include "platform/gui/window_system.h"

namespace qv::ui {

void ApplyWindowShape(forms::Form& window, const forms::PictureBox& PicHiddenData, std::size_t byteCount) {
    const forms::PictureRef& picture = PicHiddenData.Picture();
    if (picture == nullptr) return;
    // The bitmap's bits as a 32-bit display holds them: blue, green, red and a zero byte a
    // pixel, which are the region data's fields themselves.
    std::vector<std::uint8_t> data = gfx::bitmapBits(picture->image(), byteCount);
    data.resize(byteCount, 0);
    std::optional<gfx::Region> region = gfx::regionFromData(data);
    if (!region) return;
    window.setWindowRegion(data);
    if (forms::FormWindow* w = forms::findFormWindow(window))
        if (gui::HWnd h = w->hWnd()) gui::windows().setWindowRegion(h, std::move(*region), true);
}

}  // namespace qv::ui
