#include "engine/cini.h"

#include <algorithm>

#include "engine/logs.h"
#include "engine/ui_hooks.h"
#include "platform/settings/ini_key.h"
#include "platform/settings/profile.h"

namespace qv::engine {

namespace {
constexpr std::size_t kValueBuffer = 1024;
constexpr std::size_t kSectionBuffer = 255;

uint64_t& writes() {
    static uint64_t n = 0;
    return n;
}

bool& failureShown() {
    static bool shown = false;
    return shown;
}

// A section's key list as stored, each name followed by a code-0 character, with every name
// decoded; a list cut inside its last name ends without one.
std::string decodedKeyList(std::string_view list) {
    std::string out;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t nul = list.find('\0', start);
        out += settings::DecodeIniKey(list.substr(start, nul == std::string_view::npos ? std::string_view::npos : nul - start));
        if (nul == std::string_view::npos) break;
        out += '\0';
        start = nul + 1;
    }
    return out;
}
}  // namespace

uint64_t cINI::WriteCount() { return writes(); }

void cINI::ResetWriteFailureNotice() { failureShown() = false; }

void cINI::finishWrite(long result, bool withKey) {
    lastReturnCode_ = static_cast<int32_t>(result);
    if (result != 0) return;
    // The stored form of the key, so that no line break of a path reaches the log.
    const std::string what = "[" + section_ + "]" + (withKey ? " " + settings::EncodeIniKey(key_) : std::string());
    LogSecurity("High", "Could not save " + what + " in " + path_ + ".");
    if (failureShown()) return;
    failureShown() = true;
    MsgBox("A change could not be saved to " + path_ + ".", kMbExclamation);
}

std::string cINI::Value() const {
    std::string out;
    settings::GetPrivateProfileString(section_, settings::EncodeIniKey(key_), default_, out, kValueBuffer, path_);
    return out;
}

void cINI::Value(std::string_view text) {
    std::string clean(text);
    clean.erase(std::remove(clean.begin(), clean.end(), '\0'), clean.end());
    ++writes();
    finishWrite(settings::WritePrivateProfileString(section_, settings::EncodeIniKey(key_), clean, path_), true);
}

void cINI::DeleteValue() {
    ++writes();
    finishWrite(settings::WritePrivateProfileString(section_, settings::EncodeIniKey(key_), "", path_), true);
}

void cINI::DeleteSection() {
    ++writes();
    finishWrite(settings::WritePrivateProfileString(section_, std::nullopt, "0", path_), false);
}

std::string cINI::INISection() const {
    std::string out;
    settings::GetPrivateProfileString(section_, std::nullopt, "", out, kSectionBuffer, path_);
    if (!out.empty()) return decodedKeyList(out);
    // A missing or empty section: the default, as the platform gives it.
    settings::GetPrivateProfileString(section_, std::nullopt, default_, out, kSectionBuffer, path_);
    return out;
}

std::vector<std::string> cINI::SectionKeys() const {
    // A list that does not fit comes back cut to the buffer less two: read again with room.
    std::string list;
    for (std::size_t size = 4096;; size *= 2) {
        const long n = settings::GetPrivateProfileString(section_, std::nullopt, "", list, size, path_);
        if (static_cast<std::size_t>(n) + 2 < size) break;
    }
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t nul = std::min(list.find('\0', start), list.size());
        keys.push_back(settings::DecodeIniKey(std::string_view(list).substr(start, nul - start)));
        start = nul + 1;
    }
    return keys;
}

void cINI::INISection(std::string_view text) {
    ++writes();
    finishWrite(settings::WritePrivateProfileString(section_, std::nullopt, text, path_), false);
}

}  // namespace qv::engine
