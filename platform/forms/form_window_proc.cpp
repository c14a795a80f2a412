// A form's window: made at Load, following the form's properties, drawing its frame and client
// area, and turning its messages into the form's events.
#include <any>

#include "platform/forms/control.h"
#include "platform/forms/drawing.h"
#include "platform/forms/form.h"
#include "platform/forms/form_frame.h"
#include "platform/forms/input_state.h"
#include "platform/forms/instances.h"
#include "platform/forms/runtime.h"
#include "platform/forms/window_object.h"
#include "platform/forms/windowless_paint.h"
#include "platform/gfx/region_data.h"
#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

constexpr const char* kFormClass = "QvFormWindow";

gfx::Rect windowPlace(const Form& f) {
    const int x = twipsToPixels(f.Left()), y = twipsToPixels(f.Top());
    return {x, y, x + twipsToPixels(f.Width()), y + twipsToPixels(f.Height())};
}

}  // namespace

void Form::createWindows() {
    if (ownsWindow() && hwnd_ == 0) {
        gui::WindowSystem& ws = gui::windows();
        if (!ws.isClassRegistered(kFormClass)) ws.registerClass(gui::WindowClass{kFormClass, forwardToObject<Form>});
        gui::CreateParams p;
        p.className = kFormClass;
        p.text = Caption();
        p.style = windowStyle(*this) | (Enabled() ? 0 : gui::WS_DISABLED);
        p.exStyle = windowExStyle(*this) | (topmost_ ? gui::WS_EX_TOPMOST : 0);
        hwnd_ = createWindowFor<Form>(this, p, windowPlace(*this));
        if (hwnd_ == 0) return;
        ws.setFrameInsets(hwnd_, frameInsetsOf(*this));
        applyRegion();
    }
    attachControls();
}

void Form::attachControls() {
    for (Control* c : std::vector<Control*>(controls_)) c->attachWindow();
}

void Form::destroyWindows() {
    gui::WindowSystem& ws = gui::windows();
    const gui::HWnd h = hwnd_;
    hwnd_ = 0;
    tip_ = 0;
    input_ = ClientInput(*this, nullptr, *this);
    if (h != 0 && windowObject<Form>(ws, h) == this) {
        *ws.classData(h) = std::any{};
        ws.destroyWindow(h);  // the controls' windows and the tooltip window go with it
        return;
    }
    if (ownsWindow()) return;
    for (Control* c : std::vector<Control*>(controls_))
        if (c->Container() == nullptr) c->destroyWindow();
}

void Form::changed() {
    ++changes_;
    if (hwnd_ == 0) return;
    syncWindow();
    gui::windows().invalidate(hwnd_);
}

void Form::syncWindow() {
    gui::WindowSystem& ws = gui::windows();
    const gfx::Rect want = windowPlace(*this);
    if (ws.windowRect(hwnd_) != want)
        ws.moveWindow(hwnd_, want.left, want.top, want.right - want.left, want.bottom - want.top);
    if (ws.text(hwnd_) != Caption()) ws.setText(hwnd_, Caption());
    const std::uint32_t kept = ws.style(hwnd_) & (gui::WS_VISIBLE | gui::WS_DISABLED);
    const std::uint32_t style = windowStyle(*this) | kept;
    if (ws.style(hwnd_) != style) ws.setStyle(hwnd_, style);
    ws.setFrameInsets(hwnd_, frameInsetsOf(*this));
    if (ws.isEnabled(hwnd_) != Enabled()) ws.enableWindow(hwnd_, Enabled());
}

void Form::applyRegion() {
    if (hwnd_ == 0) return;
    // Region data that cannot be read leaves the window rectangular.
    std::optional<gfx::Region> shape;
    if (!region_.empty()) shape = gfx::regionFromData(region_);
    gui::windows().setWindowRegion(hwnd_, std::move(shape), true);
}

void Form::setWindowRegion(std::vector<uint8_t> data) {
    region_ = std::move(data);
    applyRegion();
    ++changes_;
}

bool Form::isTopmost() const { return hwnd_ != 0 ? gui::windows().isTopmost(hwnd_) : topmost_; }

