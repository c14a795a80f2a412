#pragma once
// What the block-all notice does to the tray tip: while it is up the tip says the computer is in
// its normal state, and the tip it found comes back when it closes.
#include <string>
#include <string_view>

namespace qv::engine {

inline constexpr std::string_view kBlockAllTip = "Quarvelin - Computer Normal";

// The notice's loading: returns the current tray tip (the notice keeps it in its Tag) and shows
// kBlockAllTip.
std::string BlockAllNoticeLoad();
// The notice's unloading: puts the kept tip back, whatever the tip has become meanwhile.
void BlockAllNoticeUnload(std::string_view keptTip);

}  // namespace qv::engine
