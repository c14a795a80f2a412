// The looks, pixel by pixel where their steps settle a pixel: corners, outline ends, accents,
// gradient ends and ties (a channel of exactly x.5 rounds to the even neighbour), at 75 by 23
// and at a height of 21. Untouched pixels keep the canvas's own colour, kUntouched.
#include <gtest/gtest.h>

#include <vector>

#include "controls/button_looks.h"

namespace qv::controls {
namespace {

constexpr std::uint32_t kUntouched = 0xFF00FF;  // #RRGGBB, as the colours below
constexpr int W = 75;
constexpr gfx::Colour kBack = gfx::rgb(0xD4, 0xD0, 0xC8);       // BackColor when custom
constexpr gfx::Colour kHighlight = gfx::rgb(0x31, 0x6A, 0xC5);  // HighlightColor when custom

struct Pixel {
    int x, y;
    std::uint32_t rrggbb;
};

struct Look {
    const char* name;
    int style;
    int state;
    bool focused = false;
    bool custom = false;
    bool showFocus = false;
    bool displayAsDefault = false;
    std::vector<Pixel> pixels;
};

void check(const std::vector<Look>& looks, int H) {
    for (const Look& l : looks) {
        SCOPED_TRACE(l.name);
        gfx::Canvas canvas(W, H, hexColour(kUntouched));
        gfx::DeviceContext dc(canvas);
        LookSurface s(dc, W, H);
        LookInputs in;
        in.width = W, in.height = H, in.state = l.state, in.focused = l.focused, in.showFocus = l.showFocus;
        in.useCustomColors = l.custom, in.displayAsDefault = l.displayAsDefault;
        in.backColor = kBack, in.highlightColor = kHighlight;
        ASSERT_TRUE(DrawLook(l.style, s, in));
        for (const Pixel& p : l.pixels)
            EXPECT_EQ(canvas.pixel(p.x, p.y), hexColour(p.rrggbb)) << "at " << p.x << "," << p.y;
    }
}

TEST(ButtonLooks, TellingPixelsAt75By23) {
    constexpr int H = 23;
    const std::vector<Look> looks = {
        {"0 normal", 0, 1, false, false, false, false,
         {{0, 0, 0xDFDFDF}, {1, 1, 0xFFFFFF}, {W - 1, H - 1, 0x000000}, {W - 2, H - 2, 0x808080}, {37, 11, 0xC0C0C0}}},
        {"0 pressed", 0, 3, false, false, false, false, {{0, 0, 0x808080}, {1, 1, 0x000000}, {W - 1, H - 1, 0xFFFFFF}}},
        {"0 the host's default", 0, 1, false, false, false, true, {{0, 0, 0x000000}, {W - 1, H - 1, 0x000000}, {1, 1, 0xFFFFFF}}},
        {"1 normal", 1, 1, false, false, false, false, {{0, 0, 0xFFFFFF}, {W - 1, H - 1, 0x808080}, {1, 1, 0xC0C0C0}}},
        {"1 pressed", 1, 3, false, false, false, false, {{0, 0, 0x808080}, {W - 1, H - 1, 0xFFFFFF}}},
        {"1 disabled", 1, 4, false, false, false, false, {{0, 0, 0xC0C0C0}, {W - 1, H - 1, 0xC0C0C0}}},
        {"2 normal", 2, 1, false, false, false, false, {{0, 0, 0xC0C0C0}, {W - 1, H - 1, 0xC0C0C0}}},
        {"2 hot", 2, 2, false, false, false, false, {{0, 0, 0xFFFFFF}, {W - 1, H - 1, 0x808080}}},
        // The two rings of the corner frame; the blend next to each far corner is 191.5, so 192.
        {"3 normal", 3, 1, false, false, false, false,
         {{0, 0, 0x808080}, {37, 1, 0xFFFFFF}, {W - 2, H - 2, 0x808080}, {W - 1, H - 1, 0xFFFFFF}, {0, H - 1, 0xC0C0C0},
          {W - 1, 0, 0xC0C0C0}, {1, H - 2, 0xC0C0C0}, {W - 2, 1, 0xC0C0C0}}},
        {"3 hot", 3, 2, false, false, false, false, {{37, 11, 0xA0A0A0}, {0, H - 1, 0xA0A0A0}}},
        {"3 pressed", 3, 3, false, false, false, false, {{37, 11, 0x808080}}},
        {"4 normal", 4, 1, false, false, false, false, {{0, 0, 0xC7C7C7}, {W - 1, H - 1, 0xC7C7C7}}},
        {"4 hot", 4, 2, false, false, false, false,
         {{0, 0, 0x000080}, {W - 1, H - 1, 0x000080}, {37, 11, 0xB0B0D7}, {W - 1, 11, 0x000080}}},
        {"4 pressed", 4, 3, false, false, false, false, {{37, 11, 0x8080BF}}},

        {"5 normal", 5, 1, false, false, false, false,
         {{0, 0, 0xC0C0C0}, {1, 0, 0x6A8BA2}, {2, 0, 0x003C74}, {1, 1, 0x486E90}, {2, 1, 0xBFC7CA}, {W - 1, 0, 0xC0C0C0},
          {W - 1, H - 2, 0x6A8BA2}, {3, 1, 0xFCFCFB}, {3, 18, 0xF1F1EB}, {3, H - 4, 0xEBEBE6}, {3, H - 2, 0xDDD9D0},
          {W - 3, 3, 0xFBFBFA}, {W - 3, H - 3, 0xE5E3DC}, {W - 2, 3, 0xF5F4F2}, {37, 11, 0xF5F5F2}}},
        {"5 hot", 5, 2, false, false, false, false,
         {{1, 1, 0x486E90}, {2, 1, 0xFFF0CF}, {W - 3, 1, 0xFFF0CF}, {37, 2, 0xFDD889}, {37, H - 3, 0xF8B330},
          {37, H - 2, 0xE59710}, {2, H - 2, 0xE59710}, {1, H - 2, 0x486E90}, {1, 2, 0xFDD889}, {1, 11, 0xFAC55C},
          {W - 2, 11, 0xFAC55C}, {W - 2, H - 3, 0xF8B330}, {0, 1, 0x6A8BA2}}},
        {"5 focused", 5, 1, true, false, false, false,
         {{37, H - 2, 0x6982EE}, {37, 1, 0xCEE7FF}, {37, 2, 0xBCD4F6}, {37, H - 3, 0x89ADE4}, {2, 1, 0xCEE7FF},
          {1, 2, 0xBCD4F6}, {1, H - 3, 0x89ADE4}, {1, 11, 0xA3C0ED}}},
        {"5 the host's default", 5, 1, false, false, false, true, {{37, H - 2, 0x6982EE}}},
        // Row 3's top band is 218.5, 215.5, 206.5: to the even 218, 216, 206.
        {"5 pressed", 5, 3, false, false, false, false,
         {{3, 1, 0xD1CCC1}, {37, 2, 0xD6D2C8}, {2, 3, 0xDAD8CE}, {37, 11, 0xE4E3DC}, {37, H - 2, 0xEDECE8},
          {1, 3, 0xDAD8CE}, {1, H - 4, 0xE2E1DA}, {1, H - 3, 0xBFC7CA}, {1, H - 2, 0x486E90}, {2, 4, 0xDAD8CE}, {2, H - 2, 0xBFC7CA},
          {2, H - 1, 0x003C74}, {W - 1, H - 1, 0xC0C0C0}, {W - 1, 0, 0xC0C0C0}}},
        {"5 disabled", 5, 4, false, false, false, false,
         {{0, 0, 0xC9C7BA}, {1, 0, 0xD8D5C7}, {0, 1, 0xD8D5C7}, {1, 1, 0xD8D5C7}, {2, 0, 0xC9C7BA}, {37, 11, 0xF5F4EA},
          {W - 1, H - 1, 0xC9C7BA}, {W - 2, H - 2, 0xD8D5C7}, {W - 1, H - 2, 0xD8D5C7}}},
        {"5 defaulted: the background only", 5, 5, false, false, false, false, {{37, 11, 0xC0C0C0}, {0, 1, 0xC0C0C0}}},

        // The face gradient's middle is 204.5, 200.5, 192.5: to the even 204, 200, 192.
        {"5 custom normal", 5, 1, false, true, false, false,
         {{0, 0, 0xD4D0C8}, {1, 0, 0xBFBBB3}, {2, 0, 0x545048}, {W - 1, 0, 0x545048}, {W - 1, 1, 0xBFBBB3},
          {1, 1, 0x545048}, {37, 1, 0xD9D5CD}, {37, 2, 0xD6D2CA}, {1, 2, 0xD6D2CA}, {W - 2, 2, 0xD6D2CA},
          {1, 3, 0xE7E3DB}, {W - 2, 11, 0xC2BEB6}, {37, 11, 0xCCC8C0}, {37, H - 4, 0xC4C0B8}, {37, H - 3, 0xBCB8B0},
          {37, H - 2, 0xAFABA3}, {37, H - 1, 0x545048}, {0, 11, 0x545048}, {0, 1, 0xBFBBB3}}},
        {"5 custom hot", 5, 2, false, true, false, false,
         {{37, 1, 0x86BFFF}, {37, 2, 0x76AFFF}, {37, H - 3, 0x417AD5}, {37, H - 2, 0x316AC5}, {1, 2, 0x76AFFF},
          {1, H - 3, 0x417AD5}, {1, 11, 0x5C95EA}, {1, 1, 0x545048}, {W - 2, 2, 0x76AFFF}, {W - 1, 5, 0x545048}}},
        {"5 custom focused, focus shown: the system highlight", 5, 1, true, true, true, false,
         {{37, 1, 0x5555D5}, {37, H - 2, 0x000080}}},
        {"5 custom focused, focus not shown", 5, 1, true, true, false, false, {{37, 1, 0xD9D5CD}}},
        {"5 custom defaulted", 5, 5, false, true, false, false, {{37, H - 2, 0x000080}}},
        {"5 custom pressed: no background", 5, 3, false, true, false, false,
         {{0, 0, kUntouched}, {W - 1, 0, kUntouched}, {W - 1, H - 1, kUntouched}, {0, H - 1, kUntouched},
          {1, 0, 0x545048}, {1, 1, 0x747068}, {2, 1, 0xA4A098}, {1, 2, 0xA4A098}, {3, 1, 0xAFABA3}, {37, 11, 0xC6C2BA},
          {37, H - 2, 0xD6D2CA}, {2, H - 1, 0x545048}, {1, 3, 0xB4B0A8}, {1, H - 2, 0x747068}, {W - 2, H - 3, 0xE6E2DA},
          {W - 3, H - 2, 0xDCD8D0}, {W - 2, 2, 0xAFABA3}, {2, 4, 0xBCB8B0}, {2, H - 3, 0xC5C1B9}}},
        {"5 custom disabled", 5, 4, false, true, false, false,
         {{0, 0, 0x949088}, {1, 0, 0x9F9B93}, {37, 11, 0xD4D0C8}, {W - 1, H - 1, 0x949088}, {W - 2, H - 2, 0x9F9B93}}},

        // The right band's middle is 181.5: to the even 182.
        {"7 normal", 7, 1, false, false, false, false,
         {{0, 0, 0xC8C8C8}, {1, 0, 0xABABAB}, {2, 0, 0x686868}, {W - 1, 0, 0x686868}, {W - 1, 1, 0xABABAB},
          {1, 1, 0x686868}, {37, 1, 0xD5D5D5}, {37, H - 2, 0x9B9B9B}, {37, 2, 0xD6D6D6}, {37, 11, 0xC8C8C8},
          {1, 11, 0xC8C8C8}, {W - 2, 11, 0xB6B6B6}, {1, 2, 0xDDDDDD}, {0, 2, 0x686868}, {0, 1, 0xABABAB}}},
        {"7 focused", 7, 1, true, false, false, false,
         {{37, 1, 0x151595}, {1, 2, 0x151595}, {W - 2, H - 3, 0x00007B}, {37, H - 2, 0x00006B}, {1, H - 2, 0x686868}}},
        {"7 hot", 7, 2, false, false, false, false,
         {{0, 0, 0xD8D8D8}, {2, 0, 0x787878}, {37, 1, 0x151595}, {37, 11, 0xD8D8D8}, {37, 3, 0xE5E5E5}}},
        {"7 pressed: no background", 7, 3, false, false, false, false,
         {{0, 0, kUntouched}, {1, 0, 0xABABAB}, {2, 0, 0x575757}, {37, 1, 0xABABAB}, {37, H - 2, 0xC8C8C8},
          {37, H - 1, 0x575757}, {1, H - 1, 0xABABAB}, {37, 11, 0xAFAFAF}, {1, 2, 0x979797}, {W - 2, 2, 0xA2A2A2},
          {W - 2, H - 3, 0xCCCCCC}, {W - 1, 0, 0x575757}}},
        {"7 disabled, focused: no accent", 7, 4, true, false, false, false,
         {{0, 0, 0xD2D2D2}, {1, 0, 0xC5C5C5}, {2, 0, 0x727272}, {37, 1, 0xD5D5D5}, {37, H - 2, 0x9B9B9B},
          {37, 11, 0xD2D2D2}}},

        {"8 normal", 8, 1, false, false, false, false,
         {{0, 0, 0xC0C0C0}, {1, 0, 0xC0C0C0}, {2, 0, 0x909090}, {1, 1, 0x909090}, {1, 2, 0xFFFFFF}, {2, 1, 0xFFFFFF},
          {W - 3, 1, 0x909090}, {W - 3, 2, 0xC0C0C0}, {W - 2, 2, 0x909090}, {W - 1, 3, 0xA5A5A5}, {W - 1, 2, 0xC0C0C0},
          {37, H - 3, 0xC0C0C0}, {37, H - 2, 0x909090}, {37, H - 1, 0xA5A5A5}, {W - 3, H - 1, 0xB4B4B4},
          {W - 4, H - 1, 0xA5A5A5}, {W - 2, H - 2, 0xB4B4B4}, {W - 1, H - 3, 0xB4B4B4}, {W - 1, H - 4, 0xA5A5A5},
          {W - 1, H - 1, 0xC0C0C0}, {2, H - 1, 0xC0C0C0}, {37, 2, 0xCFCFCF}, {37, H - 4, 0xB1B1B1}, {37, 10, 0xC1C1C1}}},
        {"8 focused", 8, 1, true, false, false, false, {{2, 0, 0x606060}, {37, H - 1, 0x757575}, {W - 3, H - 1, 0x848484}}},
        {"8 hot", 8, 2, false, false, false, false,
         {{0, 0, 0xCFCFCF}, {37, H - 3, 0xCFCFCF}, {37, 2, 0xDEDEDE}, {37, H - 4, 0xC0C0C0}, {W - 3, 2, 0xCFCFCF}}},
        {"8 pressed, focused", 8, 3, true, false, false, false,
         {{37, 1, 0xCFCFCF}, {1, 5, 0xCFCFCF}, {37, H - 3, 0xFFFFFF}, {37, 2, 0xC0C0C0}, {37, H - 4, 0xDEDEDE},
          {2, 0, 0x909090}}},
        {"8 disabled", 8, 4, false, false, false, false, {{0, 0, 0xCFCFCF}, {37, 1, 0xFFFFFF}}},

        {"9 normal", 9, 1, false, false, false, false,
         {{0, 0, 0xFFFFFF}, {1, 0, 0xB1B1B1}, {3, 0, 0xE1E1E1}, {0, 19, 0x313131}, {0, 20, 0xB1B1B1},
          {0, H - 2, 0xB1B1B1}, {1, 1, 0xE1E1E1}, {5, 1, 0xB1B1B1}, {37, 2, 0xD1D1D1}, {37, 19, 0x919191},
          {37, 11, 0xAFAFAF}, {37, H - 3, 0xB1B1B1}, {37, H - 2, 0x313131}, {37, H - 1, 0xA1A1A1}, {6, 3, 0xFFFFFF},
          {2, 8, 0x8C8C8C}, {2, 10, 0x8C8C8C}, {2, 16, 0x919191}, {3, 16, 0x8C8C8C}, {5, 18, 0x7C7C7C},
          {12, 18, 0x919191}, {4, 17, 0x797979}, {4, 7, 0xB1B1B1}, {W - 1, 0, 0xFFFFFF}, {W - 1, 12, 0x717171},
          {W - 1, 20, 0xA9A9A9}, {W - 1, 21, 0xB1B1B1}, {W - 2, H - 3, 0x9C9C9C}, {W - 3, H - 3, 0x414141},
          {W - 4, H - 1, 0x9C9C9C}, {W - 3, H - 1, 0xB1B1B1}, {W - 2, 0, 0xFFFFFF}, {W - 3, 0, 0xB1B1B1},
          {W - 4, 0, 0xE1E1E1}, {W - 4, 2, 0xB1B1B1}, {W - 11, 2, 0xD1D1D1}, {W - 4, 10, 0x8C8C8C},
          {W - 4, 12, 0x8C8C8C}, {W - 4, 18, 0x9C9C9C}, {W - 7, 19, 0x7C7C7C}, {W - 15, 19, 0x919191}}},
        {"9 hot", 9, 2, false, false, false, false, {{1, 0, 0xC1C1C1}, {37, H - 3, 0xC1C1C1}, {37, H - 2, 0x414141}}},
        {"9 pressed", 9, 3, false, false, false, false, {{1, 0, 0xD8D8D8}, {37, H - 3, 0xD8D8D8}, {37, H - 2, 0x585858}}},
        {"9 disabled", 9, 4, false, false, false, false, {{37, H - 3, 0xCFCFCF}, {37, H - 2, 0x4F4F4F}}},

        {"10 normal", 10, 1, false, false, false, false,
         {{0, 11, 0xF7F7F7}, {1, 11, 0xA0A0A0}, {2, 12, 0x999999}, {17, 11, 0xE9EBE8}, {17, 12, 0xE9EBE8},
          {37, 0, 0x6A6967}, {37, 1, 0xF6F4F5}, {37, 10, 0xE8E7EA}, {37, 11, 0xE9EBE8}, {37, 14, 0xF2F2F2},
          {37, 17, 0xFFFFFF}, {37, H - 2, 0x545454}, {37, H - 1, 0xC5C5C5}, {W - 1, 11, 0xF6F6F6}, {W - 2, 12, 0x9C9C9C},
          {W - 17, 11, 0xE8E7EA}, {6, 0, 0xFEFEFE}, {7, 0, 0xE6E6E6}, {8, 0, 0xACACAC}, {9, 0, 0x7A7A7A},
          {16, 0, 0x6B6D6C}, {17, 0, 0x6A6967}, {5, 0, kUntouched}, {0, 0, kUntouched}, {W - 7, 0, kUntouched},
          {W - 1, 0, kUntouched}, {0, 7, kUntouched}, {4, H - 1, kUntouched}, {W - 5, H - 1, kUntouched}}},
        {"10 hot", 10, 2, false, false, false, false,
         {{37, 0, 0x080645}, {1, 11, 0x9EA0B0}, {2, 11, 0x132E71}, {37, 11, 0x76ACE6}, {37, 12, 0x76ACE6},
          {37, H - 2, 0x405D63}, {37, H - 1, 0xC5C5C5}, {6, 0, 0xFEFEFE}, {9, 0, 0x5E5E6C}, {W - 2, 11, 0x989BAB},
          {W - 3, 12, 0x14357C}, {37, 5, 0x8EB4E3}, {5, 0, kUntouched}}},
        {"10 focused: the blue frame", 10, 1, true, false, false, false, {{37, 0, 0x080645}}},
        {"10 pressed", 10, 3, false, false, false, false,
         {{37, 0, 0x0A093C}, {2, 11, 0x172D63}, {37, H - 2, 0x3E565A}, {9, 0, 0x5C5C67}, {37, 5, 0x8AA8CF},
          {W - 3, 11, 0x19336D}}},
        {"10 disabled: the grey frame", 10, 4, false, false, false, false, {{37, 0, 0x6A6967}}},
        {"10 disabled, focused", 10, 4, true, false, false, false, {{37, 0, 0x080645}}},
        {"10 defaulted", 10, 5, false, false, false, false, {{37, 0, 0x080645}}},
    };
    check(looks, H);
}

TEST(ButtonLooks, TellingPixelsAtHeight21) {
    constexpr int H = 21;
    const std::vector<Look> looks = {
        {"5 normal", 5, 1, false, false, false, false,
         {{3, 17, 0xEBEBE6}, {3, 19, 0xDDD9D0}, {W - 2, H - 2, 0x486E90}, {W - 3, 3, 0xFBFBFA}, {37, 10, 0xF5F5F2},
          {1, H - 1, 0x6A8BA2}}},
        // The side bands' middle is 250.5, 197.5, 92.5: to the even 250, 198, 92.
        {"5 hot", 5, 2, false, false, false, false,
         {{1, 10, 0xFAC65C}, {W - 2, 10, 0xFAC65C}, {37, H - 2, 0xE59710}, {37, H - 3, 0xF8B330}}},
        {"5 custom normal", 5, 1, false, true, false, false, {{37, 10, 0xCDC9C1}, {37, H - 2, 0xAFABA3}, {37, H - 1, 0x545048}}},
        // 91.5 and 148.5 round to the even 92 and 148.
        {"5 custom hot", 5, 2, false, true, false, false, {{1, 10, 0x5C94EA}, {37, H - 2, 0x316AC5}}},
        {"7 normal", 7, 1, false, false, false, false, {{W - 2, 10, 0xB6B6B6}, {37, 10, 0xC8C8C8}, {37, H - 2, 0x9B9B9B}}},
        {"8 normal", 8, 1, false, false, false, false,
         {{37, H - 3, 0xC0C0C0}, {37, H - 2, 0x909090}, {37, H - 1, 0xA5A5A5}, {W - 1, H - 4, 0xA5A5A5},
          {W - 3, H - 1, 0xB4B4B4}, {37, 9, 0xC1C1C1}}},
        // m(0) = 10 and m(4) = 6 here; row 7 of column 4 is 140.5, to the even 140.
        {"9 normal", 9, 1, false, false, false, false,
         {{W - 1, 10, 0x717171}, {W - 1, 16, 0xA9A9A9}, {W - 1, 17, 0xB1B1B1}, {4, 6, 0x8C8C8C}, {4, 7, 0x8C8C8C},
          {5, 6, 0xB6B6B6}, {5, 13, 0xADADAD}, {5, 14, 0x919191}, {5, 15, 0x818181}, {3, 7, 0x7C7C7C}, {37, H - 2, 0x313131}}},
        // The top and bottom images meet: the bottom rows, drawn later, hold rows 10 and 11.
        {"10 normal", 10, 1, false, false, false, false,
         {{37, 9, 0xE3E2E5}, {37, 10, 0xE9EBE8}, {37, 11, 0xEFF1EE}, {37, H - 2, 0x545454}, {37, H - 1, 0xC5C5C5},
          {6, 0, 0xFEFEFE}}},
        {"10 hot", 10, 2, false, false, false, false, {{37, 10, 0x76ACE6}, {37, 11, 0x81B6F1}, {37, H - 2, 0x405D63}}},
    };
    check(looks, H);
}

// Every look in every state, on a 20 by 20 button in the middle of a larger canvas: nothing is
// painted outside the button.
TEST(ButtonLooks, NothingOutsideA20By20Button) {
    for (int style : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}) {
        for (int state = 1; state <= 5; ++state) {
            for (bool custom : {false, true}) {
                for (bool focused : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "style " << style << " state " << state << " custom " << custom
                                                    << " focused " << focused);
                    gfx::Canvas canvas(40, 40, hexColour(kUntouched));
                    gfx::DeviceContext dc(canvas);
                    dc.setOrigin({10, 10});
                    LookSurface s(dc, 20, 20);
                    LookInputs in;
                    in.width = in.height = 20, in.state = state, in.focused = focused, in.showFocus = true;
                    in.useCustomColors = custom, in.backColor = kBack, in.highlightColor = kHighlight;
                    DrawLook(style, s, in);
                    int outside = 0;
                    for (int y = 0; y < 40; ++y)
                        for (int x = 0; x < 40; ++x)
                            if ((x < 10 || x >= 30 || y < 10 || y >= 30) && canvas.pixel(x, y) != hexColour(kUntouched))
                                ++outside;
                    EXPECT_EQ(outside, 0);
                }
            }
        }
    }
}

}  // namespace
}  // namespace qv::controls
