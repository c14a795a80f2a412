#include "app/display.h"

#include <cstdlib>

#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/popup_menu.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/msgbox_window.h"
#include "platform/gfx/picture.h"
#include "platform/gui/window_system.h"
#include "platform/present/x11/x11_presenter.h"

namespace qv::app {

Display::Display() {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || name[0] == '\0') {
        why_ = "DISPLAY is not set";
        return;
    }
    presenter_ = present::x11::X11Presenter::open(gui::windows());
    if (!presenter_) {
        why_ = std::string("the display ") + name + " cannot be opened";
        return;
    }
    // The program's icon on its captioned windows: the resting tray icon, drawn at 32 pixels.
    const std::string exeFolder = base::folderOf(base::executablePath());
    presenter_->setApplicationIcon(gfx::loadIcon(base::joinPath(exeFolder, "Forms/tray/tray10.ico"), 32));
    prompter_ = std::make_unique<forms::WindowPrompter>();
    forms::setPrompter(prompter_.get());
    forms::setPopupHandler(forms::showPopupMenu);
}

Display::~Display() {
    if (!presenter_) return;
    forms::setPopupHandler({});
    forms::setPrompter(nullptr);
}

}  // namespace qv::app
