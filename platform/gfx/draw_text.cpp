// Text: access-key prefixes, line breaks and word wrapping, alignment, right-to-left reading
// order, glyphs blended in the text colour, underline and strike-through.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/base/cp1252.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/font_face.h"

namespace qv::gfx {
namespace {

// One character to show, and whether it is the underlined access key.
struct Char {
    unsigned char c;
    bool key;
};
using Line = std::vector<Char>;

// "&x" marks x, "&&" stands for "&", a lone "&" at the end shows nothing.
Line stripPrefixes(std::string_view text, bool prefixes) {
    Line out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (prefixes && c == '&') {
            if (++i >= text.size()) break;
            const unsigned char n = static_cast<unsigned char>(text[i]);
            out.push_back({n, n != '&'});
            continue;
        }
        out.push_back({c, false});
    }
    return out;
}

int32_t widthOf(FontFace& face, const Line& line, size_t from = 0, size_t to = SIZE_MAX) {
    int32_t w = 0;
    for (size_t i = from; i < std::min(to, line.size()); ++i)
        if (line[i].c >= 0x20) w += face.glyph(base::cp1252CodePoint(line[i].c)).advance;
    return w;
}

std::vector<Line> splitLines(const Line& text, bool single) {
    std::vector<Line> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = text[i].c;
        if (!single && (c == '\r' || c == '\n')) {
            if (c == '\r' && i + 1 < text.size() && text[i + 1].c == '\n') ++i;
            lines.emplace_back();
            continue;
        }
        lines.back().push_back(text[i]);
    }
    return lines;
}

// Breaks a line at blanks so that each piece fits width; a word wider than the line stays whole
// on its own line. Blanks where a line is broken are dropped.
std::vector<Line> wrap(FontFace& face, const Line& line, int32_t width) {
    std::vector<Line> out;
    size_t start = 0;
    while (true) {
        if (widthOf(face, line, start) <= width) {
            out.emplace_back(line.begin() + ptrdiff_t(start), line.end());
            return out;
        }
        // The last blank after which the line no longer fits.
        size_t breakAt = SIZE_MAX;
        for (size_t i = start; i < line.size(); ++i) {
            if (line[i].c != ' ') continue;
            if (widthOf(face, line, start, i) <= width || breakAt == SIZE_MAX) breakAt = i;
            if (widthOf(face, line, start, i) > width) break;
        }
        if (breakAt == SIZE_MAX || breakAt == start) {
            // No blank to break at (or only leading ones): the rest is one word.
            if (breakAt == start) {
                ++start;
                continue;
            }
            out.emplace_back(line.begin() + ptrdiff_t(start), line.end());
            return out;
        }
        out.emplace_back(line.begin() + ptrdiff_t(start), line.begin() + ptrdiff_t(breakAt));
        start = breakAt;
        while (start < line.size() && line[start].c == ' ') ++start;
        if (start >= line.size()) return out;
    }
}

bool isNeutral(unsigned char c) {
    return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0 ||
             c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F ||
             c == 0xAA || c == 0xB5 || c == 0xBA);
}

// Right-to-left reading order for text without right-to-left letters: the runs of left-to-right
// letters keep their order, while the blanks and punctuation that open or close the line move
// to its other end, mirrored.
Line rtlOrder(const Line& line) {
    size_t a = 0, b = line.size();
    while (a < b && isNeutral(line[a].c)) ++a;
    while (b > a && isNeutral(line[b - 1].c)) --b;
    if (a == b) return Line(line.rbegin(), line.rend());
    Line out(line.rbegin(), line.rbegin() + ptrdiff_t(line.size() - b));
    out.insert(out.end(), line.begin() + ptrdiff_t(a), line.begin() + ptrdiff_t(b));
    out.insert(out.end(), line.rend() - ptrdiff_t(a), line.rend());
    return out;
}

Colour blend(Colour d, Colour s, int a) {
    auto ch = [&](int dc, int sc) { return dc + ((sc - dc) * a + (sc >= dc ? 127 : -127)) / 255; };
    return rgb(ch(redOf(d), redOf(s)), ch(greenOf(d), greenOf(s)), ch(blueOf(d), blueOf(s)));
}

}  // namespace

