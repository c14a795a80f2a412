#pragma once
// Per-user application settings, as Basic's GetSetting, SaveSetting and DeleteSetting keep
// them: text values by application, section and key, stored in the current user's registry
// below "Software\Quarvelin Program Settings\<application>\<section>". Application and section
// names must be non-empty and hold no "\" or control character; keys hold no control
// character. Names match without regard to case.
#include <optional>
#include <string>
#include <string_view>

namespace qv::settings {

inline constexpr std::string_view kAppSettingsKey = "Software\\Quarvelin Program Settings";

// The stored text, or defaultValue when it (or anything above it) is missing or unreadable.
std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view defaultValue = "");
// Stores the text; false when the names are refused or the store cannot be written.
bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value);
// Removes the key, or with no key the whole section; false when there was nothing to remove,
// the names are refused or the store cannot be written.
bool DeleteSetting(std::string_view app, std::string_view section,
                   std::optional<std::string_view> key = std::nullopt);

}  // namespace qv::settings
