#include "platform/host/linux/proc_tcp.h"

#include <cstring>

#include "platform/host/linux/text_fields.h"

namespace qv::host::procfs {

uint32_t rowStateFromKernel(unsigned kernelState) {
    // Kernel numbering: 1 established, 2 syn-sent, 3 syn-recv, 4 fin-wait1, 5 fin-wait2,
    // 6 time-wait, 7 close, 8 close-wait, 9 last-ack, 10 listen, 11 closing, 12 new-syn-recv.
    static const uint32_t rows[] = {0,           kTcpEstablished, kTcpSynSent,  kTcpSynReceived,
                                    kTcpFinWait1, kTcpFinWait2,   kTcpTimeWait, kTcpClosed,
                                    kTcpCloseWait, kTcpLastAck,   kTcpListen,   kTcpClosing,
                                    kTcpSynReceived};
    return kernelState < sizeof rows / sizeof rows[0] ? rows[kernelState] : 0;
}

namespace {

// Reads fixed-width hexadecimal fields and blank-separated numbers from one line.
struct Cursor {
    const char* p;
    const char* end;

    void skipBlanks() {
        while (p < end && (*p == ' ' || *p == '\t')) ++p;
    }
    bool hex(size_t digits, uint64_t& value) {
        if (static_cast<size_t>(end - p) < digits) return false;
        uint64_t v = 0;
        for (size_t i = 0; i < digits; ++i) {
            char c = p[i];
            unsigned d;
            if (c >= '0' && c <= '9') d = static_cast<unsigned>(c - '0');
            else if (c >= 'A' && c <= 'F') d = static_cast<unsigned>(c - 'A' + 10);
            else if (c >= 'a' && c <= 'f') d = static_cast<unsigned>(c - 'a' + 10);
            else return false;
            v = (v << 4) | d;
        }
        p += digits;
        value = v;
        return true;
    }
    bool hex32(uint32_t& value) {
        uint64_t v;
        if (!hex(8, v)) return false;
        value = static_cast<uint32_t>(v);
        return true;
    }
    bool literal(char c) {
        if (p == end || *p != c) return false;
        ++p;
        return true;
    }
    // A field that ends at a blank; it must not be empty.
    bool skipField() {
        skipBlanks();
        const char* start = p;
        while (p < end && *p != ' ' && *p != '\t') ++p;
        return p > start;
    }
    bool decimal(uint64_t& value) {
        skipBlanks();
        const char* start = p;
        uint64_t v = 0;
        while (p < end && *p >= '0' && *p <= '9') {
            v = v * 10 + static_cast<uint64_t>(*p - '0');
            ++p;
        }
        if (p == start || (p < end && *p != ' ' && *p != '\t')) return false;
        value = v;
        return true;
    }
};

// The kernel prints each 32-bit word of an address as the number its bytes make in memory; the
// row form wants the bytes in wire order, first byte lowest.
uint32_t rowAddressFromWord(uint32_t word) {
    uint8_t b[4];
    std::memcpy(b, &word, 4);
    return rowAddress(b[0], b[1], b[2], b[3]);
}

bool isMappedPrefix(const uint32_t words[3]) {
    static const uint8_t ffff[4] = {0, 0, 0xFF, 0xFF};
    uint32_t marker;
    std::memcpy(&marker, ffff, 4);
    return words[0] == 0 && words[1] == 0 && words[2] == marker;
}

// An endpoint "AAAAAAAA:PPPP" (or 32 hex digits for IPv6); false when it does not read or is an
// IPv6 address that is not IPv4-mapped.
bool endpoint(Cursor& c, bool ipv6, uint32_t& address, uint32_t& port) {
    c.skipBlanks();
    uint32_t word;
    if (ipv6) {
        uint32_t prefix[3];
        for (auto& w : prefix)
            if (!c.hex32(w)) return false;
        if (!c.hex32(word)) return false;
        // The unspecified address (a listener's remote end, or "::") counts as 0.0.0.0.
        bool unspecified = prefix[0] == 0 && prefix[1] == 0 && prefix[2] == 0 && word == 0;
        if (!unspecified && !isMappedPrefix(prefix)) return false;
    } else if (!c.hex32(word)) {
        return false;
    }
    uint64_t p;
    if (!c.literal(':') || !c.hex(4, p)) return false;
    if (c.p < c.end && *c.p != ' ' && *c.p != '\t') return false;
    address = rowAddressFromWord(word);
    port = rowPort(static_cast<uint16_t>(p));
    return true;
}

bool parseLine(std::string_view line, bool ipv6, TcpEntry& e) {
    Cursor c{line.data(), line.data() + line.size()};
    // "   0: local remote st tx:rx tr:when retrnsmt uid timeout inode ..."
    c.skipBlanks();
    const char* slot = c.p;
    while (c.p < c.end && *c.p >= '0' && *c.p <= '9') ++c.p;
    if (c.p == slot || !c.literal(':')) return false;
    if (!endpoint(c, ipv6, e.row.localAddress, e.row.localPort)) return false;
    if (!endpoint(c, ipv6, e.row.remoteAddress, e.row.remotePort)) return false;
    uint64_t st;
    c.skipBlanks();
    if (!c.hex(2, st)) return false;
    e.row.state = rowStateFromKernel(static_cast<unsigned>(st));
    if (e.row.state == 0) return false;
    // "::" to "::" is an IPv6 listener, not an IPv4 socket.
    if (ipv6 && e.row.localAddress == 0 && e.row.remoteAddress == 0) return false;
    for (int i = 0; i < 4; ++i)  // tx:rx, tr:when, retrnsmt, uid
        if (!c.skipField()) return false;
    uint64_t timeout, inode;
    if (!c.decimal(timeout) || !c.decimal(inode)) return false;
    e.inode = inode;
    e.mapped = ipv6;
    return true;
}

}  // namespace

size_t appendTcpEntries(std::string_view text, bool ipv6, std::vector<TcpEntry>& out) {
    size_t added = 0;
    eachLine(text, [&](std::string_view line) {
        TcpEntry e;
        if (parseLine(line, ipv6, e)) {
            out.push_back(e);
            ++added;
        }
    });
    return added;
}

std::optional<uint64_t> socketsInUse(std::string_view text, std::string_view protocol) {
    std::optional<std::string_view> found;  // the protocol's line, "TCP: inuse 5 ..."
    eachLine(text, [&](std::string_view line) {
        if (line.size() <= protocol.size() || line.substr(0, protocol.size()) != protocol || line[protocol.size()] != ':')
            return true;
        found = line;
        return false;
    });
    if (!found) return std::nullopt;
    Cursor c{found->data() + protocol.size() + 1, found->data() + found->size()};
    c.skipBlanks();
    static const std::string_view inuse = "inuse";
    if (static_cast<size_t>(c.end - c.p) < inuse.size() || std::string_view(c.p, inuse.size()) != inuse)
        return std::nullopt;
    c.p += inuse.size();
    uint64_t n;
    if (!c.decimal(n)) return std::nullopt;
    return n;
}

}  // namespace qv::host::procfs
