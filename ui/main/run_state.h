#pragma once
// The per-user settings of the application "quarvelin" that hold run state: "Settings"/"who"
// (a running marker), "graph" "out", "in" and "block" (the last counts, for the graph window),
// and "Run"/"alert" (the connection alert's marker). All values are text.
#include <string>
#include <string_view>

namespace qv::ui {

inline constexpr std::string_view kSettingsApp = "quarvelin";

// "Settings"/"who" := "1" unless it is "1" already.
void markRunning();
bool runningMarked();
// "Settings"/"who" := "0" and the three counts := "0", as the main window leaves.
void resetRunState();

struct GraphCounts {
    std::string out = "0";
    std::string in = "0";
    std::string block = "0";
    bool operator==(const GraphCounts&) const = default;
};
void storeGraphCounts(const GraphCounts& counts);
// What is stored; a missing count reads as "0".
GraphCounts graphCounts();

// "Run"/"alert": "0" after the connection alert closes; a missing value reads as "".
std::string alertMarker();
void clearAlertMarker();

}  // namespace qv::ui
