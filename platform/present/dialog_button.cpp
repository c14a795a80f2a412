#include "platform/present/dialog_button.h"

#include <memory>

#include "platform/gfx/device_context.h"
#include "platform/present/classic_parts.h"
#include "platform/present/dialog_window.h"
#include "platform/present/message_box_layout.h"

namespace qv::present {
namespace {

struct ButtonState {
    bool isDefault = false;
    bool held = false;    // the left button went down on it and is not up yet
    bool inside = false;  // the pointer is over it while held
};

ButtonState* stateOf(gui::WindowSystem& ws, gui::HWnd h) { return classState<ButtonState>(ws, h); }

void paint(gui::WindowSystem& ws, gui::HWnd h, const ButtonState& st) {
    gfx::DeviceContext dc = ws.beginPaint(h);
    gfx::Rect rc = ws.clientRect(h);
    if (st.isDefault) {
        dc.frameRect(rc, gfx::Brush::solid(0));
        rc = {rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
    }
    const bool pressed = st.held && st.inside;
    drawButtonFace(dc, rc, pressed);
    gfx::Rect label = rc;
    if (pressed) label = {label.left + 1, label.top + 1, label.right + 1, label.bottom + 1};
    dc.selectFont(kMessageBoxFont);
    drawCaption(dc, ws.text(h), label, gfx::dt::kCenter | gfx::dt::kVCenter | gfx::dt::kSingleLine,
                sys(gfx::kColourButtonText), ws.isEnabled(h));
    if (ws.focus() == h) drawFocusRect(dc, {rc.left + 2, rc.top + 2, rc.right - 2, rc.bottom - 2});
}

void click(gui::WindowSystem& ws, gui::HWnd h) {
    ws.sendMessage(ws.parent(h), kButtonClicked, gui::WParam(ws.controlId(h)), gui::LParam(h));
}

gui::LResult buttonProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    ButtonState* st = ownState<ButtonState>(ws, h, msg);
    if (!st || msg == gui::WM_CREATE) return ws.defWindowProc(h, msg, w, l);
    const gfx::Rect client = ws.clientRect(h);
    switch (msg) {
        case gui::WM_PAINT:
            paint(ws, h, *st);
            return 0;
        case gui::WM_LBUTTONDOWN:
        case gui::WM_LBUTTONDBLCLK:
            st->held = st->inside = true;
            ws.setCapture(h);
            ws.setFocus(h);
            ws.invalidate(h);
            return 0;
        case gui::WM_MOUSEMOVE:
            if (st->held && st->inside != client.contains(gui::xOf(l), gui::yOf(l))) {
                st->inside = !st->inside;
                ws.invalidate(h);
            }
            return 0;
        case gui::WM_LBUTTONUP: {
            if (!st->held) return 0;
            const bool over = client.contains(gui::xOf(l), gui::yOf(l));
            st->held = st->inside = false;
            ws.releaseCapture();
            ws.invalidate(h);
            if (over) click(ws, h);
            return 0;
        }
        case gui::WM_CAPTURECHANGED:
            if (st->held) {
                st->held = st->inside = false;
                ws.invalidate(h);
            }
            return 0;
        case gui::WM_SETFOCUS:
        case gui::WM_KILLFOCUS:
            ws.invalidate(h);
            return 0;
        case gui::WM_KEYDOWN:
            if (w == gui::WParam(gui::VK_SPACE) || w == gui::WParam(gui::VK_RETURN)) {
                click(ws, h);
                return 0;
            }
            if (w == gui::WParam(gui::VK_TAB)) return ws.defWindowProc(h, msg, w, l);
            return ws.sendMessage(ws.parent(h), msg, w, l);
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

gui::HWnd createDialogButton(gui::WindowSystem& ws, gui::HWnd parent, int id, const std::string& caption,
                             const gfx::Rect& at, bool isDefault) {
    const gui::HWnd h = createDialogChild(ws, kDialogButtonClass, buttonProc, parent, id, at, caption);
    if (ButtonState* st = stateOf(ws, h)) st->isDefault = isDefault;
    return h;
}

}  // namespace qv::present
