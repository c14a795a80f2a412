#include "platform/present/dialog_window.h"

namespace qv::present {

void registerOnce(gui::WindowSystem& ws, const char* className, gui::WndProc proc) {
    if (!ws.isClassRegistered(className)) ws.registerClass(gui::WindowClass{className, std::move(proc)});
}

gui::CreateParams placedAt(const char* className, const gfx::Rect& at) {
    gui::CreateParams p;
    p.className = className;
    p.x = at.left;
    p.y = at.top;
    p.width = int(at.width());
    p.height = int(at.height());
    return p;
}

gui::HWnd createDialogChild(gui::WindowSystem& ws, const char* className, gui::WndProc proc, gui::HWnd parent,
                            int id, const gfx::Rect& at, const std::string& text) {
    registerOnce(ws, className, std::move(proc));
    gui::CreateParams p = placedAt(className, at);
    p.text = text;
    p.style = gui::WS_CHILD | gui::WS_VISIBLE | gui::WS_TABSTOP;
    p.parent = parent;
    p.id = id;
    return ws.createWindow(p);
}

}  // namespace qv::present
