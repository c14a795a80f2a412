#include "platform/forms/common/winsock.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <sys/eventfd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <thread>

#include "platform/base/basic_error.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

int numberForErrno(int e) {
    switch (e) {
        case ECONNREFUSED: return sckConnectionRefused;
        case ETIMEDOUT: return sckTimedOut;
        case ENETUNREACH:
        case EHOSTUNREACH: return sckNetUnreachable;
        case ECONNRESET:
        case EPIPE: return sckConnectionReset;
        case ECONNABORTED: return sckConnectAborted;
        default: return sckConnectionReset;
    }
}

// A name under the reserved ".invalid" domain, which never resolves: it is not looked up, so no
// query about it leaves the machine.
bool reservedInvalidName(std::string_view name) {
    if (!name.empty() && name.back() == '.') name.remove_suffix(1);
    constexpr std::string_view kDomain = "invalid";
    if (name.size() < kDomain.size()) return false;
    const std::string_view last = name.substr(name.size() - kDomain.size());
    for (std::size_t i = 0; i < kDomain.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(last[i])) != kDomain[i]) return false;
    return name.size() == kDomain.size() || name[name.size() - kDomain.size() - 1] == '.';
}

}  // namespace

// One name lookup: the resolver thread fills it and signals the event descriptor, which the
// loop waits on; whichever of the two lets go last frees it.
struct Winsock::Lookup {
    int wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    std::atomic<bool> done{false};
    bool found = false;
    in_addr address{};
    ~Lookup() {
        if (wakeFd >= 0) ::close(wakeFd);
    }
};

std::string Winsock::errorText(int number) {
    switch (number) {
        case sckBadState: return "Wrong protocol or connection state for the requested transaction or request";
        case sckInvalidOp: return "Invalid operation at current state";
        case sckInvalidArg: return "The requested address is a broadcast address, but flag is not set";
        case sckConnectionRefused: return "Connection is forcefully rejected";
        case sckTimedOut: return "Connection timed out";
        case sckHostNotFound: return "Authoritative answer: Host not found";
        case sckNetUnreachable: return "Network is unreachable";
        case sckConnectionReset: return "Connection is reset by remote side";
        case sckConnectAborted: return "Connection is aborted due to timeout or other failure";
        default: return "Socket error " + std::to_string(number);
    }
}

Winsock::~Winsock() {
    unwatch();
    if (fd_ >= 0) ::close(fd_);
}

void Winsock::unwatch() {
    if (watch_ != 0) gui::windows().unwatchDescriptor(watch_);
    watch_ = 0;
    watchedFd_ = -1;
}

void Winsock::rewatch() {
    int fd = -1;
    short events = POLLIN;
    if (lookup_) {
        fd = lookup_->wakeFd;
    } else if (fd_ >= 0 && (state_ == sckConnecting || state_ == sckConnected)) {
        fd = fd_;
        if (state_ == sckConnecting || !pending_.empty()) events |= POLLOUT;
    }
    if (fd != watchedFd_) unwatch();
    if (fd < 0) return;
    gui::WindowSystem& ws = gui::windows();
    if (watch_ != 0) {
        ws.setDescriptorEvents(watch_, events);
        return;
    }
    std::weak_ptr<int> alive = alive_;
    watch_ = ws.watchDescriptor(fd, events, [this, alive](short revents) {
        if (!alive.expired()) ready(revents);
    });
    watchedFd_ = fd;
}

void Winsock::Connect(const std::string& host, int port) {
    if (state_ != sckClosed) throw base::BasicError(sckInvalidOp, errorText(sckInvalidOp));
    if (!host.empty()) RemoteHost(host);
    if (port != 0) RemotePort(port);
    if (RemotePort() < 1 || RemotePort() > 65535) throw base::BasicError(sckInvalidArg, "Invalid argument");
    received_.clear();
    pending_.clear();

    // A dotted address needs no lookup; a name is looked up on a thread of its own.
    state_ = sckResolvingHost;
    in_addr address{};
    if (::inet_pton(AF_INET, RemoteHost().c_str(), &address) == 1) {
        startConnect(&address);
        return;
    }
    auto lookup = std::make_shared<Lookup>();
    if (RemoteHost().empty() || reservedInvalidName(RemoteHost()) || lookup->wakeFd < 0) {
        // Reported through the loop, as a lookup that failed later would be.
        state_ = sckError;
        std::weak_ptr<int> alive = alive_;
        post([this, alive] {
            if (!alive.expired() && state_ == sckError) Error(sckHostNotFound, errorText(sckHostNotFound));
        });
        return;
    }
    lookup_ = lookup;
    rewatch();
    std::thread([lookup, host = RemoteHost()] {
        addrinfo hints{};
        hints.ai_family = AF_INET;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* res = nullptr;
        if (::getaddrinfo(host.c_str(), nullptr, &hints, &res) == 0 && res != nullptr) {
            lookup->address = reinterpret_cast<sockaddr_in*>(res->ai_addr)->sin_addr;
            lookup->found = true;
        }
        if (res != nullptr) ::freeaddrinfo(res);
        lookup->done.store(true, std::memory_order_release);
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(lookup->wakeFd, &one, sizeof one);
    }).detach();
}

