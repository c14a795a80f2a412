#include "platform/host/linux/routes.h"

#include <charconv>
#include <vector>

#include "platform/host/linux/text_fields.h"

namespace qv::host::procfs {

namespace {

constexpr unsigned kRouteUp = 0x0001;
constexpr unsigned kRouteReject = 0x0200;

bool hexValue(std::string_view s, unsigned long long& v) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
    return ec == std::errc() && p == s.data() + s.size();
}

bool allZeros(std::string_view s) { return !s.empty() && s.find_first_not_of('0') == std::string_view::npos; }

}  // namespace

bool hasDefaultRoute4(std::string_view routeText) {
    bool found = false;
    // Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT
    eachLine(routeText, [&](std::string_view line) {
        auto f = fields(line);
        unsigned long long flags;
        if (f.size() < 8 || !hexValue(f[3], flags)) return;
        if (allZeros(f[1]) && f[1].size() == 8 && allZeros(f[7]) && (flags & kRouteUp)) found = true;
    });
    return found;
}

bool hasDefaultRoute6(std::string_view ipv6RouteText) {
    bool found = false;
    // dest prefixlen src srcprefixlen nexthop metric refcnt use flags device
    eachLine(ipv6RouteText, [&](std::string_view line) {
        auto f = fields(line);
        unsigned long long flags;
        if (f.size() < 10 || !hexValue(f[8], flags)) return;
        if (f[0].size() == 32 && allZeros(f[0]) && allZeros(f[1]) && (flags & kRouteUp) &&
            !(flags & kRouteReject) && f[9] != "lo")
            found = true;
    });
    return found;
}

}  // namespace qv::host::procfs
