// DrawText's formats, checked through the pixels they give: the same text drawn with two
// formats must land the same glyph pixels moved by the offset the formats imply.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "platform/gfx/device_context.h"

namespace qv::gfx::testing {
namespace {

using Ink = std::map<std::pair<int, int>, Colour>;

class DrawTextTest : public ::testing::Test {
protected:
    static constexpr int kW = 160, kH = 80;

    // The pixels (other than white) that the text leaves on a fresh canvas.
    Ink draw(std::string_view text, Rect rc, unsigned format, int32_t* result = nullptr) {
        Canvas canvas(kW, kH);
        DeviceContext dc(canvas);
        dc.setTextColour(0);
        dc.setBkMode(BackgroundMode::Transparent);
        const int32_t r = dc.drawText(text, rc, format);
        if (result) *result = r;
        Ink ink;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (canvas.pixel(x, y) != rgb(255, 255, 255)) ink[{x, y}] = canvas.pixel(x, y);
        return ink;
    }
    static Ink shifted(const Ink& ink, int dx, int dy) {
        Ink out;
        for (const auto& [p, c] : ink) out[{p.first + dx, p.second + dy}] = c;
        return out;
    }
    // The rows that hold ink.
    static std::pair<int, int> rows(const Ink& ink) {
        int lo = kH, hi = -1;
        for (const auto& [p, c] : ink) lo = std::min(lo, p.second), hi = std::max(hi, p.second);
        return {lo, hi};
    }
    int width(std::string_view text) const { return textExtent(Font{}, text).cx; }
    int lineHeight() const { return fontMetrics(Font{}).height; }

