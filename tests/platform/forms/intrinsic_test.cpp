// A small form with one intrinsic control of each kind, loaded from its design and driven by
// injected clicks and keys and a fake clock: text boxes, option groups, buttons, lists, popup
// menus, the form's own geometry and mouse events, and a modal Show.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/basic_error.h"
#include "platform/base/clock.h"
#include "platform/forms/control_array.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/label.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/picture_box.h"
#include "platform/forms/intrinsic/shapes.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/intrinsic/timer.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

std::vector<std::string> journal;

class frmIntrinsic : public Form {
public:
    frmIntrinsic() : Form("frmIntrinsic", "frmIntrinsic") {
        lblStatus.Click = [] { journal.push_back("lblStatus_Click"); };
        txtport.Change = [this] { journal.push_back("txtport_Change " + txtport.Text()); };
        // Only digits reach the port box.
        txtport.KeyPress = [](int& key) {
            if (key != 8 && key != 13 && (key < '0' || key > '9')) key = 0;
        };
        txtLog.Change = [] { journal.push_back("txtLog_Change"); };
        cmdSend.Click = [] { journal.push_back("cmdSend_Click"); };
        cmdExit.Click = [] { journal.push_back("cmdExit_Click"); };
        optEM.on(&OptionButton::Click, [](int i) { journal.push_back("optEM_Click " + std::to_string(i)); });
        List1.Click = [this] { journal.push_back("List1_Click " + List1.Text()); };
        cboLevel.Click = [this] { journal.push_back("cboLevel_Click " + cboLevel.Text()); };
        cboHost.Click = [this] { journal.push_back("cboHost_Click " + cboHost.Text()); };
        cboHost.Change = [this] { journal.push_back("cboHost_Change " + cboHost.Text()); };
        mnuBlock.Click = [] { journal.push_back("mnuBlock_Click"); };
        mnuHello.Click = [] { journal.push_back("mnuHello_Click"); };
        mnuRem.Click = [] { journal.push_back("mnuRem_Click"); };
        tmrCon.Tick = [this] {
            journal.push_back("tmrCon_Timer");
            if (unloadOnTick) Unload(*this);
        };
    }
    ~frmIntrinsic() override { journal.push_back("destroyed"); }

    void Form_MouseDown(int b, int, float x, float y) override { journal.push_back(mouse("MouseDown", b, x, y)); }
    void Form_MouseUp(int b, int, float x, float y) override { journal.push_back(mouse("MouseUp", b, x, y)); }
    void Form_Click() override { journal.push_back("Form_Click"); }
    void Form_Terminate() override { journal.push_back("Terminate"); }

    Label lblStatus{*this, "lblStatus"};
    TextBox txtport{*this, "txtport"};
    TextBox txtLog{*this, "txtLog"};
    CommandButton cmdSend{*this, "cmdSend"};
    CommandButton cmdExit{*this, "cmdExit"};
    Frame fraOS{*this, "fraOS"};
    ControlArray<OptionButton> optEM{*this, "optEM"};
    ListBox List1{*this, "List1"};
    ComboBox cboLevel{*this, "cboLevel"};
    ComboBox cboHost{*this, "cboHost"};
    PictureBox PicHiddenData{*this, "PicHiddenData"};
    Image Image1{*this, "Image1"};
    Shape Shape1{*this, "Shape1"};
    Line Line1{*this, "Line1"};
    Timer tmrCon{*this, "tmrCon"};
    Menu mnuKport{*this, "mnuKport"};
    Menu mnuBlock{*this, "mnuBlock"};
    Menu mnuHello{*this, "mnuHello"};
    Menu mnuSep{*this, "mnuSep"};
    Menu mnuRem{*this, "mnuRem"};
    bool unloadOnTick = false;

private:
    static std::string mouse(const char* what, int b, float x, float y) {
        return std::string(what) + " " + std::to_string(b) + " " + std::to_string(int(x)) + "," + std::to_string(int(y));
    }
};

