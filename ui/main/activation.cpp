#include "ui/main/activation.h"

#include "platform/forms/instances.h"
#include "platform/gui/window_system.h"
#include "ui/main/frm_main.h"
#include "ui/main/program_end.h"
#include "ui/main/splash.h"

namespace qv::ui {

namespace {
void toFront(forms::FormWindow& window) {
    if (gui::HWnd h = window.hWnd()) gui::windows().setForegroundWindow(h);
}
}  // namespace

void ActivateRunningCopy() {
    if (Ending()) return;
    if (frmMain* main = runningMain(); main != nullptr && main->loaded()) {
        main->Visible(true);
        toFront(main->window);
        return;
    }
    if (forms::IsLoaded<splash>()) toFront(forms::Default<splash>().window);
}

}  // namespace qv::ui
