// Popup menus: which entries take a line, and the highlighted one.
#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/menu_paint.h"

namespace qv::present {
namespace {

TEST(MenuRender, VisibleEntriesTakeALineSeparatorsLessAndTheHighlightedOneIsMarked) {
    forms::Form f("frmMenu");
    forms::Menu popup(f, "mnuPopup"), a(f, "mnuA"), sep(f, "mnuSep"), hidden(f, "mnuHidden"), b(f, "mnuB");
    for (forms::Menu* m : {&a, &sep, &hidden, &b}) m->ParentMenu(&popup);
    a.Caption("First");
    sep.Caption("-");
    hidden.Caption("Hidden");
    hidden.Visible(false);
    b.Caption("Second");
    // Two lines of 17 pixels, a separator of 8 and a three-pixel border round them.
    const gfx::Canvas plain = forms::renderMenu(popup);
    EXPECT_EQ(plain.height(), 2 * 17 + 8 + 2 * 3);
    const int secondRow = 3 + 17 + 8 + 2;
    EXPECT_EQ(plain.pixel(5, secondRow), gfx::sysColour(gfx::kColourMenu));
    // The second visible entry after the separator is number 3.
    const gfx::Canvas hot = forms::renderMenu(popup, 3);
    EXPECT_EQ(hot.pixel(5, secondRow), gfx::sysColour(gfx::kColourHighlight));
    EXPECT_EQ(hot.pixel(5, 3 + 2), gfx::sysColour(gfx::kColourMenu));

    forms::Menu empty(f, "mnuEmpty");
    EXPECT_EQ(forms::renderMenu(empty).width(), 0);
}

}  // namespace
}  // namespace qv::present
