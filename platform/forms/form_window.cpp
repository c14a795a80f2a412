#include "platform/forms/form_window.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/forms/types.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {

namespace {

constexpr const char* kFormClass = "QvFormWindow";
constexpr const char* kControlClass = "QvControlWindow";

gui::LResult formWindowProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    if (msg == gui::WM_CLOSE) {
        if (auto* fw = reinterpret_cast<FormWindow*>(ws.userData(h))) {
            fw->Parent().closeByUser();
            return 0;
        }
    }
    return ws.defWindowProc(h, msg, w, l);
}

void registerClasses(gui::WindowSystem& ws) {
    if (!ws.isClassRegistered(kFormClass)) ws.registerClass(gui::WindowClass{kFormClass, formWindowProc});
    if (!ws.isClassRegistered(kControlClass)) ws.registerClass(gui::WindowClass{kControlClass, {}});
}

bool ours(gui::WindowSystem& ws, gui::HWnd h, const FormWindow* fw) {
    return h != 0 && ws.isWindow(h) && ws.userData(h) == reinterpret_cast<std::intptr_t>(fw);
}

}  // namespace

FormWindow::FormWindow(Form& form) : Control(form, "FormWindow") {
    // Never drawn and never under the pointer.
    Control::Visible(false);
}

FormWindow::~FormWindow() { destroyWindows(); }

gui::HWnd FormWindow::hWnd() {
    Form& f = Parent();
    if (!f.loaded()) return 0;
    gui::WindowSystem& ws = gui::windows();
    if (ws_ != &ws || !ours(ws, form_, this)) {
        destroyWindows();
        registerClasses(ws);
        gui::CreateParams p;
        p.className = kFormClass;
        p.text = f.Caption();
        p.style = gui::WS_POPUP;
        p.x = twipsToPixels(f.Left());
        p.y = twipsToPixels(f.Top());
        p.width = twipsToPixels(f.Width());
        p.height = twipsToPixels(f.Height());
        form_ = ws.createWindow(p);
        if (form_ == 0) return 0;
        ws_ = &ws;
        ws.setUserData(form_, reinterpret_cast<std::intptr_t>(this));
    }
    syncForm();
    return form_;
}

gui::HWnd FormWindow::hWnd(Control& c) {
    if (&c.Parent() != &Parent() || !c.windowed()) return 0;
    const gui::HWnd parent = hWnd();
    if (parent == 0) return 0;
    gui::WindowSystem& ws = *ws_;
    auto it = controls_.find(&c);
    if (it == controls_.end() || !ours(ws, it->second, this)) {
        gui::CreateParams p;
        p.className = kControlClass;
        p.text = c.Name();
        p.style = gui::WS_CHILD;
        p.parent = parent;
        const gui::HWnd h = ws.createWindow(p);
        if (h == 0) return 0;
        ws.setUserData(h, reinterpret_cast<std::intptr_t>(this));
        it = controls_.insert_or_assign(&c, h).first;
    }
    syncControl(c, it->second);
    return it->second;
}

void FormWindow::sync() {
    if (ws_ != &gui::windows() || !ours(*ws_, form_, this)) return;
    syncForm();
    // Controls that are gone lose their windows.
    const std::vector<Control*>& live = Parent().Controls();
    for (auto it = controls_.begin(); it != controls_.end();) {
        if (std::find(live.begin(), live.end(), it->first) == live.end()) {
            ws_->destroyWindow(it->second);
            it = controls_.erase(it);
        } else {
            syncControl(*it->first, it->second);
            ++it;
        }
    }
}

void FormWindow::syncForm() {
    Form& f = Parent();
    gui::WindowSystem& ws = *ws_;
    const gui::Rect want{twipsToPixels(f.Left()), twipsToPixels(f.Top()), twipsToPixels(f.Left()) + twipsToPixels(f.Width()),
                         twipsToPixels(f.Top()) + twipsToPixels(f.Height())};
    if (ws.windowRect(form_) != want)
        ws.moveWindow(form_, want.left, want.top, static_cast<int>(want.width()), static_cast<int>(want.height()));
    if (ws.text(form_) != f.Caption()) ws.setText(form_, f.Caption());
    if (ws.isVisible(form_) != f.Visible()) ws.showWindow(form_, f.Visible());
    f.setTopmost(ws.isTopmost(form_));
}

void FormWindow::syncControl(Control& c, gui::HWnd h) {
    gui::WindowSystem& ws = *ws_;
    const Form& f = Parent();
    // The client area starts inside the border and below the caption bar.
    const int x = f.borderPixels() + twipsToPixels(c.formLeft());
    const int y = f.borderPixels() + f.captionPixels() + twipsToPixels(c.formTop());
    const gui::Rect want{x, y, x + twipsToPixels(c.Width()), y + twipsToPixels(c.Height())};
    if (ws.placement(h) != want)
        ws.moveWindow(h, want.left, want.top, static_cast<int>(want.width()), static_cast<int>(want.height()));
    const bool shown = c.Visible() && c.shownOnForm();
    if (((ws.style(h) & gui::WS_VISIBLE) != 0) != shown) ws.showWindow(h, shown);
}

void FormWindow::formShownChanged() { sync(); }

FormWindow* findFormWindow(const Form& form) {
    for (Control* c : form.Controls())
        if (auto* w = dynamic_cast<FormWindow*>(c)) return w;
    return nullptr;
}

void FormWindow::formUnloading() { destroyWindows(); }

void FormWindow::destroyWindows() {
    if (ws_ != nullptr && ws_ == &gui::windows() && ours(*ws_, form_, this))
        ws_->destroyWindow(form_);  // its children and the windows it owns go with it
    form_ = 0;
    controls_.clear();
    ws_ = nullptr;
}

}  // namespace qv::forms
