#pragma once
// Default routes in the kernel's routing tables (procfs net/route and net/ipv6_route).
#include <string_view>

namespace qv::host::procfs {

// True when a net/route text holds a usable default route (destination and mask 0, route up).
bool hasDefaultRoute4(std::string_view routeText);
// True when a net/ipv6_route text holds a usable default route (::/0, up, not a reject route,
// not on the loopback interface).
bool hasDefaultRoute6(std::string_view ipv6RouteText);

}  // namespace qv::host::procfs