void Form::setTopmost(bool t) {
    topmost_ = t;
    if (hwnd_ != 0)
        gui::windows().setWindowPos(hwnd_, t ? gui::HWND_TOPMOST : gui::HWND_NOTOPMOST, 0, 0, 0, 0,
                                    gui::SWP_NOMOVE | gui::SWP_NOSIZE | gui::SWP_NOACTIVATE);
}

gui::HWnd Form::toolTipWindow() {
    gui::WindowSystem& ws = gui::windows();
    if (tip_ != 0 && ws.isWindow(tip_)) return tip_;
    if (hwnd_ == 0) return 0;
    gui::CreateParams p;
    p.className = gui::kTooltipClass;
    p.style = gui::WS_POPUP | gui::TTS_ALWAYSTIP | gui::TTS_NOPREFIX;
    p.exStyle = gui::WS_EX_TOPMOST | gui::WS_EX_NOACTIVATE;
    p.parent = hwnd_;  // owned by the form: it goes with it
    tip_ = ws.createWindow(p);
    return tip_;
}

gfx::Canvas Form::printWindow(bool active) {
    if (!loaded_) Load(*this);
    if (hwnd_ == 0) return {};
    gui::WindowSystem& ws = gui::windows();
    printActive_ = active;
    ws.printWindow(hwnd_);
    printActive_.reset();
    const gfx::Canvas* s = ws.surface(hwnd_);
    return s ? *s : gfx::Canvas{};
}

void Form::paintClient(gui::HWnd hwnd) {
    gui::WindowSystem& ws = gui::windows();
    gfx::DeviceContext dc = ws.beginPaint(hwnd);
    dc.fillRect(ws.clientRect(hwnd), gfx::Brush::solid(colourOf(BackColor())));
    paintWindowless(dc, *this, nullptr);
    HandlerScope scope;
    Form_Paint();
}

gui::LResult Form::windowProc(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    if (isMouseMessage(msg)) return mouseMessage(hwnd, msg, w, l);
    switch (msg) {
        case gui::WM_NCPAINT: {
            gfx::DeviceContext dc = ws.windowDC(hwnd);
            const gfx::Rect r = ws.windowRect(hwnd);
            drawWindowFrame(dc, *this, r.right - r.left, r.bottom - r.top,
                            printActive_.value_or(ws.activeWindow() == hwnd));
            return 0;
        }
        case gui::WM_PAINT:
            paintClient(hwnd);
            return 0;
        case gui::WM_MOUSELEAVE:
            input_.leave();
            return 0;
        case gui::WM_CLOSE:
            closeByUser();
            return 0;
        case gui::WM_ACTIVATE: {
            // The caption bar shows whether the window is active.
            const gui::Insets in = ws.frameInsets(hwnd);
            const gui::Rect bar{-in.left, -in.top, ws.clientRect(hwnd).right + in.right, 0};
            ws.invalidateRect(hwnd, &bar);
            return 0;
        }
        case gui::WM_SETFOCUS:
            // The window activated again: the focus goes back to the control that had it.
            if (focus_ != nullptr && focus_->hWnd() != 0 && focus_->canFocus()) ws.setFocus(focus_->hWnd());
            return 0;
        case gui::WM_MOVE:
            followWindowMove(gui::xOf(l), gui::yOf(l));
            return 0;
        case gui::WM_NCDESTROY:
            if (hwnd == hwnd_) hwnd_ = 0;
            if (std::any* data = ws.classData(hwnd)) *data = std::any{};
            return 0;
        default:
            return ws.defWindowProc(hwnd, msg, w, l);
    }
}

// The window moved by someone else (a presenter's window manager, a drag): Left and Top follow,
// unless they already lie on that pixel.
void Form::followWindowMove(int x, int y) {
    if (twipsToPixels(Left_) != x) Left_ = pixelsToTwips(x);
    if (twipsToPixels(Top_) != y) Top_ = pixelsToTwips(y);
}

