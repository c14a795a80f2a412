#include "platform/host/linux/sock_destroy.h"

#include <arpa/inet.h>
#include <linux/inet_diag.h>
#include <linux/netlink.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace qv::host::sockdiag {

namespace {

// The network-order word of a row address (its bytes in wire order).
uint32_t wireWord(uint32_t rowAddressValue) {
    uint8_t b[4] = {static_cast<uint8_t>(rowAddressValue), static_cast<uint8_t>(rowAddressValue >> 8),
                    static_cast<uint8_t>(rowAddressValue >> 16), static_cast<uint8_t>(rowAddressValue >> 24)};
    uint32_t w;
    std::memcpy(&w, b, 4);
    return w;
}

void setAddress(uint32_t (&out)[4], int family, uint32_t rowAddressValue) {
    std::memset(out, 0, sizeof out);
    if (family == AF_INET) {
        out[0] = wireWord(rowAddressValue);
    } else if (rowAddressValue != 0) {
        out[2] = htonl(0xFFFFu);
        out[3] = wireWord(rowAddressValue);
    }
}

bool sameAddress(const uint32_t (&a)[4], int family, uint32_t rowAddressValue) {
    uint32_t expected[4];
    setAddress(expected, family, rowAddressValue);
    if (family == AF_INET) return a[0] == expected[0];
    return std::memcmp(a, expected, sizeof expected) == 0;
}

class NetlinkSocket {
public:
    NetlinkSocket() : fd_(::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_SOCK_DIAG)) {}
    ~NetlinkSocket() {
        if (fd_ >= 0) ::close(fd_);
    }
    NetlinkSocket(const NetlinkSocket&) = delete;
    NetlinkSocket& operator=(const NetlinkSocket&) = delete;
    bool ok() const { return fd_ >= 0; }

    struct Reply {
        int error = 0;                     // the kernel's error number (positive), 0 for none
        std::optional<inet_diag_msg> msg;  // the socket found by a query
    };

    // Sends one request and reads its answer.
    std::optional<Reply> exchange(uint16_t type, uint16_t flags, const inet_diag_req_v2& req) {
        struct {
            nlmsghdr nlh;
            inet_diag_req_v2 req;
        } message{};
        message.nlh.nlmsg_len = sizeof message;
        message.nlh.nlmsg_type = type;
        message.nlh.nlmsg_flags = flags;
        message.nlh.nlmsg_seq = ++seq_;
        message.req = req;
        sockaddr_nl kernel{};
        kernel.nl_family = AF_NETLINK;
        ssize_t sent;
        do {
            sent = ::sendto(fd_, &message, sizeof message, 0, reinterpret_cast<sockaddr*>(&kernel), sizeof kernel);
        } while (sent < 0 && errno == EINTR);
        if (sent != static_cast<ssize_t>(sizeof message)) return std::nullopt;

        alignas(nlmsghdr) char buffer[8192];
        for (;;) {
            ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return std::nullopt;
            Reply reply;
            bool done = false;
            int left = static_cast<int>(n);
            for (auto* h = reinterpret_cast<nlmsghdr*>(buffer); NLMSG_OK(h, left); h = NLMSG_NEXT(h, left)) {
                if (h->nlmsg_seq != seq_) continue;
                if (h->nlmsg_type == NLMSG_ERROR) {
                    if (h->nlmsg_len >= NLMSG_LENGTH(sizeof(nlmsgerr))) {
                        const auto* err = static_cast<const nlmsgerr*>(NLMSG_DATA(h));
                        reply.error = err->error < 0 && err->error >= -4095 ? -err->error : 0;
                    } else {
                        reply.error = EPROTO;
                    }
                    done = true;
                } else if (h->nlmsg_type == SOCK_DIAG_BY_FAMILY &&
                           h->nlmsg_len >= NLMSG_LENGTH(sizeof(inet_diag_msg))) {
                    inet_diag_msg m;
                    std::memcpy(&m, NLMSG_DATA(h), sizeof m);
                    reply.msg = m;
                    done = true;
                } else if (h->nlmsg_type == NLMSG_DONE) {
                    done = true;
                }
            }
            if (done) return reply;
        }
    }

private:
    int fd_;
    uint32_t seq_ = 0;
};

inet_diag_req_v2 request(int family, const TcpRow& row) {
    inet_diag_req_v2 req{};
    req.sdiag_family = static_cast<uint8_t>(family);
    req.sdiag_protocol = IPPROTO_TCP;
    req.idiag_states = ~0u;
    req.id.idiag_sport = htons(portOfRow(row.localPort));
    req.id.idiag_dport = htons(portOfRow(row.remotePort));
    setAddress(req.id.idiag_src, family, row.localAddress);
    setAddress(req.id.idiag_dst, family, row.remoteAddress);
    req.id.idiag_if = 0;
    req.id.idiag_cookie[0] = INET_DIAG_NOCOOKIE;
    req.id.idiag_cookie[1] = INET_DIAG_NOCOOKIE;
    return req;
}

bool matches(const inet_diag_msg& m, const TcpRow& row) {
    int family = m.idiag_family;
    if (family != AF_INET && family != AF_INET6) return false;
    return m.id.idiag_sport == htons(portOfRow(row.localPort)) &&
           m.id.idiag_dport == htons(portOfRow(row.remotePort)) &&
           sameAddress(m.id.idiag_src, family, row.localAddress) &&
           sameAddress(m.id.idiag_dst, family, row.remoteAddress);
}

}  // namespace

DestroyResult destroyTcpConnection(const TcpRow& row) {
    NetlinkSocket nl;
    if (!nl.ok()) return DestroyResult::kFailed;
    for (int family : {AF_INET, AF_INET6}) {
        // The lookup behind a query falls back to a listener on the local port when the
        // connection is gone, so the answer is checked against the row before anything is done.
        auto found = nl.exchange(SOCK_DIAG_BY_FAMILY, NLM_F_REQUEST, request(family, row));
        if (!found) return DestroyResult::kFailed;
        if (!found->msg || !matches(*found->msg, row)) continue;
        inet_diag_req_v2 req = request(found->msg->idiag_family, row);
        req.id = found->msg->id;
        auto done = nl.exchange(SOCK_DESTROY, NLM_F_REQUEST | NLM_F_ACK, req);
        if (!done) return DestroyResult::kFailed;
        switch (done->error) {
            case 0: return DestroyResult::kDestroyed;
            case ENOENT: return DestroyResult::kNotFound;
            case EPERM:
            case EACCES: return DestroyResult::kNotPermitted;
            default: return DestroyResult::kFailed;
        }
    }
    return DestroyResult::kNotFound;
}

}  // namespace qv::host::sockdiag
