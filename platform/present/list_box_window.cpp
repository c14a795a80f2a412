#include "platform/present/list_box_window.h"

#include <algorithm>
#include <memory>

#include "platform/gfx/device_context.h"
#include "platform/present/classic_parts.h"
#include "platform/present/dialog_window.h"
#include "platform/present/message_box_layout.h"

namespace qv::present {
namespace {

struct ListState {
    std::vector<std::string> rows;
    int selected = -1;
    int top = 0;
};

ListState* stateOf(gui::WindowSystem& ws, gui::HWnd h) { return classState<ListState>(ws, h); }

// The field inside the two-pixel border, less the scroll bar when the rows do not fit.
struct Parts {
    gfx::Rect field;
    gfx::Rect bar;  // empty when not needed
    int visible = 0;
};

Parts partsOf(gui::WindowSystem& ws, gui::HWnd h, const ListState& st) {
    const gfx::Rect c = ws.clientRect(h);
    Parts p;
    p.field = {c.left + 2, c.top + 2, c.right - 2, c.bottom - 2};
    p.visible = std::max(1, int(p.field.height()) / kListRowHeight);
    if (int(st.rows.size()) > p.visible) {
        p.bar = {p.field.right - kScrollBarSize, p.field.top, p.field.right, p.field.bottom};
        p.field.right = p.bar.left;
    }
    return p;
}

void scrollTo(gui::WindowSystem& ws, gui::HWnd h, ListState& st, int top) {
    const Parts p = partsOf(ws, h, st);
    top = std::clamp(top, 0, std::max(0, int(st.rows.size()) - p.visible));
    if (top == st.top) return;
    st.top = top;
    ws.invalidate(h);
}

void select(gui::WindowSystem& ws, gui::HWnd h, ListState& st, int row, bool tell) {
    if (row < 0 || row >= int(st.rows.size())) return;
    st.selected = row;
    const Parts p = partsOf(ws, h, st);
    if (row < st.top) scrollTo(ws, h, st, row);
    if (row >= st.top + p.visible) scrollTo(ws, h, st, row - p.visible + 1);
    ws.invalidate(h);
    if (tell) ws.sendMessage(ws.parent(h), kListSelected, gui::WParam(ws.controlId(h)), gui::LParam(row));
}

void paint(gui::WindowSystem& ws, gui::HWnd h, const ListState& st) {
    gfx::DeviceContext dc = ws.beginPaint(h);
    gfx::Rect border = ws.clientRect(h);
    drawSunkenBorder(dc, border);
    const Parts p = partsOf(ws, h, st);
    dc.fillRect(p.field, gfx::Brush::solid(sys(gfx::kColourWindow)));
    dc.selectFont(kMessageBoxFont);
    for (int i = 0; i < p.visible && st.top + i < int(st.rows.size()); ++i) {
        const int row = st.top + i;
        const gfx::Rect r{p.field.left, p.field.top + i * kListRowHeight, p.field.right,
                          p.field.top + (i + 1) * kListRowHeight};
        const bool hot = row == st.selected;
        if (hot) dc.fillRect(r, gfx::Brush::solid(sys(gfx::kColourHighlight)));
        const gfx::Rect text{r.left + 3, r.top, r.right - 2, r.bottom};
        drawCaption(dc, st.rows[std::size_t(row)], text, gfx::dt::kLeft | gfx::dt::kVCenter | gfx::dt::kSingleLine | gfx::dt::kNoPrefix,
                    sys(hot ? gfx::kColourHighlightText : gfx::kColourWindowText), true);
        if (hot && ws.focus() == h) drawFocusRect(dc, r);
    }
    if (!p.bar.isEmpty()) drawVerticalScrollBar(dc, p.bar, st.top, int(st.rows.size()), p.visible);
}

void press(gui::WindowSystem& ws, gui::HWnd h, ListState& st, gui::LParam l, bool twice) {
    ws.setFocus(h);
    const Parts p = partsOf(ws, h, st);
    const int x = gui::xOf(l), y = gui::yOf(l);
    if (!p.bar.isEmpty() && p.bar.contains(x, y)) {
        // The arrows step a row, the track a page.
        if (y < p.bar.top + kScrollBarSize) scrollTo(ws, h, st, st.top - 1);
        else if (y >= p.bar.bottom - kScrollBarSize) scrollTo(ws, h, st, st.top + 1);
        else if (y < p.bar.top + int(p.bar.height()) / 2) scrollTo(ws, h, st, st.top - p.visible);
        else scrollTo(ws, h, st, st.top + p.visible);
        return;
    }
    if (!p.field.contains(x, y)) return;
    const int row = st.top + (y - p.field.top) / kListRowHeight;
    if (row >= int(st.rows.size())) return;
    select(ws, h, st, row, true);
    if (twice) ws.sendMessage(ws.parent(h), kListActivated, gui::WParam(ws.controlId(h)), gui::LParam(row));
}

gui::LResult listProc(gui::HWnd h, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    ListState* st = ownState<ListState>(ws, h, msg);
    if (!st || msg == gui::WM_CREATE) return ws.defWindowProc(h, msg, w, l);
    switch (msg) {
        case gui::WM_PAINT:
            paint(ws, h, *st);
            return 0;
        case gui::WM_LBUTTONDOWN:
        case gui::WM_LBUTTONDBLCLK:
            press(ws, h, *st, l, msg == gui::WM_LBUTTONDBLCLK);
            return 0;
        case gui::WM_MOUSEWHEEL:
            scrollTo(ws, h, *st, st->top - 3 * std::int16_t(gui::hiWord(w)) / gui::WHEEL_DELTA);
            return 0;
        case gui::WM_SETFOCUS:
        case gui::WM_KILLFOCUS:
            ws.invalidate(h);
            return 0;
        case gui::WM_KEYDOWN:
            if (w == gui::WParam(gui::VK_UP)) select(ws, h, *st, std::max(0, st->selected - 1), true);
            else if (w == gui::WParam(gui::VK_DOWN)) select(ws, h, *st, st->selected + 1, true);
            else if (w == gui::WParam(gui::VK_RETURN) && st->selected >= 0)
                ws.sendMessage(ws.parent(h), kListActivated, gui::WParam(ws.controlId(h)), gui::LParam(st->selected));
            else if (w == gui::WParam(gui::VK_TAB)) return ws.defWindowProc(h, msg, w, l);
            else return ws.sendMessage(ws.parent(h), msg, w, l);
            return 0;
        default:
            return ws.defWindowProc(h, msg, w, l);
    }
}

}  // namespace

gui::HWnd createListBox(gui::WindowSystem& ws, gui::HWnd parent, int id, const gfx::Rect& at) {
    return createDialogChild(ws, kListBoxClass, listProc, parent, id, at);
}

void setListRows(gui::WindowSystem& ws, gui::HWnd list, std::vector<std::string> rows) {
    ListState* st = stateOf(ws, list);
    if (!st) return;
    st->rows = std::move(rows);
    st->selected = -1;
    st->top = 0;
    ws.invalidate(list);
}

void selectListRow(gui::WindowSystem& ws, gui::HWnd list, int row) {
    if (ListState* st = stateOf(ws, list)) select(ws, list, *st, row, false);
}

const std::vector<std::string>& listRows(gui::WindowSystem& ws, gui::HWnd list) {
    static const std::vector<std::string> none;
    ListState* st = stateOf(ws, list);
    return st ? st->rows : none;
}

int listSelection(gui::WindowSystem& ws, gui::HWnd list) {
    ListState* st = stateOf(ws, list);
    return st ? st->selected : -1;
}

}  // namespace qv::present
