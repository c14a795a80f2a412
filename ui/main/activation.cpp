#include "ui/main/activation.h"

#include "platform/forms/instances.h"
#include "platform/gui/window_system.h"
#include "ui/main/frm_main.h"
#include "ui/main/program_end.h"
#include "ui/main/splash.h"

namespace qv::ui {

namespace {
void toFront(const forms::Form& form) {
    if (gui::HWnd h = form.hWnd()) gui::windows().setForegroundWindow(h);
}
}  // namespace

void ActivateRunningCopy() {
    if (Ending()) return;
    if (frmMain* main = runningMain(); main != nullptr && main->loaded()) {
        main->Visible(true);
        toFront(*main);
        return;
    }
    if (forms::IsLoaded<splash>()) toFront(forms::Default<splash>());
}

}  // namespace qv::ui
