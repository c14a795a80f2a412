#pragma once
// The TCP table: one row per IPv4 TCP endpoint pair, in the layout the program's code works with.
// Addresses are 32-bit values in network byte order (the four bytes as they stand on the wire,
// read as one number); ports sit in the low 16 bits, also in network byte order.
#include <cstdint>

namespace qv::host {

// Connection states, numbered as the program's tables number them.
enum TcpState : uint32_t {
    kTcpClosed = 1,
    kTcpListen = 2,
    kTcpSynSent = 3,
    kTcpSynReceived = 4,
    kTcpEstablished = 5,
    kTcpFinWait1 = 6,
    kTcpFinWait2 = 7,
    kTcpCloseWait = 8,
    kTcpClosing = 9,
    kTcpLastAck = 10,
    kTcpTimeWait = 11,
    kTcpDeleteTcb = 12,  // set on a row to close that connection
};

struct TcpRow {
    uint32_t state = 0;
    uint32_t localAddress = 0;
    uint32_t localPort = 0;
    uint32_t remoteAddress = 0;
    uint32_t remotePort = 0;
    bool operator==(const TcpRow&) const = default;
};

// Same connection: equal endpoints, whatever the state.
inline bool sameEndpoints(const TcpRow& a, const TcpRow& b) {
    return a.localAddress == b.localAddress && a.localPort == b.localPort &&
           a.remoteAddress == b.remoteAddress && a.remotePort == b.remotePort;
}

// A port number to and from its row form (16 bits in network byte order).
constexpr uint32_t rowPort(uint16_t port) {
    return static_cast<uint32_t>(((port & 0xFFu) << 8) | ((port >> 8) & 0xFFu));
}
constexpr uint16_t portOfRow(uint32_t value) {
    return static_cast<uint16_t>(((value & 0xFFu) << 8) | ((value >> 8) & 0xFFu));
}

// The address a.b.c.d in its row form (a is the first byte on the wire).
constexpr uint32_t rowAddress(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return static_cast<uint32_t>(a) | (static_cast<uint32_t>(b) << 8) |
           (static_cast<uint32_t>(c) << 16) | (static_cast<uint32_t>(d) << 24);
}

}  // namespace qv::host
