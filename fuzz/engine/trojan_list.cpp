// A trojan list of any shape: the port part of every marked line is found, and a port is found
// exactly when some line begins with it followed by the marker. When the input holds a code-2
// byte, the text before it is the port asked for and the text after it the list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/trojan_list.h"

namespace {

// A line of the list begins with port and the marker: the same question asked without lines.
bool beginsALine(std::string_view list, std::string_view port) {
    std::string all = "\n";
    all += list;
    std::string wanted = "\n";
    wanted += port;
    wanted += '\x01';
    return all.find(wanted) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);

    std::string_view rest = input;
    while (!rest.empty()) {
        std::size_t eol = rest.find('\n');
        std::string_view line = rest.substr(0, eol);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::size_t mark = line.find('\x01');
        if (mark != std::string_view::npos && !qv::engine::TrojanListHasPort(input, line.substr(0, mark)))
            std::abort();
        if (eol == std::string_view::npos) break;
        rest.remove_prefix(eol + 1);
    }
    if (qv::engine::TrojanListHasPort(input, "1\n2") || qv::engine::TrojanListHasPort(input, "1\x01")) std::abort();

    std::size_t split = input.find('\x02');
    if (split == std::string_view::npos) return 0;
    std::string_view port = input.substr(0, split);
    std::string_view list = input.substr(split + 1);
    // A port holding a line end or the marker can never be a line's port part.
    if (port.find_first_of("\n\x01") != std::string_view::npos) {
        if (qv::engine::TrojanListHasPort(list, port)) std::abort();
        return 0;
    }
    if (qv::engine::TrojanListHasPort(list, port) != beginsALine(list, port)) std::abort();
    return 0;
}
