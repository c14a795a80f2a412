#include "platform/present/message_box_window.h"

#include <cctype>
#include <memory>

#include "platform/gfx/device_context.h"
#include "platform/present/classic_parts.h"
#include "platform/present/dialog_button.h"
#include "platform/present/dialog_window.h"
#include "platform/present/message_box_icon.h"
#include "platform/present/message_box_layout.h"
#include "platform/present/modal_loop.h"

namespace qv::present {
namespace {

struct BoxState {
    forms::MessageBoxRequest request;
    MessageBoxLayout layout;
    std::vector<gui::HWnd> buttons;
    int answer = 0;
};

BoxState* stateOf(gui::WindowSystem& ws, gui::HWnd h) { return classState<BoxState>(ws, h); }

void paint(gui::WindowSystem& ws, gui::HWnd h, const BoxState& st) {
    gfx::DeviceContext dc = ws.beginPaint(h);
    dc.fillRect(ws.clientRect(h), gfx::Brush::solid(sys(gfx::kColourButtonFace)));
    if (!st.layout.icon.isEmpty()) drawMessageIcon(dc, st.layout.icon.left, st.layout.icon.top, st.request.icon());
    dc.selectFont(kMessageBoxFont);
    drawCaption(dc, st.request.text, st.layout.text, gfx::dt::kWordBreak | gfx::dt::kNoPrefix | gfx::dt::kExpandTabs,
                sys(gfx::kColourWindowText), true);
}

// The button whose underlined letter is the key, if any.
int answerForLetter(const BoxState& st, int vk) {
    for (const MessageBoxLayout::Button& b : st.layout.buttons) {
        const auto amp = b.caption.find('&');
        if (amp != std::string::npos && amp + 1 < b.caption.size() &&
            std::toupper(static_cast<unsigned char>(b.caption[amp + 1])) == vk)
            return b.answer;
    }
    return 0;
}

void moveFocus(gui::WindowSystem& ws, const BoxState& st, int step) {
    const auto n = int(st.buttons.size());
    int at = 0;
    for (int i = 0; i < n; ++i)
        if (st.buttons[std::size_t(i)] == ws.focus()) at = i;
    ws.setFocus(st.buttons[std::size_t((at + step + n) % n)]);
}

gui::LResult boxProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    BoxState* st = stateOf(ws, h);
    if (!st) return ws.defWindowProc(h, msg, w, l);
    switch (msg) {
        case gui::WM_PAINT:
            paint(ws, h, *st);
            return 0;
        case kButtonClicked:
            st->answer = int(w);
            return 0;
        case gui::WM_CLOSE:
            if (int esc = escapeAnswer(st->request)) st->answer = esc;
            return 0;
        case gui::WM_KEYDOWN: {
            const int vk = int(w);
            if (vk == gui::VK_ESCAPE) {
                if (int esc = escapeAnswer(st->request)) st->answer = esc;
            } else if (vk == gui::VK_LEFT || vk == gui::VK_UP) {
                moveFocus(ws, *st, -1);
            } else if (vk == gui::VK_RIGHT || vk == gui::VK_DOWN) {
                moveFocus(ws, *st, 1);
            } else if (vk == gui::VK_RETURN) {
                st->answer = st->request.defaultButton();
            } else if (int a = answerForLetter(*st, vk)) {
                st->answer = a;
            }
            return ws.defWindowProc(h, msg, w, l);
        }
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

int showMessageBox(gui::WindowSystem& ws, const forms::MessageBoxRequest& r, gfx::Point centre) {
    registerOnce(ws, kMessageBoxClass, boxProc);
    auto state = std::make_shared<BoxState>();
    state->request = r;
    state->layout = layoutMessageBox(r);
    const MessageBoxLayout& lay = state->layout;
    const gfx::Point corner{centre.x - lay.width / 2, centre.y - lay.height / 2};
    gui::CreateParams p = placedAt(kMessageBoxClass, {corner.x, corner.y, corner.x + lay.width, corner.y + lay.height});
    p.text = r.title;
    p.style = gui::WS_POPUP | gui::WS_CAPTION | gui::WS_SYSMENU;
    p.exStyle = gui::WS_EX_DLGMODALFRAME;
    p.parent = ws.activeWindow();  // the owner
    const gui::HWnd box = ws.createWindow(p);
    if (!box) return r.defaultButton();
    *ws.classData(box) = state;
    gui::HWnd focus = 0;
    for (const MessageBoxLayout::Button& b : lay.buttons) {
        const bool isDefault = b.answer == r.defaultButton();
        const gui::HWnd bh = createDialogButton(ws, box, b.answer, b.caption, b.rect, isDefault);
        state->buttons.push_back(bh);
        if (isDefault) focus = bh;
    }
    ws.showWindow(box, true);
    ws.setForegroundWindow(box);
    ws.setFocus(focus);
    runModal(ws, box, [&] { return state->answer != 0; });
    const int answer = state->answer != 0 ? state->answer : r.defaultButton();
    ws.destroyWindow(box);
    return answer;
}

}  // namespace qv::present
