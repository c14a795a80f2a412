#include "platform/present/desktop_prompter.h"

#include "platform/present/file_dialog_window.h"
#include "platform/present/message_box_window.h"
#include "platform/present/popup_menu_window.h"

namespace qv::present {

gfx::Point DesktopPrompter::centre() const {
    return {int(screen_.left + screen_.width() / 2), int(screen_.top + screen_.height() / 2)};
}

int DesktopPrompter::messageBox(const forms::MessageBoxRequest& r) { return showMessageBox(ws_, r, centre()); }

std::optional<std::string> DesktopPrompter::fileDialog(const forms::FileDialogRequest& r) {
    return showFileDialog(ws_, r, centre());
}

forms::Menu* DesktopPrompter::popupMenu(forms::Menu& menu, int x, int y) {
    return trackPopupMenu(ws_, menu, {x, y}, screen_);
}

}  // namespace qv::present
