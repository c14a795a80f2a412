#include "platform/host/linux/tcp_dump.h"

#include <linux/inet_diag.h>
#include <linux/netlink.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qv::host::sockdiag {

namespace {

// One bit per kernel TCP state, 1 (established) to 12 (new-syn-recv).
constexpr uint32_t kRowStates = ((1u << 13) - 1) & ~1u;

// A network-order address word as the row wants it (its bytes in wire order, first lowest).
uint32_t rowAddressOf(uint32_t word) {
    uint8_t b[4];
    std::memcpy(b, &word, 4);
    return rowAddress(b[0], b[1], b[2], b[3]);
}

enum class V6Kind { kUnspecified, kMapped, kOther };

V6Kind kindOf(const uint32_t (&a)[4]) {
    static const uint8_t ffff[4] = {0, 0, 0xFF, 0xFF};
    uint32_t marker;
    std::memcpy(&marker, ffff, 4);
    if (a[0] != 0 || a[1] != 0) return V6Kind::kOther;
    if (a[2] == 0 && a[3] == 0) return V6Kind::kUnspecified;
    return a[2] == marker ? V6Kind::kMapped : V6Kind::kOther;
}

// The table entry of one socket message; false for a socket the table does not hold.
bool entryOf(const inet_diag_msg& m, procfs::TcpEntry& e) {
    e.row.state = procfs::rowStateFromKernel(m.idiag_state);
    if (e.row.state == 0) return false;
    if (m.idiag_family == AF_INET) {
        e.mapped = false;
    } else if (m.idiag_family == AF_INET6) {
        V6Kind local = kindOf(m.id.idiag_src), remote = kindOf(m.id.idiag_dst);
        if (local == V6Kind::kOther || remote == V6Kind::kOther) return false;
        // "::" to "::" is an IPv6 listener, not an IPv4 socket.
        if (local == V6Kind::kUnspecified && remote == V6Kind::kUnspecified) return false;
        e.mapped = true;
    } else {
        return false;
    }
    const size_t word = m.idiag_family == AF_INET ? 0 : 3;
    e.row.localAddress = rowAddressOf(m.id.idiag_src[word]);
    e.row.remoteAddress = rowAddressOf(m.id.idiag_dst[word]);
    e.row.localPort = rowPort(ntohs(m.id.idiag_sport));
    e.row.remotePort = rowPort(ntohs(m.id.idiag_dport));
    e.inode = m.idiag_inode;
    return true;
}

}  // namespace

DumpPart appendDumpMessages(std::string_view datagram, uint32_t sequence, std::vector<procfs::TcpEntry>& out,
                            int& error) {
    size_t offset = 0;
    while (datagram.size() - offset >= sizeof(nlmsghdr)) {
        nlmsghdr h;
        std::memcpy(&h, datagram.data() + offset, sizeof h);
        if (h.nlmsg_len < sizeof h || h.nlmsg_len > datagram.size() - offset) {
            error = EPROTO;
            return DumpPart::kFailed;
        }
        const char* payload = datagram.data() + offset + NLMSG_HDRLEN;
        const size_t payloadSize = h.nlmsg_len > NLMSG_HDRLEN ? h.nlmsg_len - NLMSG_HDRLEN : 0;
        if (h.nlmsg_seq == sequence) {
            if (h.nlmsg_type == NLMSG_DONE) return DumpPart::kDone;
            if (h.nlmsg_type == NLMSG_ERROR) {
                nlmsgerr err{};
                if (payloadSize < sizeof err) {
                    error = EPROTO;
                } else {
                    std::memcpy(&err, payload, sizeof err);
                    // Kernel error numbers run from 1 to 4095; anything else is a damaged answer.
                    error = err.error < 0 && err.error >= -4095 ? -err.error : EPROTO;
                }
                return DumpPart::kFailed;
            }
            if ((h.nlmsg_type == TCPDIAG_GETSOCK || h.nlmsg_type == SOCK_DIAG_BY_FAMILY) &&
                payloadSize >= sizeof(inet_diag_msg)) {
                inet_diag_msg m;
                std::memcpy(&m, payload, sizeof m);
                procfs::TcpEntry e;
                if (entryOf(m, e)) out.push_back(e);
            }
        }
        size_t step = NLMSG_ALIGN(h.nlmsg_len);
        if (step > datagram.size() - offset) break;
        offset += step;
    }
    return DumpPart::kMore;
}

int sendDumpRequest(int fd, uint32_t sequence) {
    // The request of the older form asks for every address family at once, so the kernel walks
    // its connection hash once for IPv4 and IPv6 together.
    struct {
        nlmsghdr nlh;
        inet_diag_req req;
    } message{};
    message.nlh.nlmsg_len = sizeof message;
    message.nlh.nlmsg_type = TCPDIAG_GETSOCK;
    message.nlh.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    message.nlh.nlmsg_seq = sequence;
    // The states of connections and listeners only: not the kernel's pseudo-states past them,
    // such as the bound-inactive state of sockets that are only bound, which recent kernels give
    // to a request for every state.
    message.req.idiag_states = kRowStates;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    ssize_t sent;
    do {
        sent = ::sendto(fd, &message, sizeof message, 0, reinterpret_cast<sockaddr*>(&kernel), sizeof kernel);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(sizeof message) ? 0 : (sent < 0 ? errno : EIO);
}

bool dumpTcpSockets(std::vector<procfs::TcpEntry>& out, std::string& buffer) {
    out.clear();
    int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_SOCK_DIAG);
    if (fd < 0) return false;
    constexpr uint32_t kSequence = 1;
    int failure = sendDumpRequest(fd, kSequence);
    // Each datagram of the answer is at most 32 KiB; room for twice that.
    buffer.resize(64 * 1024);
    while (failure == 0) {
        ssize_t n = ::recv(fd, buffer.data(), buffer.size(), MSG_TRUNC);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            failure = errno;
        } else if (n == 0 || static_cast<size_t>(n) > buffer.size()) {
            failure = EPROTO;
        } else {
            int error = 0;
            DumpPart part = appendDumpMessages(std::string_view(buffer.data(), static_cast<size_t>(n)), kSequence, out, error);
            if (part == DumpPart::kDone) break;
            if (part == DumpPart::kFailed) failure = error;
        }
    }
    ::close(fd);
    if (failure != 0) {
        out.clear();
        errno = failure;
        return false;
    }
    return true;
}

}  // namespace qv::host::sockdiag