class Intrinsic : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        setDesignFolder(QV_FIXTURES "/forms");
    }
    void TearDown() override {
        setPopupHandler(nullptr);
        setIdleHook(nullptr);
        resetForms();
    }
    frmIntrinsic& shown() {
        frmIntrinsic& f = Default<frmIntrinsic>();
        f.Show();
        journal.clear();
        return f;
    }
    // A point of a control in pixels of the form's client area, dx and dy pixels in from its
    // top left corner.
    static std::pair<int, int> at(const Control& c, int dx, int dy) {
        return {twipsToPixels(c.formLeft()) + dx, twipsToPixels(c.formTop()) + dy};
    }
    void clickAt(Form& f, std::pair<int, int> p, int button = kLeftButton) { f.injectClick(p.first, p.second, button); }
    base::FakeClock clock;
    base::ScopedClock scoped{clock};
};

TEST_F(Intrinsic, TextBoxesRaiseChangeForTypingAndCodeWithinTheirLimits) {
    frmIntrinsic& f = shown();
    f.txtport.SetFocus();
    for (char ch : std::string("8a08012")) f.injectKeyPress(static_cast<unsigned char>(ch));
    EXPECT_EQ(f.txtport.Text(), "80801") << "the handler dropped the letter; MaxLength 5 the last digit";
    f.injectKeyPress(8);  // Backspace
    f.injectKeyPress(13);  // a single-line box ignores Enter
    EXPECT_EQ(f.txtport.Text(), "8080");
    f.txtport.Text("8080");  // the same text: no Change
    f.txtport.Text("123456789");  // code is not bound by MaxLength
    EXPECT_EQ(journal, (std::vector<std::string>{"txtport_Change 8", "txtport_Change 80", "txtport_Change 808",
                                                 "txtport_Change 8080", "txtport_Change 80801", "txtport_Change 8080",
                                                 "txtport_Change 123456789"}));

    journal.clear();
    f.txtLog.SetFocus();
    f.injectKeyPress('a');
    f.injectKeyPress(13);
    f.injectKeyPress('b');
    EXPECT_EQ(f.txtLog.Text(), "a\r\nb") << "Enter in a multi-line box breaks the line";
    f.txtLog.SelStart(1);
    f.txtLog.SelLength(2);
    f.txtLog.SelText(" ");
    EXPECT_EQ(f.txtLog.Text(), "a b");
    f.txtLog.Locked(true);
    f.injectKeyPress('c');
    EXPECT_EQ(f.txtLog.Text(), "a b") << "a locked box takes no typing";
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "txtLog_Change"), 4);
}

TEST_F(Intrinsic, OptionButtonsFormOneGroupPerContainer) {
    frmIntrinsic& f = shown();
    ASSERT_EQ(f.optEM.Count(), 4);
    EXPECT_EQ(f.optEM(0).Container(), &f.fraOS);
    EXPECT_TRUE(f.optEM(0).Value());
    EXPECT_TRUE(f.optEM(4).Value()) << "each group keeps its own designer choice";

    clickAt(f, at(f.optEM(1), 4, 4));
    EXPECT_TRUE(f.optEM(1).Value());
    EXPECT_FALSE(f.optEM(0).Value());
    EXPECT_TRUE(f.optEM(4).Value()) << "the group on the form is another group";
    f.optEM(5).Value(true);
    EXPECT_FALSE(f.optEM(4).Value());
    EXPECT_TRUE(f.optEM(1).Value());
    f.optEM(5).Value(false);
    EXPECT_FALSE(f.optEM(5).Value());
    EXPECT_EQ(journal, (std::vector<std::string>{"optEM_Click 1", "optEM_Click 5"}));
}

