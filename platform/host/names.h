#pragma once
// IPv4 addresses between their 32-bit form (network byte order) and dotted text. Name lookups in
// both directions are calls of the host (Host::hostByName, Host::hostByAddress).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::host {

// "a.b.c.d" (and the classic shorter, octal and hexadecimal forms) to an address; nullopt when
// the text is no address.
std::optional<uint32_t> addressFromDotted(std::string_view text);
// An address as "a.b.c.d".
std::string dottedFromAddress(uint32_t address);

}  // namespace qv::host
