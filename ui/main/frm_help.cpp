#include "ui/main/frm_help.h"

#include "platform/base/program_folder.h"

namespace qv::ui {

void frmHelp::Form_Load() { WebBrowser1.Navigate2(base::programFolder() + "\\Doc\\documentation.htm"); }

}  // namespace qv::ui