TEST_F(Intrinsic, ClicksReachTheControlUnderThePointerOnlyWhenReleasedOverIt) {
    frmIntrinsic& f = shown();
    clickAt(f, at(f.cmdSend, 10, 10));
    clickAt(f, at(f.cmdSend, 10, 10), kRightButton);  // no Click for the right button
    clickAt(f, at(f.cmdExit, 10, 10));                // disabled
    clickAt(f, at(f.lblStatus, 3, 3));
    // Pressed on the button, released outside it: no Click.
    auto [x, y] = at(f.cmdSend, 10, 10);
    f.injectMouseDown(kLeftButton, 0, x, y);
    f.injectMouseUp(kLeftButton, 0, x, y + 40);
    f.cmdExit.Enabled(true);
    f.cmdExit.Value(true);  // code presses it
    EXPECT_EQ(journal, (std::vector<std::string>{"cmdSend_Click", "lblStatus_Click", "cmdExit_Click"}));
    f.cmdExit.Value(false);
    EXPECT_EQ(journal.size(), 3u);

    // The bare client area is the form's own, in twips.
    journal.clear();
    clickAt(f, {380, 10});
    EXPECT_EQ(journal, (std::vector<std::string>{"MouseDown 1 5700,150", "MouseUp 1 5700,150", "Form_Click"}));
}

// A drop-down combo box opens its list in a window of its own below it; the person picks a row
// with the pointer or the keys, or closes the list with nothing picked.
TEST_F(Intrinsic, ADropDownComboBoxOpensItsListAndTakesTheRowPicked) {
    frmIntrinsic& f = shown();
    gui::WindowSystem& ws = gui::windows();
    ComboBox& box = f.cboLevel;
    auto open = [&] {
        clickAt(f, at(box, 10, 8));
        return box.dropDownList();
    };
    auto press = [&](gui::Point p) {
        ws.mouseMoveTo(p);
        ws.mouseButtonDown(gui::MouseButton::Left);
        ws.doEvents();
    };
    auto release = [&] {
        ws.mouseButtonUp(gui::MouseButton::Left);
        ws.doEvents();
    };

    const gui::HWnd list = open();
    ASSERT_NE(list, 0);
    EXPECT_EQ(ws.className(list), "QvComboList");
    const gui::Rect boxRect = ws.windowRect(box.hWnd()), listRect = ws.windowRect(list);
    EXPECT_EQ(listRect.left, boxRect.left);
    EXPECT_EQ(listRect.top, boxRect.bottom);
    EXPECT_EQ(listRect.width(), boxRect.width());
    EXPECT_EQ(listRect.height(), 3 * ListBox::kRowPixels + 2) << "three rows in a one-pixel frame";
    EXPECT_TRUE(ws.isTopmost(list));
    EXPECT_TRUE(journal.empty()) << "opening picks nothing";
    // The third row, High.
    const gui::Point high{int(listRect.left + 20), int(listRect.top + 1 + 2 * ListBox::kRowPixels + 5)};
    EXPECT_EQ(ws.windowFromPoint(high), list);
    press(high);
    release();
    EXPECT_EQ(box.dropDownList(), 0);
    EXPECT_FALSE(ws.isWindow(list));
    EXPECT_EQ(box.Text(), "High");
    EXPECT_EQ(journal, (std::vector<std::string>{"cboLevel_Click High"}));

    // A press outside the list closes it; it reaches nothing else.
    journal.clear();
    ASSERT_NE(open(), 0);
    const gui::Rect formRect = ws.windowRect(f.hWnd());
    press({int(formRect.right - 5), int(formRect.bottom - 5)});
    release();
    EXPECT_EQ(box.dropDownList(), 0);
    EXPECT_EQ(box.Text(), "High");
    EXPECT_TRUE(journal.empty());

    // The keys: on the open list Up moves the highlight and Enter picks; Escape closes it with
    // nothing picked; on the closed box Up and Down pick the item before or after.
    ASSERT_NE(open(), 0);
    f.injectKeyDown(gui::VK_UP);
    f.injectKeyDown(gui::VK_RETURN);
    EXPECT_EQ(box.dropDownList(), 0);
    EXPECT_EQ(box.Text(), "Medium");
    ASSERT_NE(open(), 0);
    f.injectKeyDown(gui::VK_DOWN);
    f.injectKeyDown(gui::VK_ESCAPE);
    EXPECT_EQ(box.dropDownList(), 0);
    EXPECT_EQ(box.Text(), "Medium");
    f.injectKeyDown(gui::VK_UP);
    f.injectKeyDown(gui::VK_UP);
    EXPECT_EQ(box.Text(), "Low");
    f.injectKeyDown(gui::VK_DOWN);
    EXPECT_EQ(journal, (std::vector<std::string>{"cboLevel_Click Medium", "cboLevel_Click Low", "cboLevel_Click Medium"}));

    // The list goes with its box's window.
    ASSERT_NE(open(), 0);
    const gui::HWnd last = box.dropDownList();
    Unload(f);
    EXPECT_FALSE(ws.isWindow(last));
}

