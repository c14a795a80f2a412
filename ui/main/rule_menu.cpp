// The application list's rule menu: a right click on an application offers Trust, Ask, Block and
// Always Terminate for it. What the menu acts on is taken at the right click; an entry chosen
// after a pass has rebuilt the list acts only while the clicked item still shows that
// application, and Terminate only while that connection still belongs to the same process.
#include "engine/cini.h"
#include "engine/connection_table.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "engine/stores.h"
#include "platform/base/files.h"
#include "ui/main/frm_main.h"

namespace qv::ui {

namespace {

constexpr const char* kNoName = "(No Application Name)";

int tagIndex(const std::string& tag) {
    if (tag.empty() || tag.size() > 4 || tag.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(tag);
}

}  // namespace

void frmMain::lvFirewall_MouseDown(int Button, int /*Shift*/, float /*x*/, float /*y*/) {
    forms::ListItem* item = lvFirewall.SelectedItem();
    if (item == nullptr) return;
    std::string name = item->Text();
    mnuFirewall.Tag(std::to_string(item->Index()));
    const std::string path = item->SubItems(2);
    if (name == kNoName) name = base::fileNameOf(path);
    if (Button != forms::kRightButton || name.empty()) return;

    RuleTarget target;
    target.item = item->Index();
    target.path = path;
    target.recordIndex = tagIndex(item->Tag);
    const engine::ConnectionRecord* r = engine::Connections().at(target.recordIndex);
    if (r != nullptr && r->AppPath == path) target.processId = r->ProcessId;
    ruleTarget_ = target;

    mnuFirewallTrust.Caption("Trust " + name);
    mnuFirewallAsk.Caption("Ask " + name);
    mnuFirewallBlock.Caption("Block " + name);
    mnuFirewallTerminate.Caption("Always Terminate " + name);
    PopupMenu(mnuFirewall);
}

forms::ListItem* frmMain::ruleItem() const {
    if (!ruleTarget_) return nullptr;
    const forms::ListItemList& items = lvFirewall.ListItems();
    if (ruleTarget_->item < 1 || ruleTarget_->item > items.Count()) return nullptr;
    forms::ListItem& item = items(ruleTarget_->item);
    return item.SubItems(2) == ruleTarget_->path ? &item : nullptr;
}

forms::ListItem* frmMain::storeRule(const char* action) {
    forms::ListItem* item = ruleItem();
    if (item == nullptr) return nullptr;
    engine::cINI& rules = engine::RuleStore();
    rules.Section("RULES");
    rules.Key(ruleTarget_->path);
    rules.Value(action);
    return item;
}

void frmMain::showRule(const char* action, int smallIcon, bool forcePass) {
    forms::ListItem* item = storeRule(action);
    if (item == nullptr) return;
    item->SmallIcon = smallIcon;
    lvFirewall.Refresh();
    if (forcePass) engine::PollConnections(true);
}

void frmMain::mnuFirewallAsk_Click() { showRule("0", 1, true); }
void frmMain::mnuFirewallBlock_Click() { showRule("1", 2, true); }
void frmMain::mnuFirewallTrust_Click() { showRule("2", 3, false); }

void frmMain::mnuFirewallTerminate_Click() {
    forms::ListItem* item = storeRule("3");
    if (item == nullptr) return;
    const engine::ConnectionRecord* r = engine::Connections().at(tagIndex(item->Tag));
    if (r != nullptr && r->AppPath == ruleTarget_->path && r->ProcessId == ruleTarget_->processId &&
        ruleTarget_->processId > 0)
        engine::KillProcess(ruleTarget_->processId);
    lvFirewall.ListItems().Remove(item->Index());
}

}  // namespace qv::ui
