#pragma once
// Colours as the program writes them: 32-bit values with red in the low byte (&HBBGGRR). A value
// with the top bit set names a system colour by its index in the low byte and is translated
// before drawing.
#include <cstdint>

namespace qv::gfx {

using Colour = uint32_t;

// What a failed read of a pixel or a colour that cannot be translated gives (-1 as a Long).
inline constexpr Colour kInvalidColour = 0xFFFFFFFF;
inline constexpr Colour kSystemColourBit = 0x80000000;

constexpr Colour rgb(int r, int g, int b) {
    return Colour(r & 0xFF) | Colour(g & 0xFF) << 8 | Colour(b & 0xFF) << 16;
}
constexpr int redOf(Colour c) { return int(c & 0xFF); }
constexpr int greenOf(Colour c) { return int(c >> 8 & 0xFF); }
constexpr int blueOf(Colour c) { return int(c >> 16 & 0xFF); }

// System colour indexes, numbered as the window system numbers them.
enum SysColourIndex : int {
    kColourScrollBar = 0,
    kColourBackground = 1,
    kColourActiveCaption = 2,
    kColourInactiveCaption = 3,
    kColourMenu = 4,
    kColourWindow = 5,
    kColourWindowFrame = 6,
    kColourMenuText = 7,
    kColourWindowText = 8,
    kColourCaptionText = 9,
    kColourActiveBorder = 10,
    kColourInactiveBorder = 11,
    kColourAppWorkspace = 12,
    kColourHighlight = 13,
    kColourHighlightText = 14,
    kColourButtonFace = 15,
    kColourButtonShadow = 16,
    kColourGrayText = 17,
    kColourButtonText = 18,
    kColourInactiveCaptionText = 19,
    kColourButtonHighlight = 20,
    kColour3dDarkShadow = 21,
    kColour3dLight = 22,
    kColourInfoText = 23,
    kColourInfoBackground = 24,
    kColourHotLight = 26,
    kColourGradientActiveCaption = 27,
    kColourGradientInactiveCaption = 28,
    kColourMenuHighlight = 29,
    kColourMenuBar = 30,
};
inline constexpr int kSysColourCount = 31;

// The colour of a system colour index in the classic scheme (a fixed table, so drawing is the
// same on every machine); 0 for an index outside the table.
Colour sysColour(int index);

// The plain colour of value: itself when its top byte is 0; the system colour it names when the
// top bit is set and the index is in the table; otherwise kInvalidColour.
Colour translateColour(Colour value);

}  // namespace qv::gfx
