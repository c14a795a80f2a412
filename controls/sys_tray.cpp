#include "controls/sys_tray.h"

#include "controls/tray_shell.h"
#include "platform/gfx/picture.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::controls {

namespace {

constexpr const char* kWindowClass = "cSysTrayWindow";
constexpr std::size_t kTipField = 64;

// The one slot of the program for the procedure that TrayWindowProc replaces.
gui::WndProc& savedProc() {
    static gui::WndProc proc;
    return proc;
}

// The picture the control shows while designed before an icon is set: a plain grey square with
// a dark frame, a bitmap, so it is never taken as the tray icon.
forms::PictureRef makeFacePicture() {
    gfx::Canvas c(34, 34, gfx::rgb(192, 192, 192));
    for (int i = 0; i < 34; ++i) {
        c.setPixel(i, 0, gfx::rgb(64, 64, 64));
        c.setPixel(i, 33, gfx::rgb(64, 64, 64));
        c.setPixel(0, i, gfx::rgb(64, 64, 64));
        c.setPixel(33, i, gfx::rgb(64, 64, 64));
    }
    return gfx::Picture::bitmap(std::move(c));
}

bool isIcon(const forms::PictureRef& p) { return p && p->type() == gfx::PictureType::Icon; }

}  // namespace

std::string trayTipField(std::string_view tip) {
    std::string field(tip.substr(0, kTipField - 1));
    field.push_back('\0');
    field.resize(kTipField, ' ');
    return field;
}

namespace mSysTray {
gui::LResult TrayWindowProc(gui::HWnd hWnd, gui::MessageId uMsg, gui::WParam wParam, gui::LParam lParam) {
    gui::WndProc previous = savedProc();  // a callback may restore the procedure meanwhile
    if (uMsg == kTrayCallbackMessage) {
        auto* tray = reinterpret_cast<cSysTray*>(gui::windows().userData(hWnd));
        if (tray != nullptr) tray->TrayCallback(lParam, wParam);
    }
    return gui::WindowSystem::callWindowProc(previous, hWnd, uMsg, wParam, lParam);
}
}  // namespace mSysTray

cSysTray::cSysTray(forms::Form& owner, std::string name, int index)
    : UserControl(owner, std::move(name), index), ws_(&gui::windows()), facePicture_(makeFacePicture()) {
    ws_->registerClass(gui::WindowClass{kWindowClass, {}});
    gui::CreateParams p;
    p.className = kWindowClass;
    p.x = p.y = 0;
    p.width = p.height = kSide / forms::kTwipsPerPixel;
    hwnd_ = ws_->createWindow(p);
    Width(kSide);
    Height(kSide);
}

cSysTray::~cSysTray() {
    if (inTray_) InTray(false);
    if (ws_->isWindow(hwnd_)) ws_->destroyWindow(hwnd_);
}

void cSysTray::UserControl_Resize() {
    if (Width() != kSide) Width(kSide);
    if (Height() != kSide) Height(kSide);
}

// The face shows only while the host is designed; at run time the control draws nothing on it.
void cSysTray::UserControl_Paint() {
    Cls();
    if (!Ambient().UserMode) hDC().drawPicture(0, 0, facePicture_.get());
}

void cSysTray::UserControl_Terminate() {
    if (inTray_) InTray(false);
}

void cSysTray::UserControl_ReadProperties(forms::PropertyBag& bag) {
    InTray(bag.ReadProperty("InTray", false));
    TrayIcon(bag.ReadProperty("TrayIcon", facePicture_));
    TrayTip(bag.ReadProperty("TrayTip", std::string(kDefaultTip)));
}

void cSysTray::UserControl_WriteProperties(forms::PropertyBag& bag) {
    bag.WriteProperty("InTray", inTray_);
    bag.WriteProperty("TrayIcon", trayIcon_);
    bag.WriteProperty("TrayTip", trayTip_);
}

void cSysTray::TrayIcon(const forms::PictureRef& icon) {
    if (!isIcon(icon)) return;
    if (added_) {
        gui::NotifyIconData d;
        d.hwnd = hwnd_;
        d.id = iconId_;
        d.flags = gui::NIF_ICON;
        d.icon = static_cast<std::intptr_t>(icon->handle());
        Shell_NotifyIcon(gui::NIM_MODIFY, d);
    }
    trayIcon_ = icon;
    facePicture_ = icon;
    Refresh();
    PropertyChanged("TrayIcon");
}

void cSysTray::TrayTip(const std::string& tip) {
    if (added_) {
        gui::NotifyIconData d;
        d.hwnd = hwnd_;
        d.id = iconId_;
        d.flags = gui::NIF_TIP;
        d.tip = trayTipField(tip);
        Shell_NotifyIcon(gui::NIM_MODIFY, d);
    }
    trayTip_ = tip;
    PropertyChanged("TrayTip");
}

void cSysTray::InTray(bool show) {
    if (show == inTray_) return;
    if (show && Ambient().UserMode) {
        savedProc() = ws_->setWindowProc(hwnd_, &mSysTray::TrayWindowProc);
        ws_->setUserData(hwnd_, reinterpret_cast<std::intptr_t>(this));
        AddIcon(hwnd_, iconId_, trayTip_, trayIcon_);
        added_ = true;
    } else if (!show && added_) {
        DeleteIcon(hwnd_, iconId_);
        ws_->setWindowProc(hwnd_, savedProc());
        savedProc() = nullptr;
        added_ = false;
    }
    inTray_ = show;
    PropertyChanged("InTray");
}

void cSysTray::UserControl_InitProperties() {
    InTray(false);
    TrayTip(kDefaultTip);
    TrayIcon(facePicture_);
}

void cSysTray::AddIcon(gui::HWnd hwnd, std::uint32_t id, const std::string& tip, const forms::PictureRef& icon) {
    gui::NotifyIconData d;
    d.hwnd = hwnd;
    d.id = id;
    if (icon) {
        d.icon = static_cast<std::intptr_t>(icon->handle());
        d.flags |= gui::NIF_ICON;
        trayIcon_ = icon;
    }
    if (!tip.empty()) {
        d.tip = trayTipField(tip);
        d.flags |= gui::NIF_TIP;
        trayTip_ = tip;
    }
    d.callbackMessage = mSysTray::kTrayCallbackMessage;
    d.flags |= gui::NIF_MESSAGE;
    Shell_NotifyIcon(gui::NIM_ADD, d);
}

void cSysTray::DeleteIcon(gui::HWnd hwnd, std::uint32_t id) {
    gui::NotifyIconData d;
    d.hwnd = hwnd;
    d.id = id;
    Shell_NotifyIcon(gui::NIM_DELETE, d);
}

void cSysTray::TrayCallback(gui::LParam lParam, gui::WParam wParam) {
    std::int32_t id = static_cast<std::int32_t>(wParam);
    int button = 0;
    switch (lParam) {
        case gui::WM_MOUSEMOVE: MouseMove(id); break;
        case gui::WM_LBUTTONDOWN: button = 1; MouseDown(button, id); break;
        case gui::WM_LBUTTONUP: button = 1; MouseUp(button, id); break;
        case gui::WM_LBUTTONDBLCLK: button = 1; MouseDblClick(button, id); break;
        case gui::WM_RBUTTONDOWN: button = 2; MouseDown(button, id); break;
        case gui::WM_RBUTTONUP: button = 2; MouseUp(button, id); break;
        case gui::WM_RBUTTONDBLCLK: button = 2; MouseDblClick(button, id); break;
        default: break;
    }
}

}  // namespace qv::controls
