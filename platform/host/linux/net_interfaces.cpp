#include "platform/host/linux/net_interfaces.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/host/linux/proc_files.h"
#include "platform/host/linux/text_fields.h"

namespace qv::host::procfs {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

template <typename T>
std::optional<T> number(std::string_view s, int base = 10) {
    s = trim(s);
    if (base == 16 && s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.remove_prefix(2);
    T v{};
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<std::string> attribute(const std::string& dir, const char* name) {
    return readAttribute(dir + "/" + name);
}

// "aa:bb:cc:dd:ee:ff" to bytes; an address of zeros only (loopback, tunnels) means none.
std::vector<uint8_t> hardwareAddress(std::string_view text) {
    std::vector<uint8_t> bytes;
    size_t i = 0;
    text = trim(text);
    while (i < text.size()) {
        size_t colon = text.find(':', i);
        if (colon == std::string_view::npos) colon = text.size();
        auto b = number<unsigned>(text.substr(i, colon - i), 16);
        if (!b || *b > 0xFF) return {};
        bytes.push_back(static_cast<uint8_t>(*b));
        i = colon + 1;
    }
    if (std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; })) bytes.clear();
    return bytes;
}

constexpr unsigned kFlagUp = 0x1;

}  // namespace

std::map<std::string, NetDevCounters, std::less<>> parseNetDev(std::string_view text) {
    std::map<std::string, NetDevCounters, std::less<>> out;
    eachLine(text, [&](std::string_view line) {
        size_t colon = line.find(':');
        if (colon == std::string_view::npos) return;
        std::string_view name = trim(line.substr(0, colon));
        if (name.empty() || name.find('|') != std::string_view::npos) return;
        auto values = fields(line.substr(colon + 1));
        NetDevCounters c{};
        if (values.size() < c.size()) return;
        for (size_t k = 0; k < c.size(); ++k) {
            auto v = number<uint64_t>(values[k]);
            if (!v) return;
            c[k] = *v;
        }
        out[std::string(name)] = c;
    });
    return out;
}

uint32_t interfaceTypeFromHardware(unsigned hardwareType, bool wireless) {
    switch (hardwareType) {
        case 1: return wireless ? kIfWireless : kIfEthernet;  // ARPHRD_ETHER
        case 6: return kIfTokenRing;                          // ARPHRD_IEEE802
        case 256: return kIfSlip;                             // ARPHRD_SLIP
        case 512: return kIfPpp;                              // ARPHRD_PPP
        case 768:                                             // ARPHRD_TUNNEL
        case 769:                                             // ARPHRD_TUNNEL6
        case 776:                                             // ARPHRD_SIT
        case 778:                                             // ARPHRD_IPGRE
        case 65534: return kIfTunnel;                         // ARPHRD_NONE (tun, wireguard)
        case 772: return kIfLoopback;                         // ARPHRD_LOOPBACK
        case 774: return kIfFddi;                             // ARPHRD_FDDI
        case 800: return kIfTokenRing;                        // ARPHRD_IEEE802_TR
        case 801: return kIfWireless;                         // ARPHRD_IEEE80211
        default: return kIfOther;
    }
}

uint32_t operStatusFrom(std::string_view operstate, bool adminUp, bool carrier) {
    operstate = trim(operstate);
    if (operstate == "up") return kIfOperOperational;
    if (operstate == "dormant") return kIfOperConnecting;
    // Loopback and many virtual interfaces report "unknown": the carrier tells.
    if (operstate == "unknown" && adminUp && carrier) return kIfOperOperational;
    return adminUp ? kIfOperDisconnected : kIfOperNonOperational;
}

std::vector<InterfaceRow> readInterfaces(const std::string& classNet,
                                         const std::map<std::string, NetDevCounters, std::less<>>& netDev) {
    std::vector<InterfaceRow> rows;
    DIR* d = ::opendir(classNet.c_str());
    if (!d) return rows;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == ".." || name.find('/') != std::string::npos) continue;
        std::string dir = classNet + "/" + name;
        auto index = attribute(dir, "ifindex");
        auto type = attribute(dir, "type");
        auto index32 = index ? number<uint32_t>(*index) : std::nullopt;
        auto type32 = type ? number<unsigned>(*type) : std::nullopt;
        if (!index32 || !type32) continue;  // not an interface folder
        InterfaceRow r;
        r.name = name;
        r.description = name;
        r.index = *index32;
        bool wireless = ::access((dir + "/wireless").c_str(), F_OK) == 0 ||
                        ::access((dir + "/phy80211").c_str(), F_OK) == 0;
        r.type = interfaceTypeFromHardware(*type32, wireless);
        if (auto mtu = attribute(dir, "mtu")) r.mtu = number<uint32_t>(*mtu).value_or(0);
        // Speed is in Mbit/s, -1 when unknown (reading it fails on interfaces without a link).
        if (auto speed = attribute(dir, "speed")) {
            if (auto mbit = number<int64_t>(*speed); mbit && *mbit > 0) {
                uint64_t bits = static_cast<uint64_t>(*mbit) * 1000000u;
                r.speed = bits > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(bits);
            }
        }
        if (auto addr = attribute(dir, "address")) r.physicalAddress = hardwareAddress(*addr);
        unsigned flags = 0;
        if (auto f = attribute(dir, "flags")) flags = number<unsigned>(*f, 16).value_or(0);
        r.adminStatus = (flags & kFlagUp) ? kIfAdminUp : kIfAdminDown;
        // Reading the carrier fails while the interface is down.
        bool carrier = trim(attribute(dir, "carrier").value_or("0")) == "1";
        r.operStatus = operStatusFrom(attribute(dir, "operstate").value_or(""), flags & kFlagUp, carrier);
        if (auto it = netDev.find(name); it != netDev.end()) {
            const auto& c = it->second;
            auto low = [](uint64_t v) { return static_cast<uint32_t>(v); };
            uint64_t rxUnicast = c[kRxPackets] >= c[kRxMulticast] ? c[kRxPackets] - c[kRxMulticast] : 0;
            r.inOctets = low(c[kRxBytes]);
            r.inUcastPkts = low(rxUnicast);
            r.inNUcastPkts = low(c[kRxMulticast]);
            r.inDiscards = low(c[kRxDrop]);
            r.inErrors = low(c[kRxErrs]);
            r.outOctets = low(c[kTxBytes]);
            r.outUcastPkts = low(c[kTxPackets]);
            r.outDiscards = low(c[kTxDrop]);
            r.outErrors = low(c[kTxErrs]);
        }
        rows.push_back(std::move(r));
    }
    ::closedir(d);
    std::sort(rows.begin(), rows.end(), [](const InterfaceRow& a, const InterfaceRow& b) { return a.index < b.index; });
    return rows;
}

}  // namespace qv::host::procfs