gui::LResult Form::mouseMessage(gui::HWnd hwnd, gui::MessageId msg, gui::WParam w, gui::LParam l) {
    gui::WindowSystem& ws = gui::windows();
    const int px = gui::xOf(l), py = gui::yOf(l);
    const gui::Rect client = ws.clientRect(hwnd);
    const bool inClient = client.contains(px, py);
    const std::optional<ButtonMessage> b = buttonMessage(msg);
    if (framePress_ != FramePress::None || (b && b->kind != ButtonMessage::Up && !inClient && !input_.held())) {
        const gui::Insets in = ws.frameInsets(hwnd);
        frameMouse(msg, {px + in.left, py + in.top});
        return 0;
    }
    const float x = static_cast<float>(pixelsToTwips(px)), y = static_cast<float>(pixelsToTwips(py));
    const int shift = mouseShift(ws, w);
    if (!b) {
        input_.move(mouseButtons(w), shift, x, y);
        return 0;
    }
    if (b->kind == ButtonMessage::Up) {
        // As on a control's window: the capture ends before the release's events run.
        if (mouseButtons(w) == 0 && ws.capture() == hwnd) ws.releaseCapture();
        input_.up(b->button, shift, x, y);
        return 0;
    }
    if (ws.capture() == 0) ws.setCapture(hwnd);
    input_.down(b->button, shift, x, y, b->kind == ButtonMessage::Double);
    return 0;
}

// A left press on the caption bar drags the window until the button comes up; one on the close
// box closes the form when the button comes up on it again.
void Form::frameMouse(gui::MessageId msg, gfx::Point at) {
    gui::WindowSystem& ws = gui::windows();
    const gui::Rect r = ws.windowRect(hwnd_);
    const FramePart part = framePartAt(*this, r.right - r.left, at);
    switch (msg) {
        case gui::WM_LBUTTONDOWN:
        case gui::WM_LBUTTONDBLCLK:
            if (part == FramePart::None) return;
            framePress_ = part == FramePart::Close ? FramePress::Close : FramePress::Caption;
            dragFrom_ = ws.cursorPos();
            dragStart_ = {r.left, r.top};
            ws.setCapture(hwnd_);
            return;
        case gui::WM_MOUSEMOVE:
            if (framePress_ != FramePress::Caption) return;
            Move(pixelsToTwips(dragStart_.x + ws.cursorPos().x - dragFrom_.x),
                 pixelsToTwips(dragStart_.y + ws.cursorPos().y - dragFrom_.y), Width(), Height());
            return;
        case gui::WM_LBUTTONUP: {
            const FramePress pressed = framePress_;
            framePress_ = FramePress::None;
            if (ws.capture() == hwnd_) ws.releaseCapture();
            if (pressed == FramePress::Close && part == FramePart::Close) closeByUser();
            return;
        }
        default:
            return;
    }
}

float Form::toScale(float twips) const { return ScaleMode() == 3 ? twips / kTwipsPerPixel : twips; }

void Form::ownDown(int button, int shift, float x, float y) {
    HandlerScope scope;
    Form_MouseDown(button, shift, toScale(x), toScale(y));
}

void Form::ownMove(int buttons, int shift, float x, float y) {
    HandlerScope scope;
    Form_MouseMove(buttons, shift, toScale(x), toScale(y));
}

void Form::ownUp(int button, int shift, float x, float y) {
    HandlerScope scope;
    Form_MouseUp(button, shift, toScale(x), toScale(y));
}

void Form::ownClick(int, float, float) {
    HandlerScope scope;
    Form_Click();
}

void Form::ownDblClick(int, float, float) {
    HandlerScope scope;
    Form_DblClick();
}

bool Form::ownContains(float x, float y) const {
    return x >= 0 && y >= 0 && x < static_cast<float>(ScaleWidth()) && y < static_cast<float>(ScaleHeight());
}

// A modal form: the other forms' windows take no input until it goes. The wait counts as a
// running handler: a form unloaded meanwhile (this one too) is released only after Show has
// returned to its caller.
void Form::runModal() {
    gui::WindowSystem& ws = gui::windows();
    std::vector<gui::HWnd> disabled;
    for (gui::HWnd h : ws.topLevelWindows()) {
        if (h != hwnd_ && ws.className(h) == kFormClass && ws.isEnabled(h)) {
            ws.enableWindow(h, false);
            disabled.push_back(h);
        }
    }
    struct Enable {
        gui::WindowSystem& ws;
        std::vector<gui::HWnd>& windows;
        ~Enable() {
            for (gui::HWnd h : windows)
                if (ws.isWindow(h)) ws.enableWindow(h, true);
        }
    } enableAfter{ws, disabled};
    HandlerScope scope;
    modal_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clearAfter{modal_};
    runUntil([this] { return !loaded_ || !visible_ || ended(); });
}

}  // namespace qv::forms
