// The scenario text of SimHost: one item a line, fields separated by blanks; the format is
// described at the top of assets/host/default_scenario.txt.
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "platform/base/text.h"
#include "platform/host/names.h"
#include "platform/host/sim/sim_host.h"

namespace qv::host {

namespace {

struct Token {
    std::string_view text;
    size_t offset;  // where it starts in the line
};

std::vector<Token> tokens(std::string_view line) {
    std::vector<Token> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back({line.substr(start, i - start), start});
    }
    return out;
}

struct ParseError {
    std::string message;
};

uint32_t number(std::string_view s) {
    // Counters may be written as -1 for the all-ones value.
    int64_t v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < -2147483648LL || v > 4294967295LL)
        throw ParseError{"not a number: " + std::string(s)};
    return static_cast<uint32_t>(v);
}

uint32_t address(std::string_view s) {
    auto a = addressFromDotted(s);
    if (!a) throw ParseError{"not an address: " + std::string(s)};
    return *a;
}

void endpoint(std::string_view s, uint32_t& addr, uint32_t& port) {
    size_t colon = s.rfind(':');
    if (colon == std::string_view::npos) throw ParseError{"not address:port: " + std::string(s)};
    addr = address(s.substr(0, colon));
    uint32_t p = number(s.substr(colon + 1));
    if (p > 65535) throw ParseError{"port out of range: " + std::string(s)};
    port = rowPort(static_cast<uint16_t>(p));
}

uint32_t state(std::string_view s) {
    if (!s.empty() && s[0] >= '0' && s[0] <= '9') {
        uint32_t v = number(s);
        if (v < kTcpClosed || v > kTcpDeleteTcb) throw ParseError{"no such state: " + std::string(s)};
        return v;
    }
    for (uint32_t v = kTcpClosed; v <= kTcpDeleteTcb; ++v)
        if (base::UCase(s) == netstatStateWord(v)) return v;
    throw ParseError{"no such state: " + std::string(s)};
}

std::vector<uint8_t> physical(std::string_view s) {
    std::vector<uint8_t> out;
    if (s == "-") return out;
    for (const auto& part : base::Split(std::string(s), "-")) {
        unsigned v = 0;
        auto [p, ec] = std::from_chars(part.data(), part.data() + part.size(), v, 16);
        if (part.empty() || ec != std::errc() || p != part.data() + part.size() || v > 255)
            throw ParseError{"not a physical address: " + std::string(s)};
        out.push_back(static_cast<uint8_t>(v));
    }
    if (out.size() > 8) throw ParseError{"physical address longer than 8 bytes"};
    return out;
}

base::DateTime dateTime(std::string_view date, std::string_view time) {
    auto d = base::Split(std::string(date), "/");
    auto t = base::Split(std::string(time), ":");
    if (d.size() != 3 || t.size() != 3) throw ParseError{"not M/D/YYYY H:MM:SS"};
    base::DateTime v;
    v.month = static_cast<int>(number(d[0]));
    v.day = static_cast<int>(number(d[1]));
    v.year = static_cast<int>(number(d[2]));
    v.hour = static_cast<int>(number(t[0]));
    v.minute = static_cast<int>(number(t[1]));
    v.second = static_cast<int>(number(t[2]));
    if (v.month < 1 || v.month > 12 || v.day < 1 || v.day > 31 || v.hour > 23 || v.minute > 59 ||
        v.second > 59)
        throw ParseError{"date or time out of range"};
    return v;
}

