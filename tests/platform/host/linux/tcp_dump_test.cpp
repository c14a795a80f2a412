// The decoding of socket-diagnostics dump answers, on datagrams built here byte by byte.
#include <arpa/inet.h>
#include <linux/inet_diag.h>
#include <linux/netlink.h>
#include <linux/sock_diag.h>
#include <netinet/in.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "platform/host/linux/tcp_dump.h"

using namespace qv::host;
using namespace qv::host::sockdiag;

namespace {

constexpr uint32_t kSeq = 7;

// A datagram of netlink messages, each padded to the message alignment.
class Datagram {
public:
    Datagram& message(uint16_t type, const void* payload, size_t size, uint32_t seq = kSeq) {
        nlmsghdr h{};
        h.nlmsg_len = static_cast<uint32_t>(NLMSG_LENGTH(size));
        h.nlmsg_type = type;
        h.nlmsg_seq = seq;
        bytes_.append(reinterpret_cast<const char*>(&h), sizeof h);
        bytes_.append(static_cast<const char*>(payload), size);
        bytes_.resize(NLMSG_ALIGN(bytes_.size()));
        return *this;
    }
    Datagram& socket(const inet_diag_msg& m, uint32_t seq = kSeq) { return message(TCPDIAG_GETSOCK, &m, sizeof m, seq); }
    Datagram& done() {
        int zero = 0;
        return message(NLMSG_DONE, &zero, sizeof zero);
    }
    // An error message carrying the number as the kernel would (negated); INT32_MIN is sent as
    // it stands.
    Datagram& error(int error) {
        nlmsgerr e{};
        e.error = error == INT32_MIN ? error : -error;
        return message(NLMSG_ERROR, &e, sizeof e);
    }
    std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

inet_diag_msg v4(uint8_t kernelState, const char* local, uint16_t lport, const char* remote, uint16_t rport,
                 uint32_t inode) {
    inet_diag_msg m{};
    m.idiag_family = AF_INET;
    m.idiag_state = kernelState;
    inet_pton(AF_INET, local, &m.id.idiag_src[0]);
    inet_pton(AF_INET, remote, &m.id.idiag_dst[0]);
    m.id.idiag_sport = htons(lport);
    m.id.idiag_dport = htons(rport);
    m.idiag_inode = inode;
    return m;
}

inet_diag_msg v6(uint8_t kernelState, const char* local, uint16_t lport, const char* remote, uint16_t rport,
                 uint32_t inode) {
    inet_diag_msg m{};
    m.idiag_family = AF_INET6;
    m.idiag_state = kernelState;
    inet_pton(AF_INET6, local, m.id.idiag_src);
    inet_pton(AF_INET6, remote, m.id.idiag_dst);
    m.id.idiag_sport = htons(lport);
    m.id.idiag_dport = htons(rport);
    m.idiag_inode = inode;
    return m;
}

const uint32_t kLoopback = rowAddress(127, 0, 0, 1);
const uint32_t kLan = rowAddress(192, 168, 1, 10);
const uint32_t kWeb = rowAddress(93, 184, 216, 34);

}  // namespace

TEST(SocketDump, SocketsOfBothFamiliesBecomeRows) {
    Datagram d;
    d.socket(v4(10, "0.0.0.0", 22, "0.0.0.0", 0, 17131))
        .socket(v4(1, "192.168.1.10", 50000, "93.184.216.34", 443, 884213))
        .socket(v4(6, "192.168.1.10", 50002, "93.184.216.34", 80, 0))
        .socket(v6(10, "::ffff:127.0.0.1", 8080, "::", 0, 52001))
        .socket(v6(1, "::ffff:127.0.0.1", 8080, "::ffff:127.0.0.1", 40000, 52002))
        .socket(v6(10, "::", 8443, "::", 0, 52003))                 // IPv6 listener: no IPv4 row
        .socket(v6(1, "::1", 8443, "::1", 40001, 52004))             // IPv6 connection
        .socket(v6(1, "2001:db8::1", 8443, "::ffff:1.2.3.4", 1, 5))  // one end not IPv4
        .socket(v4(0, "1.2.3.4", 1, "1.2.3.4", 2, 6))                // no such kernel state
        .socket(v4(1, "1.2.3.4", 1, "1.2.3.4", 2, 9), kSeq + 1);     // another request's answer
    inet_diag_msg other = v4(1, "1.2.3.4", 1, "1.2.3.4", 2, 8);
    other.idiag_family = AF_UNIX;
    d.socket(other);
    std::vector<procfs::TcpEntry> out;
    int error = 0;
    ASSERT_EQ(appendDumpMessages(d.bytes(), kSeq, out, error), DumpPart::kMore);
    struct Expected {
        TcpRow row;
        uint64_t inode;
        bool mapped;
    } expected[] = {
        {{kTcpListen, 0, rowPort(22), 0, 0}, 17131, false},
        {{kTcpEstablished, kLan, rowPort(50000), kWeb, rowPort(443)}, 884213, false},
        {{kTcpTimeWait, kLan, rowPort(50002), kWeb, rowPort(80)}, 0, false},
        {{kTcpListen, kLoopback, rowPort(8080), 0, 0}, 52001, true},
        {{kTcpEstablished, kLoopback, rowPort(8080), kLoopback, rowPort(40000)}, 52002, true},
    };
    ASSERT_EQ(out.size(), std::size(expected));
    for (size_t i = 0; i < out.size(); ++i) {
        EXPECT_EQ(out[i].row, expected[i].row) << i;
        EXPECT_EQ(out[i].inode, expected[i].inode) << i;
        EXPECT_EQ(out[i].mapped, expected[i].mapped) << i;
    }
}

TEST(SocketDump, EndErrorsAndDamagedDatagrams) {
    const inet_diag_msg one = v4(1, "127.0.0.1", 1, "127.0.0.1", 2, 3);
    struct Case {
        const char* what;
        std::string bytes;
        DumpPart part;
        int error;
        size_t rows;
    };
    std::vector<Case> cases;
    cases.push_back({"end after a socket", Datagram().socket(one).done().socket(one).bytes(), DumpPart::kDone, 0, 1});
    cases.push_back({"the kernel refuses", Datagram().error(EPERM).bytes(), DumpPart::kFailed, EPERM, 0});
    cases.push_back({"an error number out of range", Datagram().error(INT32_MIN).bytes(), DumpPart::kFailed, EPROTO, 0});
    cases.push_back({"an error of 0 in a dump", Datagram().error(0).bytes(), DumpPart::kFailed, EPROTO, 0});
    {
        nlmsgerr short_{};
        cases.push_back({"an error message without its error",
                         Datagram().message(NLMSG_ERROR, &short_, 2).bytes(), DumpPart::kFailed, EPROTO, 0});
    }
    {
        std::string b = Datagram().socket(one).socket(one).bytes();
        b.resize(b.size() - 10);  // the second message's length runs past the end
        cases.push_back({"a cut message", b, DumpPart::kFailed, EPROTO, 1});
    }
    {
        std::string b = Datagram().socket(one).bytes();
        uint32_t tiny = 4;  // shorter than its own header
        std::memcpy(b.data(), &tiny, sizeof tiny);
        cases.push_back({"a length below the header", b, DumpPart::kFailed, EPROTO, 0});
    }
    cases.push_back({"a socket message too short to hold a socket",
                     Datagram().message(TCPDIAG_GETSOCK, &one, sizeof one - 1).bytes(), DumpPart::kMore, 0, 0});
    cases.push_back({"the end of another request", Datagram().message(NLMSG_DONE, "\0\0\0\0", 4, kSeq + 1).bytes(),
                     DumpPart::kMore, 0, 0});
    cases.push_back({"bytes too few for a header", std::string(8, '\0'), DumpPart::kMore, 0, 0});
    cases.push_back({"nothing", std::string(), DumpPart::kMore, 0, 0});
    for (const auto& c : cases) {
        std::vector<procfs::TcpEntry> out;
        int error = 0;
        EXPECT_EQ(appendDumpMessages(c.bytes, kSeq, out, error), c.part) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_EQ(out.size(), c.rows) << c.what;
    }
}
