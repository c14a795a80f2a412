#pragma once
// The tray tip and icon a full poll pass leaves, chosen by which of its three counts moved.
#include <optional>
#include <string_view>

namespace qv::engine {

struct TrayStatus {
    std::string_view tip;
    int image = 0;  // 1-based image of `ilTray`
};

// Nothing when all three counts changed: tip and icon then stay as they are.
std::optional<TrayStatus> TrayStatusFor(bool incomingChanged, bool outboundChanged, bool blockedChanged);

}  // namespace qv::engine