// The rest of the line from token i on, as one text (paths and names with blanks).
std::string rest(std::string_view line, const std::vector<Token>& tok, size_t i) {
    if (i >= tok.size()) throw ParseError{"missing text at the end"};
    std::string s(line.substr(tok[i].offset));
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

void need(const std::vector<Token>& tok, size_t count) {
    if (tok.size() != count)
        throw ParseError{std::string(tok[0].text) + " takes " + std::to_string(count - 1) +
                         " fields, not " + std::to_string(tok.size() - 1)};
}

template <class Stats>
Stats counters(const std::vector<Token>& tok) {
    constexpr size_t n = sizeof(Stats) / sizeof(uint32_t);
    static_assert(n * sizeof(uint32_t) == sizeof(Stats));
    need(tok, n + 1);
    uint32_t values[n];
    for (size_t i = 0; i < n; ++i) values[i] = number(tok[i + 1].text);
    Stats s;
    static_assert(std::is_trivially_copyable_v<Stats>);
    std::memcpy(&s, values, sizeof s);
    return s;
}

void applyLine(SimHost& h, std::string_view line, IcmpStats& icmp,
               std::vector<InterfaceRow>& ifs) {
    auto tok = tokens(line);
    if (tok.empty() || tok[0].text[0] == '#') return;
    std::string_view kind = tok[0].text;
    if (kind == "self") {
        need(tok, 3);
        h.setOwnProcess(number(tok[1].text), number(tok[2].text));
    } else if (kind == "process") {
        if (tok.size() < 2) throw ParseError{"process takes a process id and a path"};
        uint32_t pid = number(tok[1].text);
        h.addProcess(pid, tok.size() > 2 ? rest(line, tok, 2) : std::string());
    } else if (kind == "thread") {
        need(tok, 3);
        uint32_t pid = number(tok[2].text);
        if (!h.hasProcess(pid)) throw ParseError{"thread of an unknown process"};
        h.addThread(number(tok[1].text), pid);
    } else if (kind == "tcp") {
        need(tok, 5);
        TcpRow row;
        row.state = state(tok[1].text);
        endpoint(tok[2].text, row.localAddress, row.localPort);
        endpoint(tok[3].text, row.remoteAddress, row.remotePort);
        h.addConnection(row, number(tok[4].text));
    } else if (kind == "name") {
        if (tok.size() != 3) throw ParseError{"name takes a host name and an address"};
        h.addName(std::string(tok[1].text), address(tok[2].text));
    } else if (kind == "file") {
        if (tok.size() < 4) throw ParseError{"file takes a date, a time and a path"};
        h.setFileModified(rest(line, tok, 3), dateTime(tok[1].text, tok[2].text));
    } else if (kind == "interface") {
        if (tok.size() < 9) throw ParseError{"interface takes 7 numbers and a name"};
        InterfaceRow r;
        r.index = number(tok[1].text);
        r.type = number(tok[2].text);
        r.mtu = number(tok[3].text);
        r.speed = number(tok[4].text);
        r.physicalAddress = physical(tok[5].text);
        r.inOctets = number(tok[6].text);
        r.outOctets = number(tok[7].text);
        r.name = rest(line, tok, 8);
        r.description = r.name;
        ifs.push_back(r);
    } else if (kind == "internet") {
        need(tok, 3);
        if (tok[1].text != "online" && tok[1].text != "offline")
            throw ParseError{"internet is online or offline"};
        h.setInternetState({tok[1].text == "online", number(tok[2].text)});
    } else if (kind == "tcpstats") {
        h.setTcpStatistics(counters<TcpStats>(tok));
    } else if (kind == "ipstats") {
        h.setIpStatistics(counters<IpStats>(tok));
    } else if (kind == "udpstats") {
        h.setUdpStatistics(counters<UdpStats>(tok));
    } else if (kind == "icmpin") {
        icmp.in = counters<IcmpCounts>(tok);
    } else if (kind == "icmpout") {
        icmp.out = counters<IcmpCounts>(tok);
    } else {
        throw ParseError{"unknown item: " + std::string(kind)};
    }
}

}  // namespace

bool SimHost::loadScenario(std::string_view text, std::string* error) {
    SimHost next = *this;
    IcmpStats icmp = icmpStats_.value_or(IcmpStats{});
    std::vector<InterfaceRow> ifs = interfaces_.value_or(std::vector<InterfaceRow>{});
    size_t lineNo = 0;
    size_t pos = 0;
    try {
        while (pos <= text.size()) {
            size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(pos, end - pos);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            ++lineNo;
            applyLine(next, line, icmp, ifs);
            pos = end + 1;
        }
    } catch (const ParseError& e) {
        if (error) *error = "line " + std::to_string(lineNo) + ": " + e.message;
        return false;
    }
    next.icmpStats_ = icmp;
    std::stable_sort(ifs.begin(), ifs.end(),
                     [](const InterfaceRow& a, const InterfaceRow& b) { return a.index < b.index; });
    next.interfaces_ = std::move(ifs);
    *this = std::move(next);
    return true;
}

}  // namespace qv::host