TEST_F(Intrinsic, ListsSelectTheRowUnderTheClickAndComboBoxesKeepTextAndList) {
    frmIntrinsic& f = shown();
    // Rows are 13 pixels high inside a 2-pixel border: the last pixel of row 0 and the first of row 1.
    clickAt(f, at(f.List1, 10, 2 + 12));
    EXPECT_EQ(f.List1.ListIndex(), 0);
    clickAt(f, at(f.List1, 10, 2 + 13));
    EXPECT_EQ(f.List1.ListIndex(), 1);
    clickAt(f, at(f.List1, 10, 2 + 13 * 5));  // below the last item
    EXPECT_EQ(f.List1.ListIndex(), 1);
    f.List1.AddItem("Zeroth", 0);
    EXPECT_EQ(f.List1.ListIndex(), 2) << "the selection stays on its item";
    EXPECT_EQ(f.List1.Text(), "Second");
    f.List1.RemoveItem(2);
    EXPECT_EQ(f.List1.ListIndex(), -1);
    EXPECT_EQ(journal, (std::vector<std::string>{"List1_Click First", "List1_Click Second"}));

    journal.clear();
    f.cboLevel.ListIndex(1);
    f.cboLevel.choose(1);  // the user picks the same entry again: Click all the same
    f.cboLevel.Text("High");
    EXPECT_EQ(f.cboLevel.ListIndex(), 2);
    struct Refused {
        const char* what;
        std::function<void()> op;
        int number;
    };
    const Refused refused[] = {
        {"text not in a drop-down list", [&] { f.cboLevel.Text("Extreme"); }, 383},
        {"index past the list", [&] { f.cboLevel.ListIndex(3); }, 380},
        {"add past the end", [&] { f.List1.AddItem("x", 9); }, 5},
        {"remove a missing row", [&] { f.List1.RemoveItem(7); }, 5},
    };
    for (const Refused& r : refused) {
        try {
            r.op();
            ADD_FAILURE() << r.what;
        } catch (const base::BasicError& e) {
            EXPECT_EQ(e.number(), r.number) << r.what;
        }
    }
    EXPECT_EQ(f.cboLevel.Text(), "High") << "a refused value changes nothing";

    EXPECT_EQ(f.cboHost.Text(), "127.0.0.1");
    f.cboHost.typeText(":80");
    f.cboHost.choose(0);
    EXPECT_EQ(f.cboHost.Text(), "localhost");
    EXPECT_EQ(journal, (std::vector<std::string>{"cboLevel_Click Medium", "cboLevel_Click Medium",
                                                 "cboLevel_Click High", "cboHost_Change 127.0.0.1:80",
                                                 "cboHost_Click localhost"}));
}

