#include "engine/tray_status.h"

namespace qv::engine {

std::optional<TrayStatus> TrayStatusFor(bool incoming, bool outbound, bool blocked) {
    if (incoming && outbound && blocked) return std::nullopt;
    if (incoming && outbound) return TrayStatus{"Quarvelin - Allow All Traffic", 12};
    if (blocked) {
        if (outbound) return TrayStatus{"Quarvelin - Block out All Traffic", 15};
        if (incoming) return TrayStatus{"Quarvelin - Block in All Traffic", 15};
        return TrayStatus{"Quarvelin - Block All Traffic", 11};
    }
    if (outbound) return TrayStatus{"Quarvelin - Allow out All Traffic", 14};
    if (incoming) return TrayStatus{"Quarvelin - Allow in All Traffic", 14};
    return TrayStatus{"Quarvelin - No Traffic", 13};
}

}  // namespace qv::engine
