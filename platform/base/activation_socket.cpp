#include "platform/base/activation_socket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/base/files.h"

namespace qv::base {

namespace {

constexpr std::string_view kRequest = "activate\n";
constexpr std::size_t kMaxPeers = 8;

// A folder only this user can reach: it exists, is a real folder (no link), is owned by the
// user and grants nothing to others.
bool privateFolder(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

std::string runtimeFolder() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && xdg[0] == '/' && privateFolder(xdg)) return xdg;
    const std::string own = "/tmp/quarvelin-" + std::to_string(::geteuid());
    if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) return {};
    return privateFolder(own) ? own : std::string();
}

// FNV-1a over the folder's real path, so two spellings of one folder meet at one socket.
std::string folderTag(std::string_view folder) {
    std::string path(folder);
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : path) {
        h ^= c;
        h *= 1099511628211ull;
    }
    static const char* digits = "0123456789abcdef";
    std::string tag;
    for (int shift = 60; shift >= 0; shift -= 4) tag += digits[(h >> shift) & 0xF];
    return tag;
}

bool fillAddress(const std::string& path, sockaddr_un& addr) {
    if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size());
    return true;
}

bool sendOnce(const sockaddr_un& addr) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    timeval tv{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
    bool sent = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0) {
        sent = ::send(fd, kRequest.data(), kRequest.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(kRequest.size());
    }
    ::close(fd);
    return sent;
}

}  // namespace

std::string activationSocketPath(std::string_view programFolder) {
    const std::string folder = runtimeFolder();
    if (folder.empty()) return {};
    return joinPath(folder, "quarvelin-" + folderTag(programFolder) + ".sock");
}

bool sendActivationRequest(std::string_view programFolder, int timeoutMs) {
    sockaddr_un addr{};
    if (!fillAddress(activationSocketPath(programFolder), addr)) return false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (sendOnce(addr)) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

ActivationListener::ActivationListener(std::string_view programFolder) : path_(activationSocketPath(programFolder)) {
    sockaddr_un addr{};
    if (!fillAddress(path_, addr)) {
        error_ = path_.empty() ? "no private runtime folder for the activation socket"
                               : "the activation socket's path is too long: " + path_;
        path_.clear();
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    ::unlink(path_.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd, 4) != 0) {
        error_ = "cannot listen on " + path_ + ": " + std::strerror(errno);
        ::close(fd);
        path_.clear();
        return;
    }
    ::chmod(path_.c_str(), 0600);
    fd_ = fd;
}

ActivationListener::~ActivationListener() {
    for (std::size_t i = peers_.size(); i > 0; --i) closePeer(i - 1);
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
}

void ActivationListener::closePeer(std::size_t i) {
    ::close(peers_[i].fd);
    peers_.erase(peers_.begin() + static_cast<std::ptrdiff_t>(i));
}

int ActivationListener::takeRequests() {
    if (fd_ < 0) return 0;
    for (;;) {
        const int peer = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (peer < 0) break;
        if (peers_.size() == kMaxPeers) closePeer(0);
        peers_.push_back(Peer{peer, {}});
    }
    int requests = 0;
    for (std::size_t i = peers_.size(); i > 0; --i) {
        Peer& p = peers_[i - 1];
        char buf[64];
        const ssize_t n = ::recv(p.fd, buf, sizeof buf, MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) continue;
        if (n > 0) p.received.append(buf, static_cast<std::size_t>(n));
        const bool complete = p.received.size() >= kRequest.size();
        if (complete && p.received.compare(0, kRequest.size(), kRequest) == 0) ++requests;
        // A whole request, anything else, an end or an error: the peer is done.
        if (complete || n <= 0 || kRequest.compare(0, p.received.size(), p.received) != 0) closePeer(i - 1);
    }
    return requests;
}

}  // namespace qv::base
