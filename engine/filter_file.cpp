#include "engine/filter_file.h"

#include <algorithm>
#include <optional>

#include "engine/conf.h"
#include "platform/base/convert.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/base/text.h"

namespace qv::engine {

namespace {

// A list's section, the key of its count and the stem of its entry keys.
struct ListKeys {
    std::string_view section;
    std::string_view count;
    std::string_view text;
};
constexpr std::array<ListKeys, kFilterListCount> kListKeys{{
    {"Address", "AddrCnt", "Addr_"},
    {"RemP", "RemPcnt", "RemP_"},
    {"LocP", "LocPcnt", "LocP_"},
}};
constexpr std::array<std::string_view, 4> kLogKeys{"Listening", "Connected", "Blocked", "ICMP"};

std::string read(std::string_view section, std::string_view key) {
    return ReadConfValue(section, key, kFilterFileName);
}

// The Boolean a stored text names: "True" or "False" in any letters, or a number (not 0: true).
// Anything else, and a missing value, is false.
bool booleanOf(std::string_view text) {
    if (base::equalsNoCase(text, "True")) return true;
    auto n = base::parseNumber(text);
    return n && *n != 0;
}

// A check box's value as stored: 0, 1 or 2.
std::optional<int> checkValueOf(std::string_view text) {
    auto n = base::parseNumber(text);
    if (!n) return std::nullopt;
    double v = base::roundHalfEven(*n);
    if (v < 0 || v > 2) return std::nullopt;
    return static_cast<int>(v);
}

// The count a list's section gives, never more than the keys the section holds.
int entryCount(const ListKeys& keys) {
    double n = base::roundHalfEven(base::Val(read(keys.section, keys.count)));
    int present = ConfKeyCount(keys.section, kFilterFileName);
    return n <= 0 ? 0 : static_cast<int>(std::min<double>(n, present));
}

void loadList(int list, FilterLists& lists) {
    const ListKeys& keys = kListKeys[static_cast<std::size_t>(list)];
    const int n = entryCount(keys);
    for (int i = 1; i <= n; ++i) {
        const std::string number = std::to_string(i);
        FilterEntry e;
        e.text = read(keys.section, std::string(keys.text) + number);
        if (list == kRemoteAddressList) e.key = read(keys.section, "ip_" + number);
        e.checked = read(keys.section, "chk_" + number) == "True";
        lists.add(list, std::move(e));
    }
}

std::string boolWord(bool b) { return b ? "True" : "False"; }

}  // namespace

void LoadFilter(FilterFile& file) {
    file.Filtering = booleanOf(read("Main", "Filter"));
    for (int k = 0; k < kFilterListCount; ++k)
        file.chkAct[static_cast<std::size_t>(k)] = read(kListKeys[static_cast<std::size_t>(k)].section, "Activate") == "1";
    for (int k = 0; k < kFilterListCount; ++k) loadList(k, file.lists);
    file.Logging = booleanOf(read("Main", "Log"));
    for (std::size_t k = 0; k < kLogKeys.size(); ++k)
        if (auto v = checkValueOf(read("Log", kLogKeys[k]))) file.chkLog[k] = *v;
}

std::string FilterFileText(const FilterFile& file) {
    std::string t;
    auto line = [&t](std::string_view a, std::string_view b = {}) {
        t.append(a).append(b).append("\r\n");
    };
    line("[Main]");
    line("Filter=", boolWord(file.Filtering));
    line("Log=", boolWord(file.Logging));
    for (int k = 0; k < kFilterListCount; ++k) {
        const ListKeys& keys = kListKeys[static_cast<std::size_t>(k)];
        const auto& entries = file.lists.entries(k);
        line("");
        line("[" + std::string(keys.section) + "]");
        line("Activate=", std::to_string(file.chkAct[static_cast<std::size_t>(k)]));
        line(std::string(keys.count) + "=", std::to_string(entries.size()));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            line(std::string(keys.text) + number + "=", entries[i].text);
            if (k == kRemoteAddressList) line("ip_" + number + "=", entries[i].key);
            line("chk_" + number + "=", boolWord(entries[i].checked));
        }
    }
    line("");
    line("[Log]");
    for (std::size_t k = 0; k < kLogKeys.size(); ++k)
        line(std::string(kLogKeys[k]) + "=", std::to_string(file.chkLog[k]));
    line("");
    return t;
}

bool SaveFilter(const FilterFile& file) {
    return base::writeFileAtomic(base::inProgramFolder("Conf\\" + std::string(kFilterFileName)), FilterFileText(file));
}

}  // namespace qv::engine
