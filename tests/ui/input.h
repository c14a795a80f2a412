#pragma once
// How the window tests act as a person: every click, drag, pointer move, tray click and menu
// choice goes through these helpers, so the tests can be switched over to raw input at the
// bottom of the window system in one place.
#include <functional>
#include <string>

#include "controls/sys_tray.h"
#include "platform/forms/common/list_view.h"
#include "platform/forms/common/xtab.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "platform/forms/form_window.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/gui/messages.h"
#include "platform/gui/notification_area.h"
#include "platform/gui/window_system.h"

namespace qv::ui::testing {

// Brings up the tab pages a control sits on, so it shows.
inline void showPageOf(forms::Control& c) {
    for (forms::Control* at = &c; at->Container() != nullptr; at = at->Container()) {
        if (at->TabPage() < 0) continue;
        if (auto* tab = dynamic_cast<forms::XTab*>(at->Container())) tab->CurrTab(at->TabPage());
    }
}

// A click in the middle of the control, on the page it sits on.
inline void click(forms::Control& c, int button = forms::kLeftButton) {
    showPageOf(c);
    c.Parent().clickControl(c, button);
}

// A click on a list item, on the page the list sits on.
inline void clickItem(forms::ListView& list, int index, int button = forms::kLeftButton) {
    showPageOf(list);
    const int x = forms::twipsToPixels(list.formLeft()) + 30;
    const int y = forms::twipsToPixels(list.formTop()) + forms::ListView::kHeaderPixels + 2 +
                  (index - list.TopIndex()) * forms::ListView::kRowPixels + forms::ListView::kRowPixels / 2;
    list.Parent().injectClick(x, y, button);
}

// The pointer at a point of the screen (pixels): the window system's cursor moves there and
// the form under it hears of the move, in its client coordinates.
struct Pointer {
    forms::Form& form;
    int buttons = 0;

    void moveTo(int screenX, int screenY) {
        gui::windows().mouseMoveTo(gui::Point{screenX, screenY});
        form.injectMouseMove(buttons, 0, screenX - left(), screenY - top());
    }
    void press(int button = forms::kLeftButton) {
        const gui::Point at = gui::windows().cursorPos();
        buttons |= button;
        form.injectMouseDown(button, 0, at.x - left(), at.y - top());
    }
    void release(int button = forms::kLeftButton) {
        const gui::Point at = gui::windows().cursorPos();
        buttons &= ~button;
        form.injectMouseUp(button, 0, at.x - left(), at.y - top());
    }
    int left() const { return forms::twipsToPixels(form.Left()) + form.borderPixels(); }
    int top() const { return forms::twipsToPixels(form.Top()) + form.borderPixels() + form.captionPixels(); }
};

// The middle of a control on the screen, in pixels.
inline gui::Point screenCentre(forms::Control& c) {
    const forms::Form& f = c.Parent();
    return gui::Point{forms::twipsToPixels(f.Left()) + f.borderPixels() + forms::twipsToPixels(c.formLeft() + c.Width() / 2),
                      forms::twipsToPixels(f.Top()) + f.borderPixels() + f.captionPixels() +
                          forms::twipsToPixels(c.formTop() + c.Height() / 2)};
}

// The person acts on the tray icon: the shell posts the mouse message to the icon's window and
// the window system delivers it.
inline void trayEvent(controls::cSysTray& tray, gui::MessageId mouseMessage) {
    gui::windows().notificationArea().pointerEvent(tray.hWnd(), 0, mouseMessage);
    gui::windows().doEvents();
}
inline void trayClick(controls::cSysTray& tray) {
    trayEvent(tray, gui::WM_LBUTTONDOWN);
    trayEvent(tray, gui::WM_LBUTTONUP);
}

// Answers every popup menu with the entry of that name ("" dismisses it) and records the
// popups opened, by their menu's name.
struct PopupAnswers {
    std::string choose;
    std::vector<std::string> opened;
    PopupAnswers() {
        forms::setPopupHandler([this](forms::Menu& popup, int, int) -> forms::Menu* {
            opened.push_back(popup.Name());
            if (choose.empty()) return nullptr;
            return dynamic_cast<forms::Menu*>(popup.Parent().findControl(choose));
        });
    }
    ~PopupAnswers() { forms::setPopupHandler({}); }
};

}  // namespace qv::ui::testing
