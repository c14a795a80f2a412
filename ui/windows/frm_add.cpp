#include "ui/windows/frm_add.h"

#include <optional>

#include "engine/cini.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "platform/base/basic_error.h"
#include "platform/base/text.h"
#include "platform/forms/msgbox.h"
#include "ui/main/frm_main.h"
#include "ui/main/window_shape.h"

namespace qv::ui {

namespace {

struct Action {
    const char* text;   // as the Combo shows it
    const char* value;  // the rule stored
    bool forcePass;     // a pass carries the rule out at once
};
// Terminate forces a pass too: it ends the program's running process by its connections as
// they are now, not by a process id the table held earlier.
constexpr Action kActions[] = {
    {"Ask", "0", true}, {"Block", "1", true}, {"Trust", "2", false}, {"Terminate", "3", true}};

std::optional<Action> actionNamed(const std::string& text) {
    for (const Action& a : kActions)
        if (text == a.text) return a;
    return std::nullopt;
}

}  // namespace

frmAdd::frmAdd(frmMain& main) : Form("frmAdd", "frmAdd"), main_(main) {
    cmdSource.Click = [this] { cmdSource_Click(); };
    cmdBlock.Click = [this] { cmdBlock_Click(); };
    isButton1.Click = [this] { isButton1_Click(); };
}

void frmAdd::Form_Load() { ApplyWindowShape(*this, PicHiddenData, regionBytes(1)); }

void frmAdd::cmdSource_Click() {
    CommonDialog1.FileName("");
    CommonDialog1.DialogTitle(" Select file name");
    CommonDialog1.Filter("All Files (*.*)|*.*");
    CommonDialog1.CancelError(true);
    CommonDialog1.Flags(forms::cdlOFNHideReadOnly);
    try {
        CommonDialog1.ShowOpen();
    } catch (const base::BasicError&) {
        return;  // cancelled (error 32755): the box keeps its text
    }
    txtAddr.Text(CommonDialog1.FileName());
}

void frmAdd::cmdBlock_Click() {
    const std::string path = txtAddr.Text();
    if (const std::optional<Action> action = actionNamed(Combo.Text())) {
        if (base::Trim(path).empty()) {
            forms::MsgBox("Please choose the program file first.", forms::vbExclamation);
            return;
        }
        engine::cINI& rules = engine::RuleStore();
        rules.Section("RULES");
        rules.Key(path);
        rules.Value(action->value);
        if (action->forcePass) engine::PollConnections(true);
    }
    main_.Visible(true);
    forms::Unload(*this);
}

void frmAdd::isButton1_Click() {
    forms::Unload(*this);
    main_.Visible(true);
}

}  // namespace qv::ui
