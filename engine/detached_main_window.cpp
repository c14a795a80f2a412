#include "engine/detached_main_window.h"

namespace qv::engine {

int DetachedMainWindow::chkAct(int index) const {
    return index >= 0 && index < static_cast<int>(act.size()) ? act[static_cast<std::size_t>(index)] : 0;
}

int DetachedMainWindow::chkLog(int index) const {
    return index >= 0 && index < static_cast<int>(log.size()) ? log[static_cast<std::size_t>(index)] : 0;
}

int DetachedMainWindow::lvFirewallAdd(const AppListItem& item) {
    lvFirewall.push_back(item);
    return static_cast<int>(lvFirewall.size()) - 1;
}

void DetachedMainWindow::lvFirewallRemove(int position) {
    if (position >= 0 && position < static_cast<int>(lvFirewall.size()))
        lvFirewall.erase(lvFirewall.begin() + position);
}

PortLogRow DetachedMainWindow::lvwLogItem(int position) const {
    if (position < 0 || position >= static_cast<int>(lvwLog.size())) return {};
    return lvwLog[static_cast<std::size_t>(position)];
}

}  // namespace qv::engine
