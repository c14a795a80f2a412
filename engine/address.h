#pragma once
// IPv4 addresses between their 32-bit form (network byte order) and dotted text, and host-name
// lookups in both directions, answered by the current host.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv::engine {

// The "no address" answer of ResolveAddress (-1 as a signed number).
inline constexpr uint32_t kNoAddress = 0xFFFFFFFFu;

// "a.b.c.d".
std::string IpToString(uint32_t address);
// The dotted form converted directly, else the first address a name lookup gives, else
// kNoAddress.
uint32_t ResolveAddress(std::string_view name);
// The name registered for a dotted address, the address text itself when it has none, "" when
// its name is empty, "Invalid IP." without a lookup when the text is not a dotted address or is
// the broadcast address 255.255.255.255. Lets pending window messages run before and after the
// lookup.
std::string HostNameFromIp(std::string_view ip);

// Start and end the use of the sockets layer. Ending it more often than it was started shows
// "Windows Sockets error occurred in Cleanup.".
bool SocketsInitialize();
void SocketsCleanup();

}  // namespace qv::engine
