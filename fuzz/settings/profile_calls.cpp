// The profile functions called as the program calls them, on a file of any bytes: a call that
// refuses to write leaves the file byte for byte as it was, a value written reads back, a
// section removed is gone, and every other entry of the file reads as before. Keys also go in
// through the key encoding that lets any application path be a key: those writes are never
// refused, and the key comes back from the section's key list.
//
// Input: a 2-byte length and the file's first bytes, then calls, each an operation byte followed
// by its texts (a 1-byte length and the bytes).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/base/files.h"
#include "platform/base/text.h"
#include "platform/settings/ini_document.h"
#include "platform/settings/ini_key.h"
#include "platform/settings/profile.h"

namespace {

using qv::settings::GetPrivateProfileString;
using qv::settings::IniDocument;
using qv::settings::WritePrivateProfileString;
using Entries = std::map<std::pair<std::string, std::string>, std::string>;

class Input {
public:
    Input(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}
    bool empty() const { return rest_.empty(); }
    uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    std::string text(size_t length) {
        const std::string t(rest_.substr(0, length));
        rest_.remove_prefix(t.size());
        return t;
    }
    std::string text() { return text(byte()); }

private:
    std::string_view rest_;
};

// A scratch file on a memory file system where there is one, so the flushes of each write cost
// little.
const std::string& scratchFile() {
    static const std::string file = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string dir = (base / "qv-fuzz-profile-XXXXXX").string();
        if (!::mkdtemp(dir.data())) std::abort();
        static const std::string made = dir;
        std::atexit([] { std::filesystem::remove_all(made); });
        return dir + "/store.ini";
    }();
    return file;
}

// Every (section, key) -> value the file holds, names in lower case, the first of a name counting.
Entries entries(const std::optional<std::string>& text) {
    Entries out;
    if (!text) return out;
    const IniDocument doc(*text);
    for (const auto& s : doc.sections()) {
        for (const auto& k : doc.keys(s).value_or(std::vector<std::string>{})) {
            auto key = std::make_pair(qv::base::LCase(s), qv::base::LCase(k));
            if (!out.count(key)) out[key] = doc.value(s, k).value_or("<missing>");
        }
    }
    return out;
}

// What a read gives back for a value written: without surrounding blanks, then without one pair
// of matching quotes.
std::string readBack(std::string_view value) {
    std::string v = qv::settings::trimBlanks(value);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return v;
}

bool hasAny(std::string_view s, std::string_view chars) { return s.find_first_of(chars) != std::string_view::npos; }

// Section names and values the program writes: no line breaks or NUL, sections without "]" or
// blanks at their ends.
bool plainSection(std::string_view s) {
    return !hasAny(s, std::string_view("\r\n\0]", 4)) && qv::settings::trimBlanks(s) == s;
}
bool plainValue(std::string_view v) { return !hasAny(v, std::string_view("\r\n\0", 3)); }

std::string read(const std::string& section, const std::string& key, const std::string& file) {
    std::string out;
    GetPrivateProfileString(section, key, "\x01missing", out, 1 << 20, file);
    return out;
}

// The section's key names from the key list, decoded.
std::vector<std::string> keyList(const std::string& section, const std::string& file) {
    std::string out;
    GetPrivateProfileString(section, std::nullopt, "", out, 1 << 20, file);
    std::vector<std::string> names;
    for (auto& n : qv::base::Split(out, std::string_view("\0", 1))) names.push_back(qv::settings::DecodeIniKey(n));
    return names;
}

void check(bool ok) {
    if (!ok) std::abort();
}

void oneCall(Input& in, const std::string& file) {
    static const char* const kSections[] = {"RULES", "ALREADY", "Level"};
    const uint8_t op = in.byte();
    const std::string section = op & 8 ? in.text() : kSections[(op >> 4) % 3];
    const std::string rawKey = in.text();
    const std::string value = in.text();
    const bool encoded = op & 4;
    const std::string key = encoded ? qv::settings::EncodeIniKey(rawKey) : rawKey;
    const bool removeSection = (op & 3) == 3;

    const auto before = qv::base::readFile(file);
    const long rc = removeSection ? WritePrivateProfileString(section, std::nullopt, "0", file)
                                  : WritePrivateProfileString(section, key, (op & 3) == 1 ? "" : value, file);
    const auto after = qv::base::readFile(file);
    if (rc == 0) {
        check(after == before);
        // An encoded key is always taken, so a refusal comes from the section or the value.
        if (encoded && !removeSection) check(rawKey.find('\0') != std::string::npos || !plainSection(section) || !plainValue(value));
        return;
    }
    check(after.has_value() || (removeSection && !before));
    const std::string lower = qv::base::LCase(section);
    Entries expected = entries(before), got = entries(after);
    if (removeSection) {
        check(!after || !IniDocument(*after).keys(section));
        std::erase_if(expected, [&](const auto& e) { return e.first.first == lower; });
    } else {
        check(read(section, key, file) == readBack((op & 3) == 1 ? "" : value));
        if (encoded) {
            const auto names = keyList(section, file);
            bool listed = false;
            for (const auto& n : names) listed = listed || qv::base::equalsNoCase(n, rawKey);
            // A name list is cut at NUL bytes a file of any bytes may hold in its names.
            check(listed || hasAny(*after, std::string_view("\0", 1)));
        }
        const auto written = std::make_pair(lower, qv::base::LCase(key));
        expected.erase(written);
        got.erase(written);
    }
    check(got == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& file = scratchFile();
    Input in(data, size);
    const size_t length = in.byte() | size_t{in.byte()} << 8;
    const std::string initial = in.text(length);
    std::filesystem::remove(file);
    if (!initial.empty() && !qv::base::writeFileAtomic(file, initial)) std::abort();
    for (int calls = 0; calls < 8 && !in.empty(); ++calls) oneCall(in, file);
    return 0;
}
