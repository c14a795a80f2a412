// The reference picture of isButton: every look in every state, side by side at 1:1, each button
// as its window shows it on the form's surface, cut by its window region onto the form's colour,
// in the state real input on its window put it in. Each run draws it again
// and compares it with tests/fixtures/controls/button_looks.png by tolerance (text may move a
// little with another font library); QV_WRITE_FIXTURES=1 writes it afresh instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "button_test_host.h"
#include "platform/gfx/png_io.h"
#include "platform/present/image_compare.h"

namespace qv::controls {
namespace {

constexpr int kLabelWidth = 78, kHeaderHeight = 22, kCellWidth = 89, kCellHeight = 31;
constexpr int kButtonWidth = 75, kButtonHeight = 23;

class ButtonPictureTest : public testing::ButtonHostTest {
protected:
    ButtonPictureTest() {
        form_.Move(0, 0, 3000, 1500);
        form_.Show();
        button_ = std::make_unique<isButton>(form_, "cmdAllow");
        button_->Move(300, 300, kButtonWidth * 15, kButtonHeight * 15);
        button_->site();
        button_->Caption("Allow");
    }

    // The button's place on the form's surface once the loop has painted what changed: the
    // button's window within its region, the form's colour outside it.
    void stamp(gfx::Canvas& picture, int left, int top) {
        ws_.updateWindow(form_.hWnd());
        const gfx::Canvas* s = ws_.surface(form_.hWnd());
        ASSERT_NE(s, nullptr);
        const gui::Rect form = ws_.windowRect(form_.hWnd()), r = ws_.windowRect(button_->hWnd());
        for (int y = 0; y < int(r.height()); ++y)
            for (int x = 0; x < int(r.width()); ++x)
                picture.setPixel(left + x, top + y, s->pixel(r.left - form.left + x, r.top - form.top + y));
    }
    void away() {
        moveTo({1000, 1000});
        clock_.advance(1000);
    }

    std::unique_ptr<isButton> button_;
};

TEST_F(ButtonPictureTest, EveryLookInEveryState) {
    struct Row {
        const char* label;
        int style;
        bool custom;
    };
    const Row rows[] = {{"0 standard", 0, false}, {"1 flat", 1, false},   {"2 toolbar", 2, false},
                        {"3 corners", 3, false},  {"4 light", 4, false},  {"5", 5, false},
                        {"5 custom", 5, true},    {"7 soft", 7, false},   {"8 bevel", 8, false},
                        {"9 gloss", 9, false},    {"10 round", 10, false}};
    struct Column {
        const char* label;
        std::function<void(gfx::Canvas&, int, int)> draw;
    };
    const Column columns[] = {
        {"normal", [&](gfx::Canvas& p, int x, int y) { away(), stamp(p, x, y); }},
        {"hot", [&](gfx::Canvas& p, int x, int y) { moveTo(middleOf(*button_)), stamp(p, x, y), away(); }},
        {"pressed",
         [&](gfx::Canvas& p, int x, int y) { moveTo(middleOf(*button_)), press(), stamp(p, x, y), release(), away(); }},
        {"disabled",
         [&](gfx::Canvas& p, int x, int y) { button_->Enabled(false), stamp(p, x, y), button_->Enabled(true); }},
        {"focused",
         [&](gfx::Canvas& p, int x, int y) { ws_.setFocus(button_->hWnd()), stamp(p, x, y), ws_.setFocus(0); }},
    };
    const int width = kLabelWidth + kCellWidth * int(std::size(columns));
    const int height = kHeaderHeight + kCellHeight * int(std::size(rows));
    gfx::Canvas picture(width, height, gfx::sysColour(gfx::kColourButtonFace));
    gfx::DeviceContext dc(picture);
    dc.selectFont(gfx::Font{"MS Sans Serif", 8.25});
    dc.setBkMode(gfx::BackgroundMode::Transparent);
    dc.setTextColour(0);
    for (std::size_t c = 0; c < std::size(columns); ++c) {
        gfx::Rect r{kLabelWidth + kCellWidth * int(c), 0, kLabelWidth + kCellWidth * int(c + 1), kHeaderHeight};
        dc.drawText(columns[c].label, r, gfx::dt::kCenter | gfx::dt::kVCenter | gfx::dt::kSingleLine);
    }
    button_->ShowFocus(true);
    // Used by the custom row only.
    button_->BackColor(gfx::rgb(0xD4, 0xD0, 0xC8));
    button_->HighlightColor(gfx::rgb(0x31, 0x6A, 0xC5));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const int top = kHeaderHeight + kCellHeight * int(i);
        gfx::Rect r{6, top, kLabelWidth, top + kCellHeight};
        dc.drawText(rows[i].label, r, gfx::dt::kLeft | gfx::dt::kVCenter | gfx::dt::kSingleLine);
        button_->UseCustomColors(rows[i].custom);
        button_->Style(rows[i].style);
        for (std::size_t c = 0; c < std::size(columns); ++c) {
            SCOPED_TRACE(std::string(rows[i].label) + " " + columns[c].label);
            columns[c].draw(picture, kLabelWidth + kCellWidth * int(c) + (kCellWidth - kButtonWidth) / 2,
                            top + (kCellHeight - kButtonHeight) / 2);
        }
    }

    const std::string folder = std::string(QV_FIXTURES) + "/controls";
    const std::string path = folder + "/button_looks.png";
    if (std::getenv("QV_WRITE_FIXTURES") != nullptr) {
        ASSERT_TRUE(gfx::writePng(picture, path));
        GTEST_SKIP() << "written to " << path;
    }
    const auto reference = present::readPng(path);
    ASSERT_TRUE(reference.has_value()) << "cannot read " << path;
    const present::ImageDifference d = present::compareImages(picture, *reference, 64);
    if (!d.within(0.002)) gfx::writePng(picture, "button_looks.actual.png");
    EXPECT_TRUE(d.sameSize);
    EXPECT_LE(d.share(), 0.002) << d.differing << " of " << d.pixels << " pixels differ";
}

}  // namespace
}  // namespace qv::controls
