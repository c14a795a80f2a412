#include "platform/present/desktop_prompter.h"

#include "platform/present/message_box_window.h"
#include "platform/present/popup_menu_window.h"

namespace qv::present {

int DesktopPrompter::messageBox(const forms::MessageBoxRequest& r) {
    const gfx::Point centre{int(screen_.left + screen_.width() / 2), int(screen_.top + screen_.height() / 2)};
    return showMessageBox(ws_, r, centre);
}

std::optional<std::string> DesktopPrompter::fileDialog(const forms::FileDialogRequest&) {
    // Not built yet: cancelled, as the headless prompter answers.
    return std::nullopt;
}

forms::Menu* DesktopPrompter::popupMenu(forms::Menu& menu, int x, int y) {
    return trackPopupMenu(ws_, menu, {x, y}, screen_);
}

}  // namespace qv::present
