#pragma once
// A listening TCP socket on 127.0.0.1 with an ephemeral port (or a given one, for a picture that
// shows the port), for tests of code that connects:
// it accepts one client at a time, sends and receives on it, and can refuse connections (stop
// listening) or hold them pending (a full accept queue drops their SYNs, so they stay in the
// connecting state until the test lets go).
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "platform/forms/runtime.h"

namespace qv::test {

class LoopbackServer {
public:
    explicit LoopbackServer(int backlog = 4, uint16_t port = 0) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int reuse = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(port);
        listening_ = ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
                     ::listen(listener_, backlog) == 0;
        socklen_t len = sizeof a;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~LoopbackServer() {
        closeClient();
        if (filler_ >= 0) ::close(filler_);
        if (listener_ >= 0) ::close(listener_);
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return port_; }
    // False when the port asked for was taken.
    bool listening() const { return listening_; }
    // Stops listening: a port nobody listens on refuses connections.
    void stopListening() {
        ::close(listener_);
        listener_ = -1;
        listening_ = false;
    }
    // With a backlog of 0, one connection nobody accepts fills the queue: connections made
    // afterwards stay pending.
    void holdFurtherConnects() {
        filler_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<uint16_t>(port_));
        ::connect(filler_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    }
    void accept() { client_ = ::accept(listener_, nullptr, nullptr); }
    void send(const std::string& s) { ::send(client_, s.data(), s.size(), MSG_NOSIGNAL); }
    // Reads until want bytes came, the client closed, or nothing arrived for waitMs.
    std::string receive(size_t want, int waitMs = 2000) {
        std::string out;
        char buf[256];
        while (out.size() < want) {
            pollfd p{client_, POLLIN, 0};
            if (::poll(&p, 1, waitMs) <= 0) break;
            ssize_t n = ::recv(client_, buf, sizeof buf, 0);
            if (n <= 0) break;
            out.append(buf, static_cast<size_t>(n));
        }
        return out;
    }
    void closeClient() {
        if (client_ >= 0) ::close(client_);
        client_ = -1;
    }

private:
    int listener_ = -1;
    int client_ = -1;
    int filler_ = -1;
    int port_ = 0;
    bool listening_ = false;
};

// Runs loop passes until done() holds, pausing briefly between them while the kernel moves the
// sockets on; bounded, so a fault fails the test instead of hanging. The clock is not moved.
inline bool pumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 400 && !done(); ++i) {
        forms::DoEvents();
        if (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
}

}  // namespace qv::test

namespace qv::forms::testing {
using qv::test::LoopbackServer;
using qv::test::pumpUntil;
}  // namespace qv::forms::testing
