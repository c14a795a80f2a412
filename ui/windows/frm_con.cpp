#include "ui/windows/frm_con.h"

#include "ui/main/companions.h"
#include "ui/main/frm_main.h"

namespace qv::ui {

frmCon::frmCon(frmMain& main) : Form("frmCon", "frmCon"), main_(main) {
    cmdConnect.Click = [this] { tester_.cmdConnect_Click(); };
    cmdSend.Click = [this] { tester_.cmdSend_Click(); };
    cmdExit.Click = [this] { forms::Unload(*this); };
    isButton2.Click = [this] { isButton2_Click(); };
}

void frmCon::Form_Load() {
    main_.Visible(false);
    tester_.Load();
}

void frmCon::Form_Unload(int& /*Cancel*/) {
    main_.Visible(true);
    tester_.Unload();
}

void frmCon::isButton2_Click() {
    forms::Unload(*this);
    companions().showOpenPorts();
}

}  // namespace qv::ui
