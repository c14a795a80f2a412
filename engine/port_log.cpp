#include "engine/port_log.h"

#include "engine/main_window.h"

namespace qv::engine {

void AddPortLog(std::string_view host, std::string_view localPort, std::string_view remotePort,
                std::string_view status, std::string_view timeStamp, bool appendAlways) {
    MainWindow& w = mainWindow();
    if (!appendAlways) {
        const int n = w.lvwLogCount();
        for (int i = 0; i < n; ++i) {
            PortLogRow row = w.lvwLogItem(i);
            if (row.host == host && row.localPort == localPort && row.status == status) return;
        }
    }
    w.lvwLogAdd(PortLogRow{std::string(host), std::string(localPort), std::string(remotePort),
                           std::string(status), std::string(timeStamp)});
}

}  // namespace qv::engine
