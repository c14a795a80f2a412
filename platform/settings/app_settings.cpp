#include "platform/settings/app_settings.h"

#include "platform/settings/registry_store.h"

namespace qv::settings {

namespace {

bool validPart(std::string_view name) {
    return !name.empty() && name.find('\\') == std::string_view::npos && validKeyPath(name);
}

// The key of a section, or nullopt for names that are refused.
std::optional<std::string> sectionKey(std::string_view app, std::string_view section) {
    if (!validPart(app) || !validPart(section)) return std::nullopt;
    return std::string(kAppSettingsKey) + "\\" + std::string(app) + "\\" + std::string(section);
}

}  // namespace

std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                       std::string_view defaultValue) {
    const auto path = sectionKey(app, section);
    RegistryHive hive;
    if (!path || loadHive(HKEY_CURRENT_USER, hive) != ERROR_SUCCESS) return std::string(defaultValue);
    const RegValue* v = hive.value(*path, key);
    if (!v) return std::string(defaultValue);
    return v->data;
}

bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                 std::string_view value) {
    const auto path = sectionKey(app, section);
    if (!path || !validValueName(key)) return false;
    const HiveLock lock(HKEY_CURRENT_USER);
    RegistryHive hive;
    if (!lock.held() || loadHive(HKEY_CURRENT_USER, hive) != ERROR_SUCCESS) return false;
    hive.setValue(*path, key, RegValue{REG_SZ, std::string(value)});
    return saveHive(HKEY_CURRENT_USER, hive) == ERROR_SUCCESS;
}

bool DeleteSetting(std::string_view app, std::string_view section, std::optional<std::string_view> key) {
    const auto path = sectionKey(app, section);
    if (!path) return false;
    const HiveLock lock(HKEY_CURRENT_USER);
    RegistryHive hive;
    if (!lock.held() || loadHive(HKEY_CURRENT_USER, hive) != ERROR_SUCCESS) return false;
    const bool removed = key ? hive.removeValue(*path, *key) : hive.removeKey(*path);
    return removed && saveHive(HKEY_CURRENT_USER, hive) == ERROR_SUCCESS;
}

}  // namespace qv::settings
