#include "ui/windows/frm_view.h"

namespace qv::ui {

// The console fills the window.
void frmView::Form_Resize() { txtConView.Move(0, 0, ScaleWidth(), ScaleHeight()); }

void frmView::Form_Unload(int& /*Cancel*/) { txtConView.Text(""); }

}  // namespace qv::ui
