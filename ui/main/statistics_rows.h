#pragma once
// The rows of the main window's four statistics lists (TCP, IP, UDP, ICMP): each row's label and
// the counter it shows, in the order the lists show them, and the text of a counter.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/host/stats.h"

namespace qv::ui {

extern const std::array<std::string_view, 15> kTcpRowLabels;
extern const std::array<std::string_view, 23> kIpRowLabels;
extern const std::array<std::string_view, 5> kUdpRowLabels;
extern const std::array<std::string_view, 13> kIcmpRowLabels;

// The counters in row order.
std::array<uint32_t, 15> rowValues(const host::TcpStats& s);
std::array<uint32_t, 23> rowValues(const host::IpStats& s);
std::array<uint32_t, 5> rowValues(const host::UdpStats& s);
std::array<uint32_t, 13> rowValues(const host::IcmpCounts& s);

// A counter as the unsigned number it is ("4294967295"), but the TCP row "Maximum connections"
// (row 4) shows the system's all-ones value for a dynamic maximum as "-1".
inline constexpr int kDynamicMaximumRow = 4;
std::string counterText(uint32_t value, bool maximumConnectionsRow = false);

}  // namespace qv::ui
