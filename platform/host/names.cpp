#include "platform/host/names.h"

#include <arpa/inet.h>

namespace qv::host {

std::optional<uint32_t> addressFromDotted(std::string_view text) {
    std::string s(text);
    if (s.empty() || s.find('\0') != std::string::npos) return std::nullopt;
    in_addr a{};
    if (inet_aton(s.c_str(), &a) == 0) return std::nullopt;
    return static_cast<uint32_t>(a.s_addr);
}

std::string dottedFromAddress(uint32_t address) {
    std::string s;
    for (int i = 0; i < 4; ++i) {
        if (i) s += '.';
        s += std::to_string((address >> (8 * i)) & 0xFFu);
    }
    return s;
}

}  // namespace qv::host
