#pragma once
// The prompter of a program shown on a display: message boxes, the file dialog and popup menus
// as real modal windows of the window system, centred on (or kept within) the screen.
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/msgbox.h"
#include "platform/gfx/geometry.h"
#include "platform/gui/window_system.h"

namespace qv::present {

class DesktopPrompter : public forms::Prompter {
public:
    DesktopPrompter(gui::WindowSystem& ws, gfx::Rect screen) : ws_(ws), screen_(screen) {}

    int messageBox(const forms::MessageBoxRequest& r) override;
    std::optional<std::string> fileDialog(const forms::FileDialogRequest& r) override;
    // What forms::setPopupHandler takes.
    forms::Menu* popupMenu(forms::Menu& menu, int x, int y);

private:
    gfx::Point centre() const;
    gui::WindowSystem& ws_;
    gfx::Rect screen_;
};

}  // namespace qv::present
