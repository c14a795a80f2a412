#include "ui/main/run_state.h"

#include "platform/settings/app_settings.h"

namespace qv::ui {

using settings::GetSetting;
using settings::SaveSetting;

void markRunning() {
    if (GetSetting(kSettingsApp, "Settings", "who") != "1") SaveSetting(kSettingsApp, "Settings", "who", "1");
}

bool runningMarked() { return GetSetting(kSettingsApp, "Settings", "who") == "1"; }

void resetRunState() {
    SaveSetting(kSettingsApp, "Settings", "who", "0");
    storeGraphCounts(GraphCounts{});
}

void storeGraphCounts(const GraphCounts& c) {
    SaveSetting(kSettingsApp, "graph", "out", c.out);
    SaveSetting(kSettingsApp, "graph", "in", c.in);
    SaveSetting(kSettingsApp, "graph", "block", c.block);
}

GraphCounts graphCounts() {
    return GraphCounts{GetSetting(kSettingsApp, "graph", "out", "0"), GetSetting(kSettingsApp, "graph", "in", "0"),
                       GetSetting(kSettingsApp, "graph", "block", "0")};
}

std::string alertMarker() { return GetSetting(kSettingsApp, "Run", "alert"); }
void clearAlertMarker() { SaveSetting(kSettingsApp, "Run", "alert", "0"); }

}  // namespace qv::ui
