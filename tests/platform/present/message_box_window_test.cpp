// Message boxes as modal windows: their buttons by style, the default button, Escape and the
// close box, letters, and the program's other windows held off while one is up.
#include "platform/present/message_box_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/present/message_box_layout.h"
#include "tests/platform/present/dialog_fixture.h"

namespace qv::present::testing {
namespace {

class MessageBoxWindowTest : public DialogTest {
protected:
    gui::HWnd box() const { return ws_.findWindow(kMessageBoxClass, "Quarvelin"); }
    // Left to right.
    std::vector<gui::HWnd> buttons() const {
        std::vector<gui::HWnd> out = ws_.children(box());
        std::sort(out.begin(), out.end(),
                  [&](gui::HWnd a, gui::HWnd b) { return ws_.windowRect(a).left < ws_.windowRect(b).left; });
        return out;
    }
    // The button of the caption, from the box on screen.
    gui::HWnd button(const std::string& caption) const {
        for (gui::HWnd b : buttons())
            if (ws_.text(b) == caption) return b;
        return 0;
    }
    int show(int style) { return showMessageBox(ws_, {"Block this connection?", "Quarvelin", style}, {640, 512}); }
};

TEST_F(MessageBoxWindowTest, TheStylesButtonsShowInOrderWithTheDefaultFocused) {
    struct Case {
        int style;
        std::vector<std::string> captions;
        std::string focused;
    };
    const Case cases[] = {
        {0, {"OK"}, "OK"},
        {1 + 256, {"OK", "Cancel"}, "Cancel"},
        {2, {"&Abort", "&Retry", "&Ignore"}, "&Abort"},
        {3 + 512, {"&Yes", "&No", "Cancel"}, "Cancel"},
        {4 + 32, {"&Yes", "&No"}, "&Yes"},
        {5 + 48, {"&Retry", "Cancel"}, "&Retry"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> captions;
        std::string focused;
        soon([&] {
            for (gui::HWnd b : buttons()) captions.push_back(ws_.text(b));
            focused = ws_.text(ws_.focus());
            ws_.keyPress(gui::VK_RETURN);
        });
        show(c.style);
        EXPECT_EQ(captions, c.captions) << c.style;
        EXPECT_EQ(focused, c.focused) << c.style;
    }
}

TEST_F(MessageBoxWindowTest, AClickOnAButtonAnswersAndThePressMustEndOnIt) {
    // Pressed on Yes but let go elsewhere: nothing; then a real click on No.
    soon([&] {
        ws_.mouseMoveTo(centreOf(button("&Yes")));
        ws_.mouseButtonDown(gui::MouseButton::Left);
        soon([&] {
            ws_.mouseMoveTo({5, 5});
            ws_.mouseButtonUp(gui::MouseButton::Left);
            soon([&] { clickAt(centreOf(button("&No"))); });
        });
    });
    EXPECT_EQ(show(4), forms::vbNo);
}

TEST_F(MessageBoxWindowTest, EscapeAndTheCloseBoxAnswerOnlyWhereWindowsLetsThem) {
    struct Case {
        int style;
        int escape;  // 0: Escape leaves the box up
    };
    const Case cases[] = {{0, forms::vbOK}, {1, forms::vbCancel}, {3, forms::vbCancel}, {4, 0}, {2, 0}};
    for (const Case& c : cases) {
        for (bool closeBox : {false, true}) {
            soon([&] {
                if (closeBox) {
                    ws_.sendMessage(box(), gui::WM_CLOSE);
                } else {
                    ws_.keyPress(gui::VK_ESCAPE);
                }
                // Where that does not answer, the first button does.
                if (!c.escape) soon([&] { clickAt(centreOf(buttons().front())); });
            });
            const int answer = show(c.style);
            const int first = forms::MessageBoxRequest{"", "", c.style}.buttons().front();
            EXPECT_EQ(answer, c.escape ? c.escape : first) << c.style << (closeBox ? " close box" : " escape");
        }
    }
}

TEST_F(MessageBoxWindowTest, KeysMoveTheFocusAndPressButtons) {
    soon([&] { ws_.keyPress('N'); });
    EXPECT_EQ(show(4), forms::vbNo);
    // One key at a time, as the loop takes them: each goes where the focus is by then.
    soon([&] {
        ws_.keyPress(gui::VK_RIGHT);
        soon([&] { ws_.keyPress(gui::VK_SPACE); });
    });
    EXPECT_EQ(show(3), forms::vbNo);
    soon([&] {
        ws_.keyPress(gui::VK_TAB);
        soon([&] {
            ws_.keyPress(gui::VK_TAB);
            soon([&] { ws_.keyPress(gui::VK_RETURN); });
        });
    });
    EXPECT_EQ(show(3), forms::vbCancel);
}

TEST_F(MessageBoxWindowTest, OtherWindowsTakeNoInputWhileTheBoxIsUp) {
    ws_.registerClass(gui::WindowClass{"Plain", {}});
    gui::CreateParams p;
    p.className = "Plain";
    p.style = gui::WS_POPUP | gui::WS_VISIBLE;
    p.width = 100;
    p.height = 100;
    const gui::HWnd main = ws_.createWindow(p);
    bool enabledMeanwhile = true;
    soon([&] {
        enabledMeanwhile = ws_.isEnabled(main);
        EXPECT_EQ(ws_.owner(box()), 0);
        clickAt(centreOf(button("OK")));
    });
    EXPECT_EQ(show(64), forms::vbOK);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(ws_.isEnabled(main));
    EXPECT_EQ(box(), 0);  // gone
}

TEST(MessageBoxLayoutTest, TheTextSitsBesideTheIconAndTheButtonsAreCentredBelowBoth) {
    const MessageBoxLayout plain = layoutMessageBox({"Short", "t", 0});
    EXPECT_TRUE(plain.icon.isEmpty());
    EXPECT_EQ(plain.text.left, 12);
    const MessageBoxLayout withIcon = layoutMessageBox({"Short", "t", 4 + 48});
    EXPECT_EQ(withIcon.icon, (gfx::Rect{12, 12, 44, 44}));
    EXPECT_GE(withIcon.text.left, withIcon.icon.right);
    ASSERT_EQ(withIcon.buttons.size(), 2u);
    EXPECT_GE(withIcon.buttons[0].rect.top, withIcon.icon.bottom);
    const int rowLeft = withIcon.buttons[0].rect.left, rowRight = withIcon.buttons[1].rect.right;
    EXPECT_LE(std::abs(rowLeft - (withIcon.width - rowRight)), 1);
    // A long text wraps instead of making the box as wide as the line.
    std::string words;
    for (int i = 0; i < 40; ++i) words += "connection ";
    const MessageBoxLayout longText = layoutMessageBox({words, "t", 0});
    EXPECT_LT(longText.width, 500);
    EXPECT_GT(longText.text.height(), withIcon.text.height());
}

}  // namespace
}  // namespace qv::present::testing
