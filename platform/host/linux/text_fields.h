#pragma once
// Walking a procfs table: its lines one by one, and one line's blank-separated fields.
#include <string_view>
#include <type_traits>
#include <vector>

namespace qv::host::procfs {

inline std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// Calls f with each line of text, without its '\n'. When f returns bool, false stops the walk.
template <typename F>
void eachLine(std::string_view text, F&& f) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos) nl = text.size();
        std::string_view line = text.substr(pos, nl - pos);
        pos = nl + 1;
        if constexpr (std::is_same_v<std::invoke_result_t<F&, std::string_view>, bool>) {
            if (!f(line)) return;
        } else {
            f(line);
        }
    }
}

}  // namespace qv::host::procfs
