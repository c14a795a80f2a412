// Style 10: the frame by state and focus, then its nine parts in order: the face, the four
// corner images, the side columns and the top and bottom rows.
#include "controls/button_draw.h"
#include "controls/button_looks.h"
#include "controls/button_looks_style10.h"

namespace qv::controls {
namespace {

using style10::CornerImage;
using style10::Frame;

// A corner image at the corner of the surface: rows counted down from the top or up from the
// bottom, columns in from the left or right, painted row by row from the top, left to right.
void paintCorner(LookSurface& s, const CornerImage& image, bool fromRight, bool fromBottom) {
    auto paintRow = [&](const style10::CornerRow& r) {
        const int y = fromBottom ? s.H - 1 - r.depth : r.depth;
        for (int i = 0; i < int(r.colours.size()); ++i) {
            const int x = fromRight ? s.W - 1 - r.to + i : r.from + i;
            const std::size_t at = std::size_t(fromRight ? int(r.colours.size()) - 1 - i : i);
            s.pixel(x, y, r.colours[at]);
        }
    };
    if (fromBottom) {
        for (auto it = image.rbegin(); it != image.rend(); ++it) paintRow(*it);
    } else {
        for (const auto& r : image) paintRow(r);
    }
}

void drawFrame(LookSurface& s, Frame frame) {
    const int W = s.W, H = s.H;
    const style10::FrameColours& f = style10::frameColours(frame);
    const style10::CornerImages& images = style10::cornerImages(frame);
    FillArea(s.dc(), 18, 11, W - 34, H - 19, f.face);
    paintCorner(s, images.topLeft, false, false);
    paintCorner(s, images.bottomLeft, false, true);
    paintCorner(s, images.topRight, true, false);
    paintCorner(s, images.bottomRight, true, true);
    for (int x = 0; x <= 17; ++x) s.column(x, 11, H - 11, f.left[std::size_t(x)]);
    for (int x = W - 17; x <= W - 1; ++x) s.column(x, 11, H - 11, f.right[std::size_t(x - (W - 17))]);
    for (int y = 0; y <= 11; ++y) s.row(y, 17, W - 18, f.top[std::size_t(y)]);
    for (int y = H - 11; y <= H - 1; ++y) s.row(y, 17, W - 18, f.bottom[std::size_t(y - (H - 11))]);
}

}  // namespace

void DrawStyle10Normal(LookSurface& s) { drawFrame(s, Frame::Normal); }
void DrawStyle10Hot(LookSurface& s) { drawFrame(s, Frame::Hot); }
void DrawStyle10Down(LookSurface& s) { drawFrame(s, Frame::Down); }

void DrawStyle10(LookSurface& s, const LookInputs& in) {
    switch (in.state) {
        case kStateHot:
        case kStateDefaulted: DrawStyle10Hot(s); break;
        case kStateNormal:
        case kStateDisabled:
            if (in.focused) DrawStyle10Hot(s);
            else DrawStyle10Normal(s);
            break;
        default: DrawStyle10Down(s); break;
    }
}

}  // namespace qv::controls
