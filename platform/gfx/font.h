#pragma once
// Fonts by the names the program asks for, drawn with the faces this system has: Tahoma,
// Verdana and MS Sans Serif (and any face not found) come out in DejaVu Sans, Courier New in
// DejaVu Sans Mono. Sizes are in points at 96 dots per inch. Text is Windows-1252 bytes.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::gfx {

struct Font {
    std::string name = "MS Sans Serif";
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    friend bool operator==(const Font&, const Font&) = default;
};

struct FontMetrics {
    int32_t ascent = 0;   // pixels above the baseline
    int32_t descent = 0;  // pixels below it
    int32_t height = 0;   // ascent + descent: the height of one line
    int32_t averageCharWidth = 0;
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// The family the font is drawn with ("DejaVu Sans" or "DejaVu Sans Mono").
std::string substituteFamily(std::string_view name);
// The pixel size of a font of that many points at 96 dots per inch.
int32_t pointsToPixels(double points);

FontMetrics fontMetrics(const Font& font);
// The width of one line of text (control characters count as nothing) and the font's height.
Size textExtent(const Font& font, std::string_view text);

}  // namespace qv::gfx
