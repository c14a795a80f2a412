// A trojan list of any shape: the port part of every marked line is found, and a text holding a
// line end or the marker can never be a port on the list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/trojan_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view rest = text;
    while (!rest.empty()) {
        std::size_t eol = rest.find('\n');
        std::string_view line = rest.substr(0, eol);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::size_t mark = line.find('\x01');
        if (mark != std::string_view::npos && !qv::engine::TrojanListHasPort(text, line.substr(0, mark))) std::abort();
        if (eol == std::string_view::npos) break;
        rest.remove_prefix(eol + 1);
    }
    if (qv::engine::TrojanListHasPort(text, "1\n2") || qv::engine::TrojanListHasPort(text, "1\x01")) std::abort();
    return 0;
}
