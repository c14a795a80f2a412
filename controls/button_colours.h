#pragma once
// Colour arithmetic of the button's looks, per channel on &HBBGGRR values. Each result is a
// plain colour (top byte 0); the inputs' bytes are used as they stand, so a system-colour
// reference is not translated first (TranslateColor does that).
#include "platform/gfx/colour.h"

namespace qv::controls {

// The average of the two per channel, halves rounded to even: 1 and 2 give 2, 0 and 1 give 0.
gfx::Colour BlendColors(gfx::Colour c1, gfx::Colour c2);
// The plain colour of an RGB value or a system colour; kInvalidColour (-1) when there is none.
gfx::Colour TranslateColor(gfx::Colour colour);
// Per channel c * (255 - amount) / 255 + amount, the division truncated, held within 0..255.
gfx::Colour LightenColor(gfx::Colour colour, int amount);
// Per channel c + amount, held within 0..255.
gfx::Colour ShiftColor(gfx::Colour colour, int amount);
// The grey of the same brightness: R / 3 + G / 3 + B / 3, halves rounded to even.
gfx::Colour ColorToGray(gfx::Colour colour);

}  // namespace qv::controls
