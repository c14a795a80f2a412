#include "engine/cini.h"

#include <algorithm>

#include "platform/settings/profile.h"

namespace qv::engine {

namespace {
constexpr std::size_t kValueBuffer = 1024;
constexpr std::size_t kSectionBuffer = 255;

uint64_t& writes() {
    static uint64_t n = 0;
    return n;
}
}  // namespace

uint64_t cINI::WriteCount() { return writes(); }

std::string cINI::Value() const {
    std::string out;
    settings::GetPrivateProfileString(section_, key_, default_, out, kValueBuffer, path_);
    return out;
}

void cINI::Value(std::string_view text) {
    std::string clean(text);
    clean.erase(std::remove(clean.begin(), clean.end(), '\0'), clean.end());
    ++writes();
    lastReturnCode_ = static_cast<int32_t>(settings::WritePrivateProfileString(section_, key_, clean, path_));
}

void cINI::DeleteValue() {
    ++writes();
    lastReturnCode_ = static_cast<int32_t>(settings::WritePrivateProfileString(section_, key_, "", path_));
}

void cINI::DeleteSection() {
    ++writes();
    lastReturnCode_ =
        static_cast<int32_t>(settings::WritePrivateProfileString(section_, std::nullopt, "0", path_));
}

std::string cINI::INISection() const {
    std::string out;
    settings::GetPrivateProfileString(section_, std::nullopt, default_, out, kSectionBuffer, path_);
    return out;
}

void cINI::INISection(std::string_view text) {
    ++writes();
    lastReturnCode_ =
        static_cast<int32_t>(settings::WritePrivateProfileString(section_, std::nullopt, text, path_));
}

}  // namespace qv::engine