int32_t DeviceContext::drawText(std::string_view text, Rect& rc, unsigned format) {
    FontFace& face = FontFace::forFont(font_);
    const FontMetrics& m = face.metrics();
    const bool single = format & dt::kSingleLine;
    const bool prefixes = !(format & dt::kNoPrefix);
    const Line all = stripPrefixes(text, prefixes);
    std::vector<Line> lines;
    if (!all.empty()) {
        for (const Line& l : splitLines(all, single)) {
            if ((format & dt::kWordBreak) && !single) {
                for (Line& piece : wrap(face, l, int32_t(std::max<int64_t>(rc.width(), 0)))) lines.push_back(std::move(piece));
            } else {
                lines.push_back(l);
            }
        }
    }
    const int32_t lineHeight = m.height;
    const int32_t total = int32_t(lines.size()) * lineHeight;
    int32_t maxWidth = 0;
    for (const Line& l : lines) maxWidth = std::max(maxWidth, widthOf(face, l));

    int32_t top = rc.top;
    if (single && (format & dt::kVCenter)) top = int32_t((int64_t(rc.top) + rc.bottom - lineHeight) / 2);
    else if (single && (format & dt::kBottom)) top = rc.bottom - lineHeight;
    const int32_t result = (single && (format & (dt::kVCenter | dt::kBottom))) ? top + total - rc.top : total;

    if (format & dt::kCalcRect) {
        rc.right = rc.left + maxWidth;
        rc.bottom = rc.top + total;
        return total;
    }

    // Canvas coordinates from here.
    const Rect box{rc.left + origin_.x, rc.top + origin_.y, rc.right + origin_.x, rc.bottom + origin_.y};
    const bool clipped = !(format & dt::kNoClip);
    const Colour fg = translateColour(textColour_) == kInvalidColour ? 0 : translateColour(textColour_);
    const Colour bg = translateColour(bkColour_) == kInvalidColour ? 0 : translateColour(bkColour_);
    auto put = [&](int32_t x, int32_t y, Colour c, int a) {
        if (clipped && !box.contains(x, y)) return;
        const Colour d = peek(x, y);
        if (d == kInvalidColour) return;
        plot(x, y, a >= 255 ? c : blend(d, c, a));
    };
    const bool hideKeys = format & dt::kHidePrefix;
    for (size_t n = 0; n < lines.size(); ++n) {
        const Line line = (format & dt::kRtlReading) ? rtlOrder(lines[n]) : lines[n];
        const int32_t w = widthOf(face, line);
        int32_t x = box.left;
        if (format & dt::kCenter) x = int32_t((int64_t(box.left) + box.right - w) / 2);
        else if (format & dt::kRight) x = box.right - w;
        const int32_t y = top + origin_.y + int32_t(n) * lineHeight;
        const int32_t baseline = y + m.ascent;
        if (bkMode_ == BackgroundMode::Opaque)
            for (int32_t py = y; py < y + lineHeight; ++py)
                for (int32_t px = x; px < x + w; ++px) put(px, py, bg, 255);
        for (const Char& ch : line) {
            if (ch.c < 0x20) continue;
            const Glyph& g = face.glyph(base::cp1252CodePoint(ch.c));
            for (int32_t gy = 0; gy < g.rows; ++gy)
                for (int32_t gx = 0; gx < g.width; ++gx) {
                    const int a = g.coverage[size_t(gy) * size_t(g.width) + size_t(gx)];
                    if (a) put(x + g.left + gx, baseline - g.top + gy, fg, a);
                }
            const bool under = font_.underline || (ch.key && !hideKeys);
            for (int32_t t = 0; t < face.lineThickness(); ++t) {
                for (int32_t px = x; px < x + g.advance; ++px) {
                    if (under) put(px, baseline + face.underlineOffset() + t, fg, 255);
                    if (font_.strikethrough) put(px, baseline - m.ascent / 3 + t, fg, 255);
                }
            }
            x += g.advance;
        }
    }
    return result;
}

bool DeviceContext::textOut(int32_t x, int32_t y, std::string_view text) {
    const Size s = textExtent(text);
    Rect rc{x, y, x + s.cx, y + s.cy};
    drawText(text, rc, dt::kSingleLine | dt::kNoPrefix | dt::kNoClip);
    return true;
}

}  // namespace qv::gfx
