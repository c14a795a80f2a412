#pragma once
// What the dialogs' windows have in common: a class registered the first time a window of it
// is made, creation parameters placed at a rectangle, and the state each window keeps as its
// class data.
#include <any>
#include <memory>
#include <string>

#include "platform/gfx/geometry.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::present {

void registerOnce(gui::WindowSystem& ws, const char* className, gui::WndProc proc);
gui::CreateParams placedAt(const char* className, const gfx::Rect& at);
// A visible child window that takes part in the tab order.
gui::HWnd createDialogChild(gui::WindowSystem& ws, const char* className, gui::WndProc proc, gui::HWnd parent,
                            int id, const gfx::Rect& at, const std::string& text = "");

// The window's state as its class data keeps it (a shared_ptr<State>); nullptr for none.
template <class State>
State* classState(gui::WindowSystem& ws, gui::HWnd h) {
    std::any* data = ws.classData(h);
    auto* p = data ? std::any_cast<std::shared_ptr<State>>(data) : nullptr;
    return p ? p->get() : nullptr;
}

// As classState, made as the window is (on WM_CREATE) for a window whose class keeps one.
template <class State>
State* ownState(gui::WindowSystem& ws, gui::HWnd h, gui::MessageId msg) {
    if (msg == gui::WM_CREATE) *ws.classData(h) = std::make_shared<State>();
    return classState<State>(ws, h);
}

}  // namespace qv::present