    const Rect box{10, 5, 150, 75};  // 140 by 70
};

TEST_F(DrawTextTest, AlignmentMovesTheLineByWhatIsLeftOfTheWidth) {
    const Ink left = draw("Allow", box, dt::kLeft | dt::kSingleLine);
    ASSERT_FALSE(left.empty());
    EXPECT_GE(left.begin()->first.first, box.left);
    const int spare = int(box.width()) - width("Allow");
    EXPECT_EQ(draw("Allow", box, dt::kRight | dt::kSingleLine), shifted(left, spare, 0));
    EXPECT_EQ(draw("Allow", box, dt::kCenter | dt::kSingleLine), shifted(left, spare / 2, 0));
    // Each line of a multi-line text is aligned on its own.
    const Ink two = draw("Allow\nAllow all", box, dt::kRight);
    const Ink firstOnly = draw("Allow", box, dt::kRight);
    for (const auto& [p, c] : firstOnly) EXPECT_EQ(two.count(p), 1u) << p.first << "," << p.second;
}

TEST_F(DrawTextTest, VerticalPlacementTakesEffectOnASingleLineOnly) {
    int32_t h = 0;
    const Ink top = draw("Block", box, dt::kSingleLine, &h);
    EXPECT_EQ(h, lineHeight());
    const int spare = int(box.height()) - lineHeight();
    EXPECT_EQ(draw("Block", box, dt::kSingleLine | dt::kVCenter, &h), shifted(top, 0, spare / 2));
    EXPECT_EQ(h, spare / 2 + lineHeight());  // the bottom of the text below rc's top
    EXPECT_EQ(draw("Block", box, dt::kSingleLine | dt::kBottom, &h), shifted(top, 0, spare));
    EXPECT_EQ(h, int(box.height()));
    EXPECT_EQ(draw("Block", box, dt::kVCenter), top);
    EXPECT_EQ(draw("Block", box, dt::kBottom), top);
}

TEST_F(DrawTextTest, LineBreaksCountUnlessSingleLineAndCalcRectMeasuresWithoutDrawing) {
    const Ink oneLine = draw("Ask\r\nAll", box, dt::kSingleLine);
    EXPECT_LT(rows(oneLine).second, box.top + lineHeight());
    EXPECT_EQ(oneLine, draw("AskAll", box, dt::kSingleLine));  // the line ends show nothing

    const Ink twoLines = draw("Ask\r\nAll", box, 0);
    EXPECT_GE(rows(twoLines).second, box.top + lineHeight());
    EXPECT_EQ(draw("Ask\nAll", box, 0), twoLines);

    Rect rc{10, 5, 11, 6};
    int32_t h = 0;
    EXPECT_TRUE(draw("Ask\r\nAll of it", rc, dt::kCalcRect, &h).empty());
    EXPECT_EQ(h, 2 * lineHeight());
    Canvas c(1, 1);
    DeviceContext dc(c);
    dc.drawText("Ask\r\nAll of it", rc, dt::kCalcRect);
    EXPECT_EQ(rc, (Rect{10, 5, 10 + width("All of it"), 5 + 2 * lineHeight()}));
    rc = Rect{10, 5, 11, 6};
    dc.drawText("&&Ask\r\nAll", rc, dt::kCalcRect | dt::kSingleLine);
    EXPECT_EQ(rc, (Rect{10, 5, 10 + width("&AskAll"), 5 + lineHeight()}));
}

TEST_F(DrawTextTest, WordBreakWrapsAtBlanksAndKeepsALongWordWhole) {
    const int narrow = width("Terminate") + 4;  // room for one word, not two
    const Rect rc{10, 5, 10 + narrow, 75};
    const Ink wrapped = draw("Terminate process", rc, dt::kWordBreak);
    const Ink byHand = draw("Terminate\nprocess", rc, 0);
    EXPECT_EQ(wrapped, byHand);

    Rect calc = rc;
    Canvas c(1, 1);
    DeviceContext dc(c);
    EXPECT_EQ(dc.drawText("Terminate process", calc, dt::kWordBreak | dt::kCalcRect), 2 * lineHeight());
    EXPECT_EQ(calc.right, 10 + width("Terminate"));

    // Too long for the line: one word stays on one line (and is cut at the rectangle).
    const Rect tiny{10, 5, 30, 75};
    const Ink word = draw("Terminate", tiny, dt::kWordBreak);
    EXPECT_LT(rows(word).second, tiny.top + lineHeight());
    for (const auto& [p, colour] : word) EXPECT_LT(p.first, tiny.right);
    // Without word break the text stays on one line.
    EXPECT_LT(rows(draw("Terminate process", rc, 0)).second, rc.top + lineHeight());
}

TEST_F(DrawTextTest, AnAmpersandUnderlinesTheNextCharacterAndTwoShowOne) {
    const Ink plain = draw("OK", box, dt::kSingleLine);
    const Ink keyed = draw("&OK", box, dt::kSingleLine);
    // The same glyphs, with a line under the O alone.
    const int oWidth = width("O");
    int underline = 0;
    for (const auto& [p, c] : keyed) {
        if (plain.count(p)) continue;
        ++underline;
        EXPECT_GE(p.first, box.left);
        EXPECT_LT(p.first, box.left + oWidth);
        EXPECT_GT(p.second, rows(plain).first);
    }
    EXPECT_GE(underline, oWidth);
    for (const auto& [p, c] : plain) EXPECT_EQ(keyed.count(p), 1u);

    EXPECT_EQ(draw("&OK", box, dt::kSingleLine | dt::kHidePrefix), plain);
    EXPECT_EQ(draw("Save && close", box, dt::kSingleLine), draw("Save & close", box, dt::kSingleLine | dt::kNoPrefix));
    EXPECT_NE(draw("&OK", box, dt::kSingleLine | dt::kNoPrefix), keyed);  // the "&" itself shows
    EXPECT_EQ(draw("OK&", box, dt::kSingleLine), plain);                  // a lone last "&" shows nothing
}

// Right-to-left reading keeps a run of letters in its order and moves the blanks and
// punctuation at its ends to the other side, as a right-to-left desktop shows them.
TEST_F(DrawTextTest, RightToLeftReadingMovesEndPunctuationToTheOtherSide) {
    struct Case {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Allow?", "?Allow"},
        {"Block all:", ":Block all"},
        {"1. Ask!", "!1. Ask"},
        {"- Trust -", "- Trust -"},
        {"...", "..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(draw(c.text, box, dt::kSingleLine | dt::kRtlReading), draw(c.shown, box, dt::kSingleLine))
            << c.text;
    }
    // Alignment is applied to the reordered line as to any other.
    EXPECT_EQ(draw("Allow?", box, dt::kSingleLine | dt::kRight | dt::kRtlReading),
              draw("?Allow", box, dt::kSingleLine | dt::kRight));
}

TEST_F(DrawTextTest, NothingIsDrawnOutsideTheRectangleUnlessNoClip) {
    const Rect small{20, 10, 40, 20};
    const Ink clipped = draw("Firewall Graphical Statistic", small, dt::kSingleLine);
    ASSERT_FALSE(clipped.empty());
    for (const auto& [p, c] : clipped) {
        EXPECT_TRUE(small.contains(p.first, p.second)) << p.first << "," << p.second;
    }
    const Ink free = draw("Firewall Graphical Statistic", small, dt::kSingleLine | dt::kNoClip);
    EXPECT_GT(free.size(), clipped.size());
}

}  // namespace
}  // namespace qv::gfx::testing
