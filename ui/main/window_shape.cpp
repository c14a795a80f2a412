#include "ui/main/window_shape.h"

#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/region_data.h"

namespace qv::ui {

void ApplyWindowShape(forms::Form& window, const forms::PictureBox& PicHiddenData, std::size_t byteCount) {
    const forms::PictureRef& picture = PicHiddenData.Picture();
    if (picture == nullptr) return;
    // The bitmap's bits as a 32-bit display holds them: blue, green, red and a zero byte a
    // pixel, which are the region data's fields themselves.
    std::vector<std::uint8_t> data = gfx::bitmapBits(picture->image(), byteCount);
    data.resize(byteCount, 0);
    if (!gfx::regionFromData(data)) return;
    window.setWindowRegion(std::move(data));  // the form's window takes the shape at once
}

}  // namespace qv::ui
