#include "ui/main/engine_view.h"

namespace qv::ui {

int frmMain::EngineView::chkAct(int index) const {
    // Before the design has made the boxes, the designer value: every filter list active.
    return f_.chkAct.exists(index) ? f_.chkAct(index).Value() : 1;
}

int frmMain::EngineView::chkLog(int index) const {
    return f_.chkLog.exists(index) ? f_.chkLog(index).Value() : 0;
}

void frmMain::EngineView::setTrayIcon(int ilTrayImage) {
    // An image the list does not hold leaves the icon as it is.
    if (ilTrayImage < 1 || ilTrayImage > f_.ilTray.Count()) return;
    f_.SysTray.TrayIcon(f_.ilTray(ilTrayImage).Picture);
}

int frmMain::EngineView::lvFirewallAdd(const engine::AppListItem& item) {
    forms::ListItem& li = f_.lvFirewall.ListItems().Add(-1, "", item.description);
    li.SubItems(1, item.version);
    li.SubItems(2, item.path);
    li.Tag = std::to_string(item.tag);
    return li.Index() - 1;
}

void frmMain::EngineView::lvFirewallRemove(int position) {
    auto& items = f_.lvFirewall.ListItems();
    if (position >= 0 && position < items.Count()) items.Remove(position + 1);
}

engine::PortLogRow frmMain::EngineView::lvwLogItem(int position) const {
    const forms::ListItem& li = f_.lvwLog.ListItems()(position + 1);
    return engine::PortLogRow{li.Text(), li.SubItems(1), li.SubItems(2), li.SubItems(3), li.SubItems(4)};
}

void frmMain::EngineView::lvwLogAdd(const engine::PortLogRow& row) {
    forms::ListItem& li = f_.lvwLog.ListItems().Add(-1, "", row.host);
    li.SubItems(1, row.localPort);
    li.SubItems(2, row.remotePort);
    li.SubItems(3, row.status);
    li.SubItems(4, row.timeStamp);
}

}  // namespace qv::ui
