#include "ui/windows/frm_applications.h"

#include "controls/balloon.h"
#include "engine/cini.h"
#include "engine/poll_pass.h"
#include "engine/stores.h"
#include "engine/version_reader.h"
#include "platform/base/files.h"
#include "ui/main/frm_main.h"
#include "ui/main/window_shape.h"
#include "ui/windows/frm_add.h"
#include "ui/windows/one_window.h"

namespace qv::ui {

namespace {

constexpr int kVersion = 1, kAccess = 2, kPath = 3;  // the row's sub-items

// The rule store on one key of "RULES"; a key without a value reads "".
engine::cINI& ruleOf(const std::string& path) {
    engine::cINI& rules = engine::RuleStore();
    rules.Section("RULES");
    rules.Key(path);
    rules.Default("");
    return rules;
}

}  // namespace

std::string GetRule(const std::string& value) {
    if (value == "0") return "Ask";
    if (value == "1") return "Block";
    if (value == "2") return "Trust";
    return "";
}

frmApplications::frmApplications(frmMain& main)
    : Form("frmApplications", "frmApplications"), main_(main), drag_(*this, main) {
    lvApplications.ItemClick = [this](forms::ListItem&) { lvApplications_ItemClick(); };
    mnuModifyAsk.Click = [this] { setRule("0"); };
    mnuModifyBlock.Click = [this] { setRule("1"); };
    mnuModifyTrust.Click = [this] { setRule("2"); };
    mnuModifyDelete.Click = [this] { mnuModifyDelete_Click(); };
    atl.Click = [this] { atl_Click(); };
    PictureButton1.Click = [this] { forms::Unload(*this); };
}

void frmApplications::Form_Load() {
    // Every key of the section, however many: no rule is left out of the list.
    engine::cINI& rules = engine::RuleStore();
    rules.Section("RULES");
    for (const std::string& path : rules.SectionKeys()) {
        const std::string value = ruleOf(path).Value();
        if (!value.empty()) addRow(path, value);
    }
    isButton1.Caption("");
    if (main_.Check11.Value() == 1) {
        controls::CreateBalloon(hWnd());
        controls::AddBalloonTip(lvApplications.hWnd(), "This is a list application is running");
    }
    ApplyWindowShape(*this, PicHiddenData, regionBytes(1));
}

void frmApplications::addRow(const std::string& path, const std::string& value) {
    const std::string access = GetRule(value);
    const int icon = access == "Ask" || access == "Trust" ? kIconLetThrough : kIconHeld;
    forms::ListItem& row = lvApplications.ListItems().Add(-1, "", base::fileNameOf(path), 0, icon);
    row.SubItems(kVersion, engine::GetFileVersion(path));
    row.SubItems(kAccess, access);
    row.SubItems(kPath, path);
}

void frmApplications::Form_Unload(int& /*Cancel*/) { engine::PollConnections(true); }

void frmApplications::lvApplications_ItemClick() {
    const forms::ListItem* row = lvApplications.SelectedItem();
    if (row == nullptr) return;
    std::string name = row->Text();
    if (name.empty()) name = base::fileNameOf(row->SubItems(kPath));
    mnuModifyTrust.Caption("Always allow " + name);
    mnuModifyBlock.Caption("Always block " + name);
    mnuModifyAsk.Caption("Ask for " + name);
    mnuModifyDelete.Caption("Remove " + name + " from this list.");
    PopupMenu(mnuModify);
}

void frmApplications::setRule(const char* value) {
    forms::ListItem* row = lvApplications.SelectedItem();
    if (row == nullptr) return;
    ruleOf(row->SubItems(kPath)).Value(value);
    row->SubItems(kAccess, GetRule(value));
}

void frmApplications::mnuModifyDelete_Click() {
    forms::ListItem* row = lvApplications.SelectedItem();
    if (row == nullptr) return;
    ruleOf(row->SubItems(kPath)).DeleteValue();
    lvApplications.ListItems().Remove(row->Index());
}

void frmApplications::atl_Click() {
    OneWindow<frmAdd>(main_).Show();
    main_.Visible(false);
}

}  // namespace qv::ui
