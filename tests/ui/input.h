#pragma once
// How the window tests act as a person: the pointer moves, presses and releases at points of
// the screen as raw input of the window system, which takes it to the window there (or to the
// capture) and on to the control; keys go to the window with the focus; the tray icon hears the
// shell's mouse messages; popup menus are answered with the pointer in their own windows. Input
// reaches only windows that show.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/sys_tray.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/lists.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/menu_paint.h"
#include "platform/forms/intrinsic/popup_menu.h"
#include "platform/forms/runtime.h"
#include "platform/gui/messages.h"
#include "platform/gui/notification_area.h"
#include "platform/gui/window_system.h"

namespace qv::ui::testing {

// The person's hand on the mouse. Each step goes into the window system at the bottom and is
// delivered before the step returns.
struct Pointer {
    void moveTo(int screenX, int screenY) { moveTo(gui::Point{screenX, screenY}); }
    void moveTo(gui::Point at) {
        gui::windows().mouseMoveTo(at);
        forms::DoEvents();
    }
    void press(int button = forms::kLeftButton) {
        gui::windows().mouseButtonDown(guiButton(button));
        forms::DoEvents();
    }
    void release(int button = forms::kLeftButton) {
        gui::windows().mouseButtonUp(guiButton(button));
        forms::DoEvents();
    }
    void clickAt(gui::Point at, int button = forms::kLeftButton) {
        moveTo(at);
        press(button);
        release(button);
    }
    static gui::MouseButton guiButton(int button) {
        if (button == forms::kRightButton) return gui::MouseButton::Right;
        if (button == forms::kMiddleButton) return gui::MouseButton::Middle;
        return gui::MouseButton::Left;
    }
};

// Brings up the tab pages a control sits on, so it shows.
inline void showPageOf(forms::Control& c) {
    for (forms::Control* at = &c; at->Container() != nullptr; at = at->Container()) {
        if (at->TabPage() < 0) continue;
        if (auto* tab = dynamic_cast<forms::XTab*>(at->Container())) tab->CurrTab(at->TabPage());
    }
}

// A point of the control on the screen, (x, y) pixels from its upper-left corner: on its own
// window, or on its container's window for a windowless control.
inline gui::Point screenPoint(const forms::Control& c, int x, int y) {
    gui::WindowSystem& ws = gui::windows();
    if (c.hWnd() != 0) {
        const gui::Rect r = ws.windowRect(c.hWnd());
        return {r.left + x, r.top + y};
    }
    const gfx::Rect r = c.hostRect();
    return ws.clientToScreen(c.hostWindow(), {r.left + x, r.top + y});
}

// The middle of a control on the screen.
inline gui::Point screenCentre(const forms::Control& c) {
    return screenPoint(c, forms::twipsToPixels(c.Width()) / 2, forms::twipsToPixels(c.Height()) / 2);
}

// Whether a person could click there: the window under the point is the control's own (its
// container's for a windowless control).
inline ::testing::AssertionResult reachable(const forms::Control& c, gui::Point at) {
    const gui::HWnd want = c.hWnd() != 0 ? c.hWnd() : c.hostWindow();
    const gui::HWnd under = gui::windows().windowFromPoint(at);
    if (want != 0 && under == want) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << c.Name() << " is not under the pointer at " << at.x << "," << at.y
                                         << " (its form shows: " << c.Parent().Visible() << ")";
}

// A click in the middle of the control, on the page it sits on.
inline void click(forms::Control& c, int button = forms::kLeftButton) {
    showPageOf(c);
    const gui::Point at = screenCentre(c);
    EXPECT_TRUE(reachable(c, at));
    Pointer{}.clickAt(at, button);
}

// A click on a list item (1-based, as the list shows it now) x pixels from the list's left edge,
// on the page the list sits on.
inline void clickItemAt(forms::ListView& list, int index, int x, int button = forms::kLeftButton) {
    showPageOf(list);
    const int header = list.HideColumnHeaders() ? 0 : forms::ListView::kHeaderPixels;
    const int row = index - list.TopIndex();
    const int y = header + 2 + row * forms::ListView::kRowPixels + forms::ListView::kRowPixels / 2;
    const gui::Point at = screenPoint(list, x, y);
    EXPECT_TRUE(reachable(list, at));
    Pointer{}.clickAt(at, button);
}
// A click on a list item's text.
inline void clickItem(forms::ListView& list, int index, int button = forms::kLeftButton) {
    clickItemAt(list, index, 30, button);
}
// A click on a list item's check box.
inline void clickCheckBox(forms::ListView& list, int index) { clickItemAt(list, index, 9); }

// A person drags a window by its surface at (x, y) pixels from its corner, with the left and
// the right button and with "Make all form moveable" (the main window's Check12) checked and not:
// a press, moves of (10, 5) and then (30, 20) pixels, the release and a move after it. Only the
// left button while the option is checked moves the window, by (30, 20).
inline void expectDraggedOnlyWhileMoveable(forms::Form& window, forms::CheckBox& Check12, int x, int y) {
    struct Case {
        int check12;
        int button;
        int dx, dy;  // where the window ends up, in pixels
    };
    const Case cases[] = {
        {1, forms::kLeftButton, 30, 20},
        {1, forms::kRightButton, 0, 0},
        {0, forms::kLeftButton, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(window.Name() + " " + std::to_string(c.check12) + " / " + std::to_string(c.button));
        window.Move(1500, 1500, window.Width(), window.Height());
        Check12.Value(c.check12);
        Pointer pointer;
        const int px = 100 + x, py = 100 + y;
        pointer.moveTo(px, py);
        pointer.press(c.button);
        pointer.moveTo(px + 10, py + 5);
        pointer.moveTo(px + 30, py + 20);
        pointer.release(c.button);
        pointer.moveTo(px + 60, py + 60);  // after the release the window stays
        EXPECT_EQ(window.Left(), 1500 + c.dx * 15);
        EXPECT_EQ(window.Top(), 1500 + c.dy * 15);
        EXPECT_EQ(gui::windows().windowRect(window.hWnd()).left, 100 + c.dx);
    }
}

// The person types on the keyboard: each character goes to the window with the focus.
inline void typeKeys(const std::string& text) {
    for (char c : text) gui::windows().typeChar(static_cast<unsigned char>(c));
    forms::DoEvents();
}

// Picks an item of a drop-down combo box as a person does: a click on the box opens its list,
// a click on the item's row picks it. Fails the test when the item is not on the list.
inline void chooseItem(forms::ComboBox& combo, const std::string& item) {
    int index = -1;
    for (int i = 0; i < combo.ListCount(); ++i)
        if (combo.List(i) == item) index = i;
    ASSERT_GE(index, 0) << item << " is not on the list of " << combo.Name();
    click(combo);
    const gui::HWnd list = combo.dropDownList();
    ASSERT_NE(list, 0) << combo.Name() << " opened no list";
    const gui::Rect r = gui::windows().windowRect(list);
    const gui::Point at{int(r.left + 10), int(r.top + 1 + index * forms::ListBox::kRowPixels + 6)};
    ASSERT_EQ(gui::windows().windowFromPoint(at), list);
    Pointer{}.clickAt(at);
    EXPECT_EQ(combo.dropDownList(), 0);
}

// The person acts on the tray icon: the shell posts the mouse message to the icon's window and
// the window system delivers it.
inline void trayEvent(controls::cSysTray& tray, gui::MessageId mouseMessage) {
    gui::windows().notificationArea().pointerEvent(tray.hWnd(), 0, mouseMessage);
    forms::DoEvents();
}
inline void trayClick(controls::cSysTray& tray) {
    trayEvent(tray, gui::WM_LBUTTONDOWN);
    trayEvent(tray, gui::WM_LBUTTONUP);
}

// Popup menus open in their own windows, and each is answered with the pointer: once it shows,
// the pointer goes over the entries that lead to the one named `choose` (opening their submenus)
// and clicks it, or ("") clicks outside the menu, which closes it with nothing picked. The
// popups opened are recorded by their menu's name.
struct PopupAnswers {
    std::string choose;
    std::vector<std::string> opened;
    // Runs while the popup is open, before the pointer answers it.
    std::function<void()> meanwhile;

    PopupAnswers() {
        forms::setPopupHandler([this](forms::Menu& popup, int x, int y) -> forms::Menu* {
            opened.push_back(popup.Name());
            forms::post([this, &popup] { answer(popup); });  // runs in the popup's own wait
            return forms::showPopupMenu(popup, x, y);
        });
    }
    ~PopupAnswers() { forms::setPopupHandler({}); }
    PopupAnswers(const PopupAnswers&) = delete;
    PopupAnswers& operator=(const PopupAnswers&) = delete;

    void answer(const forms::Menu& popup) const {
        if (meanwhile) meanwhile();
        gui::WindowSystem& ws = gui::windows();
        if (newestPopup() == 0) {
            ADD_FAILURE() << "the popup " << popup.Name() << " shows no window";
            return;
        }
        if (choose.empty()) {
            const gui::Rect r = ws.windowRect(newestPopup());
            clickAt(ws, {r.left - 20, r.top - 20});
            return;
        }
        std::vector<const forms::Menu*> path;
        if (!pathTo(popup, path)) {
            ADD_FAILURE() << choose << " is not an entry of " << popup.Name() << " that shows";
            return;
        }
        const forms::Menu* level = &popup;
        for (const forms::Menu* entry : path) {
            const gui::Rect r = ws.windowRect(newestPopup());
            ws.mouseMoveTo({r.left + 20, r.top + forms::menuEntryTop(*level, numberOf(*level, *entry)) + 3});
            ws.doEvents();  // a submenu opens beside the entry
            level = entry;
        }
        clickAt(ws, ws.cursorPos());
    }

private:
    static void clickAt(gui::WindowSystem& ws, gui::Point at) {
        ws.mouseMoveTo(at);
        ws.mouseButtonDown(gui::MouseButton::Left);
        ws.mouseButtonUp(gui::MouseButton::Left);
    }
    // The popup window opened last.
    static gui::HWnd newestPopup() {
        gui::WindowSystem& ws = gui::windows();
        for (gui::HWnd h : ws.topLevelWindows())
            if (ws.className(h) == "QvPopupMenu" && ws.isVisible(h)) return h;
        return 0;
    }
    static int numberOf(const forms::Menu& menu, const forms::Menu& entry) {
        const std::vector<forms::Menu*> shown = forms::shownEntries(menu);
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i] == &entry) return static_cast<int>(i) + 1;
        return 0;
    }
    // The shown entries from the menu down to the one to choose, through submenus.
    bool pathTo(const forms::Menu& menu, std::vector<const forms::Menu*>& path) const {
        for (const forms::Menu* m : forms::shownEntries(menu)) {
            path.push_back(m);
            if (m->Name() == choose || pathTo(*m, path)) return true;
            path.pop_back();
        }
        return false;
    }
};

}  // namespace qv::ui::testing
