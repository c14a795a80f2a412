#pragma once
// The button's icon painters: an icon in grey through its own mask, and a picture drawn with one
// colour transparent and an optional shadow, grey or blend effect.
#include <optional>

#include "platform/gfx/canvas.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/picture.h"

namespace qv::controls {

// Turns every pixel grey in place, g = 0.59 G + 0.33 R + 0.11 B rounded (halves to even) and
// at most 255, except the exact greys &H000000, &H101010 ... &H808080, &HA0A0A0 ... &HFFFFFF,
// which stay as they are.
void ConvertBitmapToGray(gfx::Canvas& bitmap);

// The icon in grey, through its mask, at (x, y) in width by height (0: its own size). False for
// no icon or a picture that is not an icon.
bool paintIconGrey(gfx::DeviceContext& dc, const gfx::Picture* icon, int x, int y, int width, int height);

struct MaskedIconEffects {
    std::optional<gfx::Colour> shadow;  // every opaque pixel in this colour
    bool shadowByDarkness = false;      // ... only those darker than R + G + B = 385
    bool grey = false;                  // opaque pixels in grey
    bool blend = false;                 // opaque pixels two thirds over the destination
};

// The picture at (x, y) in width by height, an icon over a brush of the mask colour. With
// useMaskColour the pixels of the mask colour are transparent; the others are painted, changed
// by the first effect that is set.
void DrawIconMasked(gfx::DeviceContext& dc, int x, int y, int width, int height, const gfx::Picture* picture,
                    gfx::Colour maskColour, bool useMaskColour, const MaskedIconEffects& effects);

}  // namespace qv::controls