TEST_F(Intrinsic, APopupMenuOpensAtTheCursorAndRunsTheChosenEnabledEntry) {
    frmIntrinsic& f = shown();
    EXPECT_EQ(f.mnuKport.entries(), (std::vector<Menu*>{&f.mnuBlock, &f.mnuHello, &f.mnuSep, &f.mnuRem}));
    EXPECT_TRUE(f.mnuHello.Checked());
    EXPECT_EQ(f.mnuBlock.Tag(), "block");
    EXPECT_TRUE(f.mnuSep.isSeparator());
    EXPECT_FALSE(f.mnuKport.Visible()) << "a popup menu hides from the menu bar";

    std::vector<std::string> opened;
    Menu* pick = &f.mnuBlock;
    setPopupHandler([&](Menu& m, int x, int y) {
        opened.push_back(m.Name() + " at " + std::to_string(x) + "," + std::to_string(y));
        return pick;
    });
    gui::windows().mouseMoveTo({640, 480});
    f.PopupMenu(f.mnuKport);
    gui::windows().mouseMoveTo({10, 20});
    pick = &f.mnuRem;  // disabled: nothing runs
    f.PopupMenu(f.mnuKport);
    pick = nullptr;  // dismissed
    f.PopupMenu(f.mnuKport);
    f.mnuHello.Visible(false);
    pick = &f.mnuHello;  // hidden entries are not offered
    f.PopupMenu(f.mnuKport);
    f.mnuHello.Visible(true);
    f.mnuHello.Caption("Send Command to 127.0.0.1");
    f.PopupMenu(f.mnuKport);
    EXPECT_EQ(opened, (std::vector<std::string>{"mnuKport at 640,480", "mnuKport at 10,20", "mnuKport at 10,20",
                                                "mnuKport at 10,20", "mnuKport at 10,20"}));
    EXPECT_EQ(journal, (std::vector<std::string>{"mnuBlock_Click", "mnuHello_Click"}));
}

TEST_F(Intrinsic, TheFormKeepsTwipsCaptionVisibilityAndItsRegionFromTheDesign) {
    frmIntrinsic& f = Default<frmIntrinsic>();
    EXPECT_EQ(f.Width(), 6000);
    EXPECT_EQ(f.Height(), 4500);
    // A sizable window: 4-pixel borders and a 19-pixel caption bar, 15 twips to a pixel.
    EXPECT_EQ(f.ScaleWidth(), 6000 - 8 * 15);
    EXPECT_EQ(f.ScaleHeight(), 4500 - (8 + 19) * 15);
    ASSERT_EQ(f.windowRegion().size(), 48u);
    EXPECT_EQ(f.windowRegion()[0], 0x20) << "the region's header";
    EXPECT_EQ(f.windowRegion()[32], 0x00);
    EXPECT_EQ(f.windowRegion()[40], 0x90) << "its one rectangle, 400 pixels wide";
    EXPECT_EQ(f.Shape1.Style(), 3);
    EXPECT_EQ(f.Line1.X2(), 5000);
    EXPECT_FALSE(f.PicHiddenData.Visible());

    f.Visible(true);
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(IsVisible<frmIntrinsic>());
    f.Visible(false);
    EXPECT_TRUE(IsLoaded<frmIntrinsic>());
    EXPECT_FALSE(IsVisible<frmIntrinsic>());
    f.Move(15, 30, 3000, 2000);
    EXPECT_EQ(f.Left(), 15);
    EXPECT_EQ(f.Width(), 3000);
    f.Caption("Console Message");
    EXPECT_EQ(f.Caption(), "Console Message");
}

TEST_F(Intrinsic, AModalShowWaitsUntilTheFormGoesAndItsObjectOutlivesTheWait) {
    frmIntrinsic& f = Default<frmIntrinsic>();
    f.tmrCon.Enabled(true);
    f.unloadOnTick = true;
    // Nothing but time can end this wait: let the idle loop move the fake clock.
    setIdleHook([] { advance(100); });
    journal.clear();
    const int64_t start = base::GetTickCount();
    f.Show(1);
    EXPECT_FALSE(f.loaded());
    EXPECT_FALSE(f.isModal());
    EXPECT_EQ(journal, (std::vector<std::string>{"tmrCon_Timer"})) << "the form is released after Show returns";
    EXPECT_EQ(base::GetTickCount() - start, 500);
    DoEvents();
    EXPECT_EQ(journal, (std::vector<std::string>{"tmrCon_Timer", "Terminate", "destroyed"}));
}

}  // namespace
}  // namespace qv::forms