void Winsock::lookupEnded() {
    if (!lookup_ || !lookup_->done.load(std::memory_order_acquire)) return;
    std::shared_ptr<Lookup> lookup = std::move(lookup_);
    unwatch();
    if (!lookup->found) {
        state_ = sckError;
        Error(sckHostNotFound, errorText(sckHostNotFound));
        return;
    }
    startConnect(&lookup->address);
}

void Winsock::startConnect(const void* address) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(RemotePort()));
    addr.sin_addr = *static_cast<const in_addr*>(address);
    state_ = sckHostResolved;

    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        fail(numberForErrno(errno));
        return;
    }
    state_ = sckConnecting;
    rewatch();
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 && errno != EINPROGRESS) {
        int e = errno;
        // Even an immediate failure is reported from the loop, after Connect has returned.
        std::weak_ptr<int> alive = alive_;
        post([this, e, alive] {
            if (!alive.expired() && state_ == sckConnecting) fail(numberForErrno(e));
        });
    }
}

void Winsock::SendData(const std::string& data) {
    if (state_ != sckConnected) throw base::BasicError(sckBadState, errorText(sckBadState));
    pending_ += data;
    flush();
    rewatch();
}

void Winsock::GetData(std::string& data, long maxLen) {
    if (state_ != sckConnected && state_ != sckClosing) throw base::BasicError(sckBadState, errorText(sckBadState));
    size_t n = maxLen > 0 ? std::min(received_.size(), static_cast<size_t>(maxLen)) : received_.size();
    data = received_.substr(0, n);
    received_.erase(0, n);
}

void Winsock::Close() {
    unwatch();
    lookup_.reset();  // a lookup still running ends unheard
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    state_ = sckClosed;
    pending_.clear();
    localPort_ = 0;
}

void Winsock::fail(int number) {
    unwatch();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    pending_.clear();
    state_ = sckError;
    Error(number, errorText(number));
}

void Winsock::flush() {
    while (!pending_.empty() && fd_ >= 0) {
        ssize_t n = ::send(fd_, pending_.data(), pending_.size(), MSG_NOSIGNAL);
        if (n > 0) {
            pending_.erase(0, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        // The peer is gone: reported from the loop, not from inside SendData.
        int e = errno;
        pending_.clear();
        std::weak_ptr<int> alive = alive_;
        post([this, e, alive] {
            if (!alive.expired() && state_ == sckConnected) fail(numberForErrno(e));
        });
        return;
    }
}

void Winsock::readAvailable() {
    char buf[4096];
    bool peerClosed = false;
    bool arrived = false;
    for (;;) {
        ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
        if (n > 0) {
            received_.append(buf, static_cast<size_t>(n));
            arrived = true;
            continue;
        }
        if (n == 0) peerClosed = true;
        else if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            fail(numberForErrno(errno));
            return;
        }
        break;
    }
    if (arrived) {
        std::weak_ptr<int> alive = alive_;
        DataArrival(BytesReceived());
        // The handler may have closed the control, or unloaded and released its form.
        if (alive.expired() || fd_ < 0) return;
    }
    if (peerClosed && state_ == sckConnected) {
        state_ = sckClosing;
        unwatch();
        Closed();
    }
}

void Winsock::ready(short revents) {
    if (lookup_) {
        lookupEnded();
        return;
    }
    if (fd_ < 0) return;
    if (state_ == sckConnecting) {
        if ((revents & (POLLOUT | POLLERR | POLLHUP)) == 0) return;
        int err = 0;
        socklen_t len = sizeof err;
        ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &err, &len);
        if (err != 0) {
            fail(numberForErrno(err));
            return;
        }
        sockaddr_in local{};
        socklen_t ll = sizeof local;
        if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &ll) == 0) localPort_ = ntohs(local.sin_port);
        state_ = sckConnected;
        rewatch();
        Connected();
        return;
    }
    if (state_ != sckConnected) return;
    std::weak_ptr<int> alive = alive_;
    if (revents & POLLOUT) flush();
    if (revents & (POLLIN | POLLHUP | POLLERR)) readAvailable();
    if (!alive.expired()) rewatch();
}

}  // namespace qv::forms
