#pragma once
// The per-user application settings the engine writes (application "quarvelin"): the poll pass
// keeps its last counts in section "graph" for the graph window. The program installs the writer
// that stores them when it starts; until then a write goes nowhere.
#include <functional>
#include <string_view>

namespace qv::engine {

inline constexpr std::string_view kSettingsApp = "quarvelin";

using SaveSettingHandler = std::function<void(std::string_view app, std::string_view section,
                                              std::string_view key, std::string_view value)>;

void setSaveSettingHandler(SaveSettingHandler handler);
void SaveSetting(std::string_view app, std::string_view section, std::string_view key, std::string_view value);

}  // namespace qv::engine
