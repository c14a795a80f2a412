#include "engine/alert_markers.h"

namespace qv::engine {

AskedAppSet& AskedApps() {
    static AskedAppSet apps;
    return apps;
}

PortAddressSet& PendingAlerts() {
    static PortAddressSet pairs;
    return pairs;
}

}  // namespace qv::engine
