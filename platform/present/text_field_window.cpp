#include "platform/present/text_field_window.h"

#include <algorithm>

#include "platform/gfx/device_context.h"
#include "platform/present/classic_parts.h"
#include "platform/present/dialog_window.h"
#include "platform/present/message_box_layout.h"

namespace qv::present {
namespace {

void paint(gui::WindowSystem& ws, gui::HWnd h) {
    gfx::DeviceContext dc = ws.beginPaint(h);
    gfx::Rect rc = ws.clientRect(h);
    drawSunkenBorder(dc, rc);
    dc.fillRect(rc, gfx::Brush::solid(sys(gfx::kColourWindow)));
    dc.selectFont(kMessageBoxFont);
    const std::string text = ws.text(h);
    const gfx::Rect inner{rc.left + 2, rc.top, rc.right - 2, rc.bottom};
    // A text longer than the field shows its end, where typing goes on.
    const int width = dc.textExtent(text).cx;
    const int shift = std::max(0, width - int(inner.width()) + 2);
    const gfx::Rect line{inner.left - shift, inner.top, inner.right, inner.bottom};
    drawCaption(dc, text, line, gfx::dt::kLeft | gfx::dt::kVCenter | gfx::dt::kSingleLine | gfx::dt::kNoPrefix,
                sys(gfx::kColourWindowText), true);
    if (ws.focus() == h) {
        const int x = inner.left - shift + width;
        dc.fillRect({x, inner.top + 3, x + 1, inner.bottom - 3}, gfx::Brush::solid(sys(gfx::kColourWindowText)));
    }
}

gui::LResult fieldProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    switch (msg) {
        case gui::WM_PAINT:
            paint(ws, h);
            return 0;
        case gui::WM_LBUTTONDOWN:
            ws.setFocus(h);
            return 0;
        case gui::WM_SETFOCUS:
        case gui::WM_KILLFOCUS:
            ws.invalidate(h);
            return 0;
        case gui::WM_CHAR: {
            std::string text = ws.text(h);
            if (w == gui::WParam(gui::VK_BACK)) {
                if (!text.empty()) text.pop_back();
            } else if (w >= 0x20 && w != 0x7F) {
                text.push_back(char(w));
            } else {
                return 0;
            }
            setFieldText(ws, h, text);
            return 0;
        }
        case gui::WM_KEYDOWN:
            if (w == gui::WParam(gui::VK_RETURN)) {
                ws.sendMessage(ws.parent(h), kFieldEntered, gui::WParam(ws.controlId(h)), 0);
                return 0;
            }
            if (w == gui::WParam(gui::VK_ESCAPE)) return ws.sendMessage(ws.parent(h), msg, w, l);
            return ws.defWindowProc(h, msg, w, l);
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

gui::HWnd createTextField(gui::WindowSystem& ws, gui::HWnd parent, int id, const gfx::Rect& at) {
    const gui::HWnd h = createDialogChild(ws, kTextFieldClass, fieldProc, parent, id, at);
    ws.setWindowCursor(h, gui::IDC_IBEAM);
    return h;
}

void setFieldText(gui::WindowSystem& ws, gui::HWnd field, const std::string& text) {
    ws.setText(field, text);
    ws.invalidate(field);
}

}  // namespace qv::present
