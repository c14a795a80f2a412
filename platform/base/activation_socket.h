#pragma once
// How a second start asks the running copy of the same program folder to come to the front: a
// Unix stream socket in the user's runtime folder ($XDG_RUNTIME_DIR, else a private folder of
// the user's below /tmp), named after the program folder. The running copy listens; a second
// start connects and sends one line.
#include <string>
#include <string_view>
#include <vector>

namespace qv::base {

// The socket's path for a program folder; "" when no private runtime folder can be used.
std::string activationSocketPath(std::string_view programFolder);

// Sends the request; true when a running copy's socket took it. Waits at most timeoutMs for a
// copy that is still starting up to begin listening.
bool sendActivationRequest(std::string_view programFolder, int timeoutMs = 2000);

class ActivationListener {
public:
    // Listens on the folder's socket. Only the holder of the folder's lock may do so: a socket
    // file left by a copy that ended without removing it is replaced.
    explicit ActivationListener(std::string_view programFolder);
    ~ActivationListener();  // stops listening and removes the socket file
    ActivationListener(const ActivationListener&) = delete;
    ActivationListener& operator=(const ActivationListener&) = delete;

    bool listening() const { return fd_ >= 0; }
    const std::string& error() const { return error_; }
    // The listening descriptor, to wait on; -1 when not listening.
    int fd() const { return fd_; }
    // Accepts the connections that are waiting and reads what they sent, without blocking;
    // returns how many complete requests arrived.
    int takeRequests();

private:
    struct Peer {
        int fd;
        std::string received;
    };
    void closePeer(std::size_t i);

    int fd_ = -1;
    std::string path_;
    std::string error_;
    std::vector<Peer> peers_;
};

}  // namespace qv::base
