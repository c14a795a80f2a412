#pragma once
// cSysTray: one icon with a tip in the notification area, and the shell's mouse notifications
// for it turned into events. The control owns a hidden window of its own; while the icon is in
// the tray that window is subclassed by TrayWindowProc, which hands the callback message back
// to the control. Only one control may be in the tray at a time: the saved window procedure
// has a single slot for the whole program.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/forms/event.h"
#include "platform/forms/hosting/user_control.h"
#include "platform/forms/picture.h"
#include "platform/gui/types.h"

namespace qv::gui {
class WindowSystem;
}

namespace qv::controls {

class cSysTray;

namespace mSysTray {
// The callback message of the tray icon.
inline constexpr gui::MessageId kTrayCallbackMessage = 0x465;
// Installed on the control's window while the icon is in the tray.
gui::LResult TrayWindowProc(gui::HWnd hWnd, gui::MessageId uMsg, gui::WParam wParam, gui::LParam lParam);
}  // namespace mSysTray

class cSysTray : public forms::UserControl {
public:
    static constexpr int kSide = 510;  // twips, width and height
    static constexpr const char* kDefaultTip = "Telnet Server";

    cSysTray(forms::Form& owner, std::string name, int index = -1);
    ~cSysTray() override;

    std::string_view kind() const override { return "cSysTray"; }

    // TrayIcon: only an icon picture is taken; anything else leaves the stored one.
    void TrayIcon(const forms::PictureRef& icon);
    const forms::PictureRef& TrayIcon() const { return trayIcon_; }
    void TrayTip(const std::string& tip);
    const std::string& TrayTip() const { return trayTip_; }
    // The control's caption is its tip.
    void Caption(const std::string& caption) { TrayTip(caption); }
    const std::string& Caption() const { return trayTip_; }
    void InTray(bool show);
    bool InTray() const { return inTray_; }

    // Events; arguments by reference. Button 1 left, 2 right; id the icon id (always 0).
    forms::Event<std::int32_t&> MouseMove;
    forms::Event<int&, std::int32_t&> MouseDown;
    forms::Event<int&, std::int32_t&> MouseUp;
    forms::Event<int&, std::int32_t&> MouseDblClick;

    // What the control shows of itself while designed: the tray icon once one is set.
    const forms::PictureRef& facePicture() const { return facePicture_; }
    gui::HWnd hWnd() const { return hwnd_; }
    bool added() const { return added_; }

protected:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(forms::PropertyBag& bag) override;
    void UserControl_WriteProperties(forms::PropertyBag& bag) override;
    void UserControl_Resize() override;
    void UserControl_Paint() override;
    void UserControl_Terminate() override;

private:
    friend gui::LResult mSysTray::TrayWindowProc(gui::HWnd, gui::MessageId, gui::WParam, gui::LParam);
    void TrayCallback(gui::LParam lParam, gui::WParam wParam);
    void AddIcon(gui::HWnd hwnd, std::uint32_t id, const std::string& tip, const forms::PictureRef& icon);
    void DeleteIcon(gui::HWnd hwnd, std::uint32_t id);

    gui::WindowSystem* ws_;
    gui::HWnd hwnd_ = 0;
    std::uint32_t iconId_ = 0;
    bool added_ = false;
    bool inTray_ = false;
    std::string trayTip_;
    forms::PictureRef trayIcon_;
    forms::PictureRef facePicture_;
};

// The tip field of the shell record: the tip cut to 63 characters, a NUL, then blanks to 64.
std::string trayTipField(std::string_view tip);

}  // namespace qv::controls
